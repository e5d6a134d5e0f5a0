#pragma once
// Impedance of circuits in ohms, phase angles in degrees. The caller guards the arithmetic.
namespace formulas {

// Series RLC: Z = sqrt(R^2 + (XL - XC)^2).
long double SeriesRLCImpedance(long double resistance, long double inductiveReactance,
                               long double capacitiveReactance);
// theta = arctan((XL - XC) / R) with the one-argument arctangent, as the form has it: R = 0
// raises (x / 0, or 0 / 0 when XL = XC).
long double SeriesRLCPhase(long double resistance, long double inductiveReactance,
                           long double capacitiveReactance);

} // namespace formulas
