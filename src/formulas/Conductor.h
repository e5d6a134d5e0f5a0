#pragma once
// Resistance of a wire. The caller guards the arithmetic.
namespace formulas {

// R = (L / A) x rho: metres, square metres, ohm-metres.
long double ConductorResistance(long double metres, long double squareMetres, long double ohmMetres);

} // namespace formulas
