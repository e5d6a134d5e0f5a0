#pragma once
// Two parts joined: capacitors in series and resistors in parallel, in the unit of the two
// values. The caller guards the arithmetic: a zero value divides by zero.
namespace formulas {

// C = 1 / (1/b + 1/a), the reciprocal sum the series table computes.
long double SeriesCapacitance(long double a, long double b);
// R = R1 R2 / (R1 + R2).
long double ParallelResistance(long double r1, long double r2);

} // namespace formulas
