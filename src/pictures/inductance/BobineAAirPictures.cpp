#include "pictures/inductance/BobineAAirPictures.h"
#include "pictures/Canvas.h"
#include "pictures/Formula.h"
#include "pictures/Schematic.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pictures {

QImage ToroidPicture() {
    QImage image = Canvas(185, 105, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFF, 0x00)); // the yellow of its panel
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF c(74, 52);
    const qreal outer = 44, inner = 19;

    // The ring: a grey annulus, shaded so it reads as a solid core.
    QPainterPath ring;
    ring.addEllipse(c, outer, outer);
    ring.addEllipse(c, inner, inner);
    QRadialGradient shade(c, outer);
    shade.setColorAt(inner / outer, QColor(120, 120, 120));
    shade.setColorAt((inner + outer) / 2 / outer, QColor(215, 215, 215));
    shade.setColorAt(1, QColor(110, 110, 110));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(shade);
    p.drawPath(ring);

    // The winding: copper turns across the ring, leaving a gap at the bottom for the leads.
    p.setPen(QPen(QColor(170, 80, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
    const int turns = 28;
    const qreal first = -75.0, step = 330.0 / (turns - 1);
    auto at = [&](qreal degrees, qreal radius) {
        const qreal t = qDegreesToRadians(degrees);
        return c + QPointF(std::cos(t), -std::sin(t)) * radius;
    };
    for (int i = 0; i < turns; ++i)
        p.drawLine(at(first + step * i, inner - 1), at(first + step * i, outer + 1));
    // The two leads, straight down from the ends of the winding.
    const QPointF end0 = at(first, outer + 1), end1 = at(first + step * (turns - 1), outer + 1);
    p.drawLine(end0, QPointF(end0.x() + 4, 104));
    p.drawLine(end1, QPointF(end1.x() - 4, 104));

    // b across the hole, a beside the ring, N on the winding.
    SetWirePen(p, QColor(0, 0, 160), 1);
    DoubleArrow(p, QPointF(c.x() - inner + 1, c.y()), QPointF(c.x() + inner - 1, c.y()), 4);
    p.setPen(QPen(QColor(0, 0, 160), 0.8, Qt::DashLine));
    p.drawLine(QPointF(c.x(), c.y() - outer), QPointF(150, c.y() - outer));
    p.drawLine(QPointF(c.x(), c.y() + outer), QPointF(150, c.y() + outer));
    SetWirePen(p, QColor(0, 0, 160), 1);
    DoubleArrow(p, QPointF(146, c.y() - outer), QPointF(146, c.y() + outer), 5);
    Arrow(p, QPointF(20, 10), QPointF(42, 24), 5);

    p.setPen(Qt::black);
    DrawFormula(p, QRectF(c.x() - 10, c.y() - 17, 20, 16), QStringLiteral("b"), 14);
    DrawFormula(p, QRectF(152, c.y() - 10, 26, 20), QStringLiteral("a"), 16);
    DrawFormula(p, QRectF(2, 0, 20, 18), QStringLiteral("N"), 15);
    return image;
}

QImage ToroidFormula() {
    // Written with the decimal comma, as the form draws it.
    return FormulaBox(QStringLiteral("L = 0,314 N^{2} (\\sqrt{a} - \\sqrt{b})^{2}"), QSize(185, 41),
                      QColor(0x00, 0xC0, 0x50), 16, 8);
}

} // namespace pictures
