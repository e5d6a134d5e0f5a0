#pragma once
// The conductor resistance window's formula: R = rho L / A on a green rounded panel.
#include <QColor>
#include <QImage>

namespace pictures {
// The formula on a green box whose corners show `around` (the colour of the group behind it).
QImage ConductorFormula(QColor around);
} // namespace pictures
