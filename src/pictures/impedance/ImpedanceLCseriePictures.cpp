#include "pictures/impedance/ImpedanceLCseriePictures.h"
#include "pictures/Canvas.h"
#include "pictures/Schematic.h"
#include "pictures/impedance/CircuitKit.h"

#include <QPainter>

namespace pictures {

QImage SeriesLCCircuit() {
    QImage image = Canvas(121, 73, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFF, 0x00));
    QPainter p(&image);
    SetWirePen(p);
    const qreal top = 24, bottom = 62, left = 14, right = 110;
    Wire(p, {QPointF(left, 32), QPointF(left, top), QPointF(22, top)});
    Capacitor(p, QPointF(22, top), QPointF(54, top), 16);
    Inductor(p, QPointF(54, top), QPointF(right, top), 4, 38);
    Wire(p, {QPointF(right, top), QPointF(right, bottom), QPointF(left, bottom), QPointF(left, 54)});
    AcSource(p, QPointF(left, 32), QPointF(left, 54), 10);
    Label(p, QPointF(38, 9), QStringLiteral("C"), 12, true);
    Label(p, QPointF(82, 9), QStringLiteral("L"), 12, true);
    return image;
}

QImage SeriesLCFormula() {
    return FormulaPlate(QStringLiteral("Z = X_{L} - X_{C}"), QSize(81, 33), 15);
}

} // namespace pictures
