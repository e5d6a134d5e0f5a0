#pragma once
// The series RL and RC window's pictures.
#include <QImage>

namespace pictures {
// 281 x 169: the RL and RC series circuits, each over its vector triangle (R along, XL up or XC
// down, Z the hypotenuse, theta at the origin), with whether the angle leads or lags.
QImage SeriesVectors(bool english);
QImage SeriesImpedanceFormula(); // 113 x 41: Z = sqrt(R^2 + X^2)
QImage SeriesPhaseFormula();     // 97 x 33: theta = arctan(X / R)
} // namespace pictures
