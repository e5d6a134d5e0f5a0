#include "pictures/impedance/CircuitSerieLRCPictures.h"
#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Schematic.h"

#include <QPainter>
#include <QtMath>

namespace pictures {
namespace {

const QColor kGreenBox{0x00, 0xC0, 0x50};
QImage GreenFormula(const QString& markup, QSize size, qreal typeSize) {
    return FormulaBox(markup, size, kGreenBox, typeSize, 8);
}

} // namespace

QImage SerieRLCCircuit() {
    QImage image = Canvas(289, 89, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The loop: source on the left, R, C and L along the top, return wire along the bottom.
    SetWirePen(p);
    const qreal top = 24, bottom = 74, left = 14, right = 166;
    Wire(p, {QPointF(left, 36), QPointF(left, top), QPointF(24, top)});
    Resistor(p, QPointF(24, top), QPointF(68, top), 30);
    Capacitor(p, QPointF(68, top), QPointF(104, top), 18);
    Inductor(p, QPointF(104, top), QPointF(right, top), 4, 36);
    Wire(p, {QPointF(right, top), QPointF(right, bottom), QPointF(left, bottom), QPointF(left, 62)});
    AcSource(p, QPointF(left, 36), QPointF(left, 62), 11);
    Label(p, QPointF(46, 9), QStringLiteral("R"), 12, true);
    Label(p, QPointF(86, 9), QStringLiteral("C"), 12, true);
    Label(p, QPointF(135, 9), QStringLiteral("L"), 12, true);

    // The impedance triangle: R along the base, X = XL - XC up the right side, Z the hypotenuse.
    const QPointF o(186, 72), a(262, 72), b(262, 28);
    p.setPen(QPen(QColor(0, 0, 160), 1.5));
    p.setBrush(QColor(200, 220, 255));
    p.drawPolygon(QPolygonF({o, a, b}));
    p.setPen(QPen(QColor(0, 0, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(a.x() - 6, a.y() - 6, 6, 6)); // right angle
    const qreal angle = qRadiansToDegrees(std::atan2(a.y() - b.y(), b.x() - o.x()));
    p.drawArc(QRectF(o.x() - 22, o.y() - 22, 44, 44), 0, int(angle * 16));
    p.setPen(Qt::black);
    DrawFormula(p, QRectF(209, 58, 20, 13), QStringLiteral("\\theta"), 10);
    DrawFormula(p, QRectF(206, 74, 36, 15), QStringLiteral("R"), 12);
    DrawFormula(p, QRectF(204, 30, 26, 18), QStringLiteral("Z"), 13);
    DrawFormula(p, QRectF(264, 40, 24, 18), QStringLiteral("X"), 13);
    DrawFormula(p, QRectF(196, 2, 92, 22), QStringLiteral("X = X_{L} - X_{C}"), 12);
    return image;
}

QImage SerieRLCImpedance() {
    return GreenFormula(QStringLiteral("Z = \\sqrt{R^{2} + (X_{L} - X_{C})^{2}}"), QSize(169, 49), 15);
}

QImage SerieRLCPhase() {
    // Too narrow for one line at a legible size: the angle on top, the quotient under it.
    QImage image = GreenFormula(QString(), QSize(89, 49), 12);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    DrawFormula(p, QRectF(4, 2, 81, 17), QStringLiteral("\\tan \\theta ="), 13);
    DrawFormula(p, QRectF(4, 17, 81, 30), QStringLiteral("\\frac{X_{L} - X_{C}}{R}"), 13);
    return image;
}

} // namespace pictures
