#pragma once
// The cylindrical coil window's pictures: the coil, its formula and the two button glyphs.
#include <QImage>

namespace pictures {
QImage CylindricalCoilPicture(); // 185 x 89 on yellow: grey tube, winding N, diameter d, length l, leads
QImage CylindricalCoilFormula(); // 121 x 57: L = 2,2 d^2 N^2 / (d + 2,2 l) on a green box
QImage SmallToroidGlyph();       // 48 x 40: a small toroidal coil (transparent around it)
QImage CoaxPieceGlyph();         // 52 x 40: a short piece of coaxial cable (transparent around it)
} // namespace pictures
