#include "pictures/inductance/ReactanceIndPictures.h"
#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Schematic.h"

#include <QPainter>

namespace pictures {

QImage ReactanceIndCircuit() {
    QImage image = Canvas(105, 88, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFF, 0x00)); // the yellow of its panel
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SetWirePen(p);
    // A loop: source down the left side, inductor down the right side.
    Wire(p, {QPointF(14, 29), QPointF(14, 10), QPointF(91, 10), QPointF(91, 24)});
    Wire(p, {QPointF(14, 58), QPointF(14, 78), QPointF(91, 78), QPointF(91, 64)});
    AcSource(p, QPointF(14, 29), QPointF(14, 58), 12);
    Inductor(p, QPointF(91, 24), QPointF(91, 64), 4, 36);
    return image;
}

QImage ReactanceIndFormula() {
    return FormulaBox(QStringLiteral("X_{L} = 2 \\pi f \\times L"), QSize(103, 34), QColor(0x00, 0xB0, 0x50),
                      15);
}

} // namespace pictures
