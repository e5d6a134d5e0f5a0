#include "pictures/inductance/IndProprePictures.h"
#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Schematic.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pictures {

namespace {

const QColor kCopper(170, 80, 20);
const QColor kMark(0, 0, 160);

QLinearGradient TubeShade(qreal top, qreal bottom) {
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0, QColor(120, 120, 120));
    shade.setColorAt(0.35, QColor(225, 225, 225));
    shade.setColorAt(1, QColor(100, 100, 100));
    return shade;
}

} // namespace

QImage CylindricalCoilPicture() {
    QImage image = Canvas(185, 89, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFF, 0x00)); // the yellow of its panel
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The core: a tube seen from the side, its left end open towards the viewer.
    const qreal left = 40, right = 150, top = 20, bottom = 58, rx = 6;
    const qreal mid = (top + bottom) / 2;
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(TubeShade(top, bottom));
    QPainterPath tube;
    tube.moveTo(left, top);
    tube.lineTo(right, top);
    tube.arcTo(QRectF(right - rx, top, 2 * rx, bottom - top), 90, -180);
    tube.lineTo(left, bottom);
    tube.closeSubpath();
    p.drawPath(tube);
    p.setBrush(QColor(80, 80, 80));
    p.drawEllipse(QRectF(left - rx, top, 2 * rx, bottom - top));

    // The winding: slanted copper turns over the tube, a lead out at each end.
    const int turns = 14;
    const qreal first = left + 8, step = (right - 10 - first) / (turns - 1);
    p.setPen(QPen(kCopper, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < turns; ++i) {
        const qreal x = first + step * i;
        p.drawLine(QPointF(x + 2.5, top - 1), QPointF(x - 2.5, bottom + 1));
    }
    p.setPen(QPen(kCopper, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(first + 2.5, top - 1), QPointF(first - 10, 6));
    p.drawLine(QPointF(first + step * (turns - 1) - 2.5, bottom + 1), QPointF(right + 22, 80));

    // d across the open end, l along the tube, N pointing at the winding.
    SetWirePen(p, kMark, 1);
    DoubleArrow(p, QPointF(18, top), QPointF(18, bottom), 4);
    p.setPen(QPen(kMark, 0.8, Qt::DashLine));
    p.drawLine(QPointF(14, top), QPointF(left, top));
    p.drawLine(QPointF(14, bottom), QPointF(left, bottom));
    p.drawLine(QPointF(left, bottom + 2), QPointF(left, 78));
    p.drawLine(QPointF(right, bottom + 2), QPointF(right, 78));
    SetWirePen(p, kMark, 1);
    DoubleArrow(p, QPointF(left, 74), QPointF(right, 74), 4);
    Arrow(p, QPointF(112, 7), QPointF(100, 17), 4);

    p.setPen(Qt::black);
    DrawFormula(p, QRectF(2, mid - 9, 14, 18), QStringLiteral("d"), 15);
    DrawFormula(p, QRectF((left + right) / 2 - 12, 74, 24, 15), QStringLiteral("l"), 14);
    DrawFormula(p, QRectF(113, 0, 20, 15), QStringLiteral("N"), 14);
    return image;
}

QImage CylindricalCoilFormula() {
    // Written with decimal commas, as the form draws it.
    return FormulaBox(QStringLiteral("L = \\frac{2,2 d^{2} N^{2}}{d + 2,2 l}"), QSize(121, 57),
                      QColor(0x00, 0xC0, 0x50), 17);
}

QImage SmallToroidGlyph() {
    QImage image = Canvas(48, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(24, 18);
    const qreal outer = 16, inner = 7;
    QPainterPath ring;
    ring.addEllipse(c, outer, outer);
    ring.addEllipse(c, inner, inner);
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(QColor(190, 190, 190));
    p.drawPath(ring);
    p.setPen(QPen(kCopper, 1.3, Qt::SolidLine, Qt::RoundCap));
    const int turns = 16;
    for (int i = 0; i < turns; ++i) {
        const qreal t = qDegreesToRadians(-60.0 + 300.0 * i / (turns - 1));
        const QPointF dir(std::cos(t), -std::sin(t));
        p.drawLine(c + dir * (inner - 1), c + dir * (outer + 1));
    }
    const qreal t0 = qDegreesToRadians(-60.0), t1 = qDegreesToRadians(240.0);
    const QPointF end0 = c + QPointF(std::cos(t0), -std::sin(t0)) * (outer + 1);
    const QPointF end1 = c + QPointF(std::cos(t1), -std::sin(t1)) * (outer + 1);
    p.drawLine(end0, QPointF(end0.x() + 2, 39));
    p.drawLine(end1, QPointF(end1.x() - 2, 39));
    return image;
}

QImage CoaxPieceGlyph() {
    QImage image = Canvas(52, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A slanted piece of cable, stripped in steps: jacket, braid, insulation, core.
    p.translate(26, 20);
    p.rotate(-25);
    p.setPen(QPen(QColor(30, 30, 30), 0.8));
    p.setBrush(QColor(40, 40, 40));
    p.drawRoundedRect(QRectF(-26, -7, 30, 14), 2, 2); // jacket
    p.setBrush(QColor(200, 160, 90));
    p.drawRect(QRectF(4, -6, 8, 12)); // braid
    p.setBrush(QColor(245, 245, 235));
    p.drawRect(QRectF(12, -4, 8, 8)); // insulation
    p.setBrush(kCopper);
    p.drawRect(QRectF(20, -1.5, 6, 3)); // core
    return image;
}

} // namespace pictures
