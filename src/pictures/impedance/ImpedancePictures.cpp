#include "pictures/impedance/ImpedancePictures.h"
#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Schematic.h"
#include "pictures/impedance/CircuitKit.h"

#include <QPainter>
#include <QtMath>

namespace pictures {
namespace {

const QColor kResistance{0, 0, 170};
const QColor kReactance{200, 0, 0};
const QColor kImpedance{0, 120, 0};

// R from the origin o to the right, the reactance up (dy < 0) or down (dy > 0) from R's end.
void Triangle(QPainter& p, QPointF o, qreal r, qreal dy, const QString& reactance) {
    const QPointF rEnd(o.x() + r, o.y()), xEnd(o.x() + r, o.y() + dy);
    SetWirePen(p, kResistance, 2);
    Arrow(p, o, rEnd, 7);
    SetWirePen(p, kReactance, 2);
    Arrow(p, rEnd, xEnd, 7);
    SetWirePen(p, kImpedance, 2);
    Arrow(p, o, xEnd, 7);
    SetWirePen(p, Qt::black, 1);
    const qreal angle = qRadiansToDegrees(std::atan2(-dy, r));
    p.drawArc(QRectF(o.x() - 24, o.y() - 24, 48, 48), 0, int(angle * 16));
    const qreal side = dy < 0 ? 1 : -1; // the side of R away from the triangle
    p.setPen(Qt::black);
    DrawFormula(p, QRectF(o.x() + r / 2 - 12, o.y() + side * 3 - (side < 0 ? 16 : 0), 24, 16),
                QStringLiteral("R"), 13);
    DrawFormula(p, QRectF(rEnd.x() + 2, o.y() + dy / 2 - 9, 30, 18), reactance, 13);
    DrawFormula(p, QRectF(o.x() + r / 2 - 26, o.y() + dy / 2 - (dy < 0 ? 18 : 0), 20, 18),
                QStringLiteral("Z"), 13);
    const qreal half = qDegreesToRadians(angle / 2);
    const QPointF at(o.x() + 34 * std::cos(half), o.y() - 34 * std::sin(half));
    DrawFormula(p, QRectF(at.x() - 8, at.y() - 8, 16, 16), QStringLiteral("\\theta"), 11);
}

void Circuit(QPainter& p, qreal left, qreal y, Element reactance, const QString& name) {
    SetWirePen(p);
    const qreal right = left + 120;
    Wire(p, QPointF(left + 4, y), QPointF(left + 10, y));
    Resistor(p, QPointF(left + 10, y), QPointF(left + 56, y), 32);
    DrawElement(p, reactance, QPointF(left + 56, y), QPointF(right - 6, y));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(left + 4, y), 3, 3);
    p.drawEllipse(QPointF(right - 4, y), 3, 3);
    Label(p, QPointF(left + 33, y - 13), QStringLiteral("R"), 12, true);
    Label(p, QPointF(left + 87, y - 13), name, 12, true);
}

} // namespace

QImage SeriesVectors(bool english) {
    QImage image = Canvas(281, 169, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    Circuit(p, 6, 24, Element::Inductor, QStringLiteral("L"));
    Circuit(p, 148, 24, Element::Capacitor, QStringLiteral("C"));
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
    p.drawLine(QPointF(140.5, 6), QPointF(140.5, 163));

    Triangle(p, QPointF(22, 132), 78, -72, QStringLiteral("X_{L}"));
    Triangle(p, QPointF(164, 50), 78, 72, QStringLiteral("X_{C}"));

    p.setPen(Qt::black);
    Label(p, QPointF(70, 156),
          english ? QStringLiteral("RL: \u03B8 leads") : QStringLiteral("RL : \u03B8 en avance"), 11, true);
    Label(p, QPointF(212, 156),
          english ? QStringLiteral("RC: \u03B8 lags") : QStringLiteral("RC : \u03B8 en retard"), 11, true);
    return image;
}

QImage SeriesImpedanceFormula() {
    return FormulaPlate(QStringLiteral("Z = \\sqrt{R^{2} + X^{2}}"), QSize(113, 41), 17);
}

QImage SeriesPhaseFormula() {
    return FormulaPlate(QStringLiteral("\\theta = \\arctan \\frac{X}{R}"), QSize(97, 33), 14);
}

} // namespace pictures
