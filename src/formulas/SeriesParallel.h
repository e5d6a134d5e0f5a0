#pragma once
// Impedance of a resistor or reactance in series or in parallel with one other element, in ohms;
// phase angles in degrees. The caller guards the arithmetic.
namespace formulas {

// Series R and one reactance: Z = sqrt(R^2 + X^2).
long double SeriesImpedance(long double resistance, long double reactance);
// theta = arctan(X / R), taken with atan2 so that R = 0 gives 90 degrees instead of failing.
long double SeriesPhase(long double resistance, long double reactance);

// Series L and C: Z = |XL - XC|; the sign goes into the angle.
long double SeriesLCImpedance(long double inductiveReactance, long double capacitiveReactance);
// +90 when the inductor dominates, -90 when the capacitor does, 0 when XL = XC.
long double SeriesLCPhase(long double inductiveReactance, long double capacitiveReactance);

// Parallel R and one reactance: Z = R X / sqrt(R^2 + X^2); R = X = 0 is 0 / 0 and raises.
long double ParallelImpedance(long double resistance, long double reactance);
// RL: theta = arctan(R / XL), with atan2 so that XL = 0 gives 90 degrees.
long double ParallelRLPhase(long double resistance, long double inductiveReactance);
// RC: theta = -arctan(R / XC).
long double ParallelRCPhase(long double resistance, long double capacitiveReactance);

// Parallel L and C: Z = XL XC / (XL - XC), signed as the formula reads (positive when XL > XC,
// where the capacitor carries the larger current). XL = XC divides by zero and raises.
long double ParallelLCImpedance(long double inductiveReactance, long double capacitiveReactance);
// The parallel pair's angle: -90 when XL > XC (capacitive), +90 when XL < XC (inductive), 0 when
// equal.
long double ParallelLCPhase(long double inductiveReactance, long double capacitiveReactance);

} // namespace formulas
