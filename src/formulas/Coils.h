#pragma once
// Inductance of air-core coils. The caller guards the arithmetic.
namespace formulas {

// Toroid: L = 0.314 x N^2 x (sqrt a - sqrt b)^2 microhenries, diameters a and b in metres.
// 0.314 is the coil formula's own constant, not derived from pi.
long double ToroidInductance(long double turns, long double outerMetres, long double innerMetres);

} // namespace formulas
