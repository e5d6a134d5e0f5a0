#pragma once
// The program's icon: the logo's night sky and board trace on a rounded tile, under an omega.
#include <QImage>

class QPainter;

namespace pictures {

// The icon's drawing square, in painter units from (0, 0).
constexpr int kIconUnits = 256;

// Paints the icon on any device (a bitmap, an SVG generator); scale the painter for other sizes.
void PaintIcon(QPainter& p);

// The icon as a transparent square bitmap of the given side in pixels.
QImage IconImage(int side);

} // namespace pictures
