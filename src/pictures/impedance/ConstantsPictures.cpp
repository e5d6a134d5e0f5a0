#include "pictures/impedance/ConstantsPictures.h"
#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Schematic.h"

#include <QPainter>

namespace pictures {
namespace {

const QColor kGreenBox{0x00, 0xB0, 0x50};
const QColor kYellow{0xFF, 0xFF, 0x00};

struct Loop {
    qreal left, right, top, bottom;
    qreal upperFrom, upperTo; // the resistor along the right side
    qreal lowerFrom, lowerTo; // the inductor or capacitor below it
};

QImage LoopPicture(QSize size, const Loop& l, bool capacitor) {
    QImage image = Canvas(size, QImage::Format_RGB32);
    image.fill(kYellow);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SetWirePen(p);
    const qreal middle = (l.top + l.bottom) / 2;
    Wire(p, {QPointF(l.left, middle - 14), QPointF(l.left, l.top), QPointF(l.right, l.top),
             QPointF(l.right, l.upperFrom)});
    Resistor(p, QPointF(l.right, l.upperFrom), QPointF(l.right, l.upperTo), 30);
    Wire(p, QPointF(l.right, l.upperTo), QPointF(l.right, l.lowerFrom));
    if (capacitor)
        PolarisedCapacitor(p, QPointF(l.right, l.lowerFrom), QPointF(l.right, l.lowerTo), 20);
    else
        Inductor(p, QPointF(l.right, l.lowerFrom), QPointF(l.right, l.lowerTo), 4, 34);
    Wire(p, {QPointF(l.right, l.lowerTo), QPointF(l.right, l.bottom), QPointF(l.left, l.bottom),
             QPointF(l.left, middle + 14)});
    Battery(p, QPointF(l.left, middle - 14), QPointF(l.left, middle + 14), 22);
    Label(p, QPointF(l.left - 10, middle - 10), QStringLiteral("+"), 11, true);
    return image;
}

} // namespace

QImage TimeConstantRLCircuit() {
    // The window's letters stand at x 96 of the picture, level with y 38 and 94.
    return LoopPicture(QSize(145, 129), {26, 78, 10, 120, 18, 58, 72, 116}, false);
}

QImage TimeConstantRCCircuit() {
    // The letters stand at x 72, level with y 46 and 102.
    return LoopPicture(QSize(129, 121), {24, 56, 8, 114, 24, 68, 88, 114}, true);
}

QImage TimeConstantRLFormula() {
    return FormulaBox(QStringLiteral("t = \\frac{L}{R}"), QSize(57, 41), kGreenBox, 15);
}

QImage TimeConstantRCFormula() {
    return FormulaBox(QStringLiteral("t = R \\times C"), QSize(73, 25), kGreenBox, 14);
}

} // namespace pictures
