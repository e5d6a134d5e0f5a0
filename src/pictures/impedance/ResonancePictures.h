#pragma once
#include <QImage>

namespace pictures {
// An AC source marked f0 on the left, an inductor L above a capacitor C on the right, room for
// the echoed values right of them; 121 x 97 on yellow.
QImage ResonanceCircuit();
// f0 = 1 / (2 pi sqrt(LC)) on a green box, 105 x 41.
QImage ResonanceFormula();
// LC = 1 / (2 pi f0)^2 on a green box, 105 x 41.
QImage ProductLCFormula();
} // namespace pictures
