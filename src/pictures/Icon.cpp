#include "pictures/Icon.h"
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

void PaintIcon(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The tile leaves the margin icon themes expect, so it lines up with its neighbours.
    const QRectF tile(16, 16, 224, 224);
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0, QColor(10, 20, 80));
    sky.setColorAt(1, QColor(0, 0, 0));
    p.setPen(QPen(QColor(120, 200, 255), 4));
    p.setBrush(sky);
    p.drawRoundedRect(tile.adjusted(2, 2, -2, -2), 36, 36);

    // The logo's trace with its pads, along the top and the bottom of the tile.
    p.setPen(QPen(QColor(200, 160, 40), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath trace;
    trace.moveTo(48, 52);
    trace.lineTo(120, 52);
    trace.lineTo(140, 72);
    trace.lineTo(208, 72);
    trace.moveTo(48, 204);
    trace.lineTo(208, 204);
    p.drawPath(trace);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 190, 60));
    for (QPointF pad : {QPointF(48, 52), QPointF(208, 72), QPointF(48, 204), QPointF(208, 204)})
        p.drawEllipse(pad, 11, 11);

    // The omega, drawn rather than typed so it needs no font.
    const QColor omega(120, 200, 255);
    p.setPen(QPen(omega, 20, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(78, 86, 100, 96);
    QPainterPath arc;
    arc.arcMoveTo(ring, -60);
    arc.arcTo(ring, -60, 300);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(omega);
    const QPointF left = arc.pointAtPercent(1), right = arc.pointAtPercent(0);
    p.drawRect(QRectF(left.x() - 30, 172, 40, 16));
    p.drawRect(QRectF(right.x() - 10, 172, 40, 16));
    p.restore();
}

QImage IconImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(qreal(side) / kIconUnits, qreal(side) / kIconUnits);
    PaintIcon(p);
    return image;
}

} // namespace pictures
