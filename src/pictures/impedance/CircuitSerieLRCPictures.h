#pragma once
// The series RLC window's pictures: the circuit with its impedance triangle and the two formulas.
#include <QImage>

namespace pictures {
QImage SerieRLCCircuit();   // 289 x 89: R, C and L in series on a source; the triangle R, X, Z
QImage SerieRLCImpedance(); // 169 x 49: Z = sqrt(R^2 + (XL - XC)^2) on a green box
QImage SerieRLCPhase();     // 89 x 49: tan theta = (XL - XC) / R on a green box
} // namespace pictures
