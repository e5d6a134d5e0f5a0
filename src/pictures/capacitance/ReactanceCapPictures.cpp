#include "pictures/capacitance/ReactanceCapPictures.h"
#include "pictures/Canvas.h"

#include "pictures/Formula.h"
#include "pictures/Palette.h"
#include "pictures/Schematic.h"

#include <QPainter>

namespace pictures {

QImage ReactanceCapCircuit() {
    QImage image = Canvas(105, 89, QImage::Format_RGB32);
    image.fill(palette::kYellow); // the yellow of its panel
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SetWirePen(p);
    // A loop: source down the left side, capacitor down the right side.
    const QPointF topLeft(14, 10), topRight(91, 10), bottomLeft(14, 79), bottomRight(91, 79);
    Wire(p, {QPointF(14, 30), topLeft, topRight, QPointF(91, 30)});
    Wire(p, {QPointF(14, 59), bottomLeft, bottomRight, QPointF(91, 59)});
    AcSource(p, QPointF(14, 30), QPointF(14, 59), 12);
    Capacitor(p, QPointF(91, 30), QPointF(91, 59), 22);
    return image;
}

QImage ReactanceCapFormula() {
    return FormulaBox(QStringLiteral("X_{c} = \\frac{1}{2 \\pi f C}"), QSize(105, 41),
                      QColor(0x00, 0xB0, 0x50), 15);
}

} // namespace pictures
