#pragma once
// The resistor of the colour-code window, drawn as a picture with the rings of a value: its
// leads, body and rings in the same places and colours, scaled to `size`.
#include <QColor>
#include <QImage>
#include <QVector>

namespace pictures {

// Four rings (two figures, multiplier, tolerance) or five (three figures); an invalid colour
// leaves the body bare there (no tolerance ring).
QImage RingedResistorPicture(QSize size, const QVector<QColor>& rings);

} // namespace pictures
