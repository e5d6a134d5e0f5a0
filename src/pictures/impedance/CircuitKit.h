#pragma once
// What the pictures of the series and parallel impedance windows share.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>

class QPainter;

namespace pictures {

enum class Element { Resistor, Inductor, Capacitor };

// A formula in black on a white plate with a thin frame, silver around it (the panels' colour).
QImage FormulaPlate(const QString& markup, QSize size, qreal typeSize);

// Two elements in parallel between two terminals on a plain background: the first on the upper
// branch, the second on the lower one, each lettered above its symbol.
QImage ParallelPair(QSize size, Element upper, const QString& upperName, Element lower,
                    const QString& lowerName, const QColor& background);

// One element between a and b with the wire pen.
void DrawElement(QPainter& p, Element element, QPointF a, QPointF b);

} // namespace pictures
