#pragma once
// The pictures of the resistors window, the same in both languages.
#include <QImage>
#include <QSize>

namespace pictures {
inline constexpr QSize kResCircuitSize{241, 113};
QImage ResSeriesCircuit();     // R1, R2, R3 in series, Rt across the chain
QImage ResSeriesFormula();     // Rt = R1 + R2 + ... + Rn, 241 x 45
QImage ResParallelCircuit();   // R1, R2, R3 in parallel, Rt across the rails
QImage ResParallelFormula();   // 1/Rt = 1/R1 + 1/R2 ... + 1/Rn, 161 x 49
QImage ConductanceFormula();   // G = 1/R, 73 x 49
QImage ResReciprocalFormula(); // Rt = 1 / (1/R1 + 1/R2 + ... + 1/Rn), 241 x 97
QImage ResTwoFormula();        // Rt = R1 R2 / (R1 + R2), 161 x 81
QImage ResEqualFormula();      // Rt = R1/2 = R2/2, 145 x 65
} // namespace pictures
