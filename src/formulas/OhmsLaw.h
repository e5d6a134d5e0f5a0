#pragma once
// The twelve formulas of the Ohm's law wheel in base units (volts, amperes, ohms, watts).
// The caller guards the arithmetic.
namespace formulas {

// `first` and `second` are the formula's two inputs in the wheel's order (formula 1: I = E / R).
// An unknown number gives 0.
long double OhmsLaw(int formula, long double first, long double second);

} // namespace formulas
