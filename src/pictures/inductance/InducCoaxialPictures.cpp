#include "pictures/inductance/InducCoaxialPictures.h"
#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Schematic.h"

#include <QPainter>
#include <QPainterPath>

namespace pictures {

QImage CoaxialCablePicture() {
    QImage image = Canvas(161, 121, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFF, 0x00)); // the yellow of its panel
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor mark(0, 0, 160);

    // The cable lies across the picture and ends facing the viewer on the right, so its
    // cross-section shows the outer conductor (D inside it) and the inner conductor (d).
    const QPointF end(112, 48);
    const qreal jacket = 34, braid = 30, hole = 24, core = 7;
    const qreal tail = 8;
    QLinearGradient shade(0, end.y() - jacket, 0, end.y() + jacket);
    shade.setColorAt(0, QColor(110, 110, 110));
    shade.setColorAt(0.35, QColor(215, 215, 215));
    shade.setColorAt(1, QColor(90, 90, 90));
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(shade);
    p.drawRect(QRectF(tail, end.y() - jacket, end.x() - tail, 2 * jacket));
    p.drawEllipse(QRectF(tail - 10, end.y() - jacket, 20, 2 * jacket));
    // The end face, drawn as rings seen a little from the side.
    auto ring = [&p, &end](qreal r, const QColor& fill) {
        p.setBrush(fill);
        p.drawEllipse(QRectF(end.x() - r * 0.55, end.y() - r, r * 1.1, 2 * r));
    };
    ring(jacket, QColor(70, 70, 70));
    ring(braid, QColor(200, 160, 90));
    ring(hole, QColor(245, 245, 225));
    ring(core, QColor(190, 100, 40));

    // D across the inside of the outer conductor, d across the inner conductor, l along.
    SetWirePen(p, mark, 1);
    p.setPen(QPen(mark, 0.8, Qt::DashLine));
    p.drawLine(QPointF(end.x(), end.y() - hole), QPointF(150, end.y() - hole));
    p.drawLine(QPointF(end.x(), end.y() + hole), QPointF(150, end.y() + hole));
    SetWirePen(p, mark, 1);
    DoubleArrow(p, QPointF(146, end.y() - hole), QPointF(146, end.y() + hole), 4);
    Arrow(p, QPointF(end.x() - 30, end.y() - 2), QPointF(end.x() - 4.5, end.y() - 2), 4);
    p.setPen(QPen(mark, 0.8, Qt::DashLine));
    p.drawLine(QPointF(tail, end.y() + jacket + 2), QPointF(tail, 110));
    p.drawLine(QPointF(end.x(), end.y() + jacket + 2), QPointF(end.x(), 110));
    SetWirePen(p, mark, 1);
    DoubleArrow(p, QPointF(tail, 104), QPointF(end.x(), 104), 4);

    p.setPen(Qt::black);
    DrawFormula(p, QRectF(148, end.y() - 10, 13, 20), QStringLiteral("D"), 14);
    DrawFormula(p, QRectF(end.x() - 46, end.y() - 12, 14, 18), QStringLiteral("d"), 14);
    DrawFormula(p, QRectF((tail + end.x()) / 2 - 10, 104, 20, 16), QStringLiteral("l"), 14);
    return image;
}

QImage CoaxialCableFormula() {
    // Written with decimal commas, as the form draws it; log is the base-10 logarithm.
    return FormulaBox(QStringLiteral("L = 0,46 l \\log (\\frac{1,28 D}{d})"), QSize(161, 49),
                      QColor(0x00, 0xC0, 0x50), 17);
}

} // namespace pictures
