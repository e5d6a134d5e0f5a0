#pragma once
// Running totals of parts entered one at a time, in the unit they are typed in. The caller
// guards the arithmetic: a zero value in a reciprocal sum divides by zero.
namespace formulas {

// Values that add: resistors and inductors in series, capacitors in parallel.
long double AddedValue(long double total, long double value);
// The sum of reciprocals with one more value: resistors and inductors in parallel, capacitors
// in series.
long double AddedReciprocal(long double inverseSum, long double value);
// The total of a sum of reciprocals; for resistors also the conductance of a resistance.
long double Reciprocal(long double value);

} // namespace formulas
