#pragma once
// The coaxial cable window's pictures: the cable with its marks and the formula.
#include <QImage>

namespace pictures {
QImage CoaxialCablePicture(); // 161 x 121 on yellow: a grey tube marked l, its end marked D and d
QImage CoaxialCableFormula(); // 161 x 49: L = 0,46 l log(1,28 D / d) on a green box
} // namespace pictures
