#include "pictures/impedance/ResonancePictures.h"
#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Schematic.h"

#include <QPainter>

namespace pictures {
namespace {

const QColor kGreenBox{0x00, 0xB0, 0x50};

} // namespace

QImage ResonanceCircuit() {
    QImage image = Canvas(121, 97, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFF, 0x00)); // the yellow of its panel
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SetWirePen(p);
    // The echoes stand right of the parts (from x 96), level with the inductor and the capacitor.
    const qreal left = 16, right = 80, top = 6, bottom = 90;
    Wire(p, {QPointF(left, 36), QPointF(left, top), QPointF(right, top), QPointF(right, 12)});
    Inductor(p, QPointF(right, 12), QPointF(right, 44), 4, 30);
    Wire(p, QPointF(right, 44), QPointF(right, 56));
    Capacitor(p, QPointF(right, 56), QPointF(right, 84), 20);
    Wire(p, {QPointF(right, 84), QPointF(right, bottom), QPointF(left, bottom), QPointF(left, 62)});
    AcSource(p, QPointF(left, 36), QPointF(left, 62), 12);
    p.setPen(Qt::black);
    DrawFormula(p, QRectF(30, 40, 22, 16), QStringLiteral("f_{0}"), 13);
    Label(p, QPointF(64, 28), QStringLiteral("L"), 12, true);
    Label(p, QPointF(64, 70), QStringLiteral("C"), 12, true);
    return image;
}

QImage ResonanceFormula() {
    return FormulaBox(QStringLiteral("f_{0} = \\frac{1}{2 \\pi \\sqrt{L C}}"), QSize(105, 41), kGreenBox, 15);
}

QImage ProductLCFormula() {
    return FormulaBox(QStringLiteral("L C = \\frac{1}{(2 \\pi f_{0})^{2}}"), QSize(105, 41), kGreenBox, 15);
}

} // namespace pictures
