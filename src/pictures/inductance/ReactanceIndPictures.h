#pragma once
// The inductive reactance window's pictures.
#include <QImage>

namespace pictures {
QImage
ReactanceIndCircuit(); // 105 x 88 on yellow: an AC source on the left joined to an inductor on the right
QImage ReactanceIndFormula(); // 103 x 34: XL = 2 pi f x L on a green box
} // namespace pictures
