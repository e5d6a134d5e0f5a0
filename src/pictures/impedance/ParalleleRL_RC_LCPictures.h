#pragma once
// The parallel circuits window's pictures, one set per tab.
#include <QImage>

namespace pictures {
QImage ParallelRLCircuit();      // 161 x 73 on yellow
QImage ParallelRCCircuit();      // 169 x 81 on yellow
QImage ParallelLCCircuit();      // 177 x 81 on yellow
QImage ParallelRLFormula();      // 137 x 65: Z = R XL / sqrt(R^2 + XL^2)
QImage ParallelRCFormula();      // 137 x 65: Z = R XC / sqrt(R^2 + XC^2)
QImage ParallelLCFormula();      // 137 x 65: Z = XL XC / (XL - XC)
QImage ParallelRLPhaseFormula(); // 113 x 57: theta = arctan(R / XL)
QImage ParallelRCPhaseFormula(); // 113 x 57: theta = -arctan(R / XC)
} // namespace pictures
