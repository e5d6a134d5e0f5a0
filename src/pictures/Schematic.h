#pragma once
// Schematic symbols drawn with the painter's current pen. Two-terminal parts take their two
// terminals: the symbol sits in the middle of the segment a-b, with leads to both ends, so the
// same call places a part horizontally, vertically or at a slant.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

namespace pictures {

// The pen for wires and symbols: black, 1.5 px, round caps.
void SetWirePen(QPainter& p, QColor colour = Qt::black, qreal width = 1.5);

void Wire(QPainter& p, QPointF a, QPointF b);                                     // straight wire
void Wire(QPainter& p, const QVector<QPointF>& points);                           // polyline through points
void Junction(QPainter& p, QPointF at, qreal radius = 2.5);                       // filled connection dot
void Resistor(QPainter& p, QPointF a, QPointF b, qreal body = 28);                // zig-zag of length body
void Capacitor(QPainter& p, QPointF a, QPointF b, qreal plate = 16);              // two parallel plates
void PolarisedCapacitor(QPainter& p, QPointF a, QPointF b, qreal plate = 16);     // "+" on a's side
void Inductor(QPainter& p, QPointF a, QPointF b, int loops = 4, qreal body = 32); // coil loops
void AcSource(QPainter& p, QPointF a, QPointF b, qreal radius = 11);              // circle with a sine
void Battery(QPainter& p, QPointF a, QPointF b, qreal plate = 16);              // long (+) plate on a's side
void Ground(QPainter& p, QPointF at, qreal width = 14);                         // three bars below at
void Meter(QPainter& p, QPointF a, QPointF b, QChar letter, qreal radius = 10); // lettered circle
void Arrow(QPainter& p, QPointF from, QPointF to, qreal head = 6);              // line with a head at to
void DoubleArrow(QPainter& p, QPointF a, QPointF b, qreal head = 5);            // heads at both ends

// Text centred on at (or aligned by align around it) in Liberation Sans of pixelSize.
void Label(QPainter& p, QPointF at, const QString& text, int pixelSize, bool bold = false,
           Qt::Alignment align = Qt::AlignCenter);

// A resistor body seen from the side: a beige capsule in rect with coloured rings on it.
void RingedResistor(QPainter& p, const QRectF& rect, const QVector<QColor>& rings);

} // namespace pictures
