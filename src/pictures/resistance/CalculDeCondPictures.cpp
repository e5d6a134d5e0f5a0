#include "pictures/resistance/CalculDeCondPictures.h"
#include "pictures/Formula.h"

namespace pictures {

// The corners are transparent, so the colour around the box is not needed.
QImage ConductorFormula(QColor) {
    return FormulaBox(QStringLiteral("R = \\frac{\\rho L}{A}"), QSize(113, 65), QColor(0, 190, 70), 20, 12);
}

} // namespace pictures
