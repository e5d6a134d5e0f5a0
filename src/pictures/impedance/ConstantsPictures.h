#pragma once
#include <QImage>

namespace pictures {
// A battery on the left, a resistor above an inductor on the right; 145 x 129 on yellow. The
// window puts the letters R and L beside the parts.
QImage TimeConstantRLCircuit();
// A battery on the left, a resistor above a polarised capacitor on the right; 129 x 121.
QImage TimeConstantRCCircuit();
// t = L / R on a green box, 57 x 41.
QImage TimeConstantRLFormula();
// t = R x C on a green box, 73 x 25.
QImage TimeConstantRCFormula();
} // namespace pictures
