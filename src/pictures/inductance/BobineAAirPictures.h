#pragma once
// The toroidal coil window's pictures: the toroid with its marks and the formula.
#include <QImage>

namespace pictures {
QImage ToroidPicture(); // 185 x 105 on yellow: ring, leads, b across the hole, a beside it, N on the winding
QImage ToroidFormula(); // 185 x 41: L = 0,314 N^2 (sqrt a - sqrt b)^2 on a green box
} // namespace pictures
