#pragma once
// Reactances in base units (hertz, farads, henries, ohms). The caller guards the arithmetic.
namespace formulas {

// Xc = 1 / (f x C x 6.28): the capacitive windows use 6.28, not 2 pi.
long double CapacitiveReactance(long double hertz, long double farads);
// XL = 2 pi f L with pi to full extended precision.
long double InductiveReactance(long double hertz, long double henries);

} // namespace formulas
