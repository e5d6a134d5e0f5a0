#pragma once
// A small formula layout engine for the formula pictures.
//
// Markup: letters are italic variables, digits and operators upright; a space is a thin gap.
//   \frac{a}{b}   fraction with a bar        \sqrt{x}   radical spanning its content
//   x^{2}  x_{c}  superscript, subscript     ( ... )    parentheses that grow with their content
//   \pi \theta \rho \omega \Omega \tau \lambda \mu \phi \Delta \alpha   Greek letters
//   \times \cdot \pm \dots   operators        \arctan \tan \log \ln   upright function names
//   \text{...}    upright text, spaces kept  \,         thin space
// Unknown commands are drawn as their name, so a typo shows instead of vanishing.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace pictures {

// Measured size of a laid-out formula: width and the extents above and below the baseline.
struct FormulaExtent {
    qreal width = 0;
    qreal ascent = 0;
    qreal descent = 0;
    qreal height() const { return ascent + descent; }
};

// Lays the markup out with type of typeSize pixels, without drawing.
FormulaExtent MeasureFormula(const QString& markup, qreal typeSize);

// Draws the markup centred in rect with the painter's current pen colour; shrinks it to fit.
void DrawFormula(QPainter& painter, const QRectF& rect, const QString& markup, qreal typeSize);

// Draws the markup from start.x on the baseline start.y, narrowed to width if it is wider.
void DrawFormulaOnBaseline(QPainter& painter, QPointF start, qreal width, const QString& markup,
                           qreal typeSize);

// The markup centred on an image of the given size and background, in ink.
QImage Formula(const QString& markup, QSize size, QColor background, QColor ink, qreal typeSize);

// The markup in black on a rounded box of colour fill, transparent around the corners; a radius
// of 0 rounds in proportion to the box.
QImage FormulaBox(const QString& markup, QSize size, QColor fill, qreal typeSize = 20, qreal radius = 0);

// Family used for formula type.
QString FormulaFamily();

} // namespace pictures
