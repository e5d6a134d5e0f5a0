#pragma once
// Inductance of a cylindrical air-core coil and of a length of coaxial cable, in microhenries.
// The caller guards the arithmetic.
namespace formulas {

// L = 2.2 d^2 N^2 / (d + 2.2 l): core diameter d and length l in metres. d = l = 0 is 0 / 0.
long double CylindricalCoilInductance(long double turns, long double diameterMetres,
                                      long double lengthMetres);

// L = 0.46 l log10(1.28 D / d): cable length l in metres; the diameters enter only as a ratio,
// so any one unit for both will do. d = 0 divides by zero.
long double CoaxialInductance(long double lengthMetres, long double outerDiameter, long double innerDiameter);

} // namespace formulas
