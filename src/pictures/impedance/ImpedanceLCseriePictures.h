#pragma once
// The series LC window's pictures.
#include <QImage>

namespace pictures {
QImage SeriesLCCircuit(); // 121 x 73 on yellow: a source, C and L in series
QImage SeriesLCFormula(); // 81 x 33: Z = XL - XC
} // namespace pictures
