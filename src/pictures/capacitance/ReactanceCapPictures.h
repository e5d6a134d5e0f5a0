#pragma once
#include <QImage>

namespace pictures {
// An AC source on the left joined to a capacitor on the right, 105 x 89.
QImage ReactanceCapCircuit();
// Xc = 1 / (2 pi f C) on a green rounded box, 105 x 41.
QImage ReactanceCapFormula();
} // namespace pictures
