#pragma once
// Time constants in seconds from base units (henries, ohms, farads). The caller guards the
// arithmetic: an RL circuit without resistance is a division by zero.
namespace formulas {

// t = L / R
long double RLTimeConstant(long double henries, long double ohms);
// t = R x C
long double RCTimeConstant(long double ohms, long double farads);

} // namespace formulas
