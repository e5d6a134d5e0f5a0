#include "pictures/Schematic.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

// Runs draw in a frame where a is the origin and b lies on the positive x axis; returns the
// length of a-b. Leads are drawn from each end up to the body of the given length.
template <typename Draw> void Along(QPainter& p, QPointF a, QPointF b, qreal body, Draw draw) {
    const QLineF line(a, b);
    const qreal length = line.length();
    body = std::min(body, length);
    const qreal start = (length - body) / 2;
    p.save();
    p.translate(a);
    p.rotate(-line.angle());
    p.drawLine(QPointF(0, 0), QPointF(start, 0));
    p.drawLine(QPointF(start + body, 0), QPointF(length, 0));
    draw(start, body);
    p.restore();
}

} // namespace

void SetWirePen(QPainter& p, QColor colour, qreal width) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void Wire(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
}

void Wire(QPainter& p, const QVector<QPointF>& points) {
    p.drawPolyline(points);
}

void Junction(QPainter& p, QPointF at, qreal radius) {
    p.save();
    p.setBrush(p.pen().color());
    p.drawEllipse(at, radius, radius);
    p.restore();
}

void Resistor(QPainter& p, QPointF a, QPointF b, qreal body) {
    Along(p, a, b, body, [&](qreal x, qreal len) {
        const int teeth = 6;
        const qreal step = len / teeth, h = std::max(3.0, len * 0.16);
        QVector<QPointF> zig{{x, 0}};
        for (int k = 0; k < teeth; ++k)
            zig << QPointF(x + step * (k + 0.5), k % 2 ? h : -h);
        zig << QPointF(x + len, 0);
        p.drawPolyline(zig);
    });
}

void Capacitor(QPainter& p, QPointF a, QPointF b, qreal plate) {
    const qreal gap = std::max(3.0, plate * 0.3);
    Along(p, a, b, gap, [&](qreal x, qreal len) {
        p.drawLine(QPointF(x, -plate / 2), QPointF(x, plate / 2));
        p.drawLine(QPointF(x + len, -plate / 2), QPointF(x + len, plate / 2));
    });
}

void PolarisedCapacitor(QPainter& p, QPointF a, QPointF b, qreal plate) {
    const qreal gap = std::max(3.0, plate * 0.3);
    Along(p, a, b, gap, [&](qreal x, qreal len) {
        p.drawLine(QPointF(x, -plate / 2), QPointF(x, plate / 2));
        QPainterPath curved; // the negative plate is curved
        curved.moveTo(x + len + plate * 0.22, -plate / 2);
        curved.quadTo(x + len - plate * 0.05, 0, x + len + plate * 0.22, plate / 2);
        p.drawPath(curved);
        const qreal m = plate * 0.18, cx = x - plate * 0.3, cy = -plate * 0.45;
        p.drawLine(QPointF(cx - m, cy), QPointF(cx + m, cy));
        p.drawLine(QPointF(cx, cy - m), QPointF(cx, cy + m));
    });
}

void Inductor(QPainter& p, QPointF a, QPointF b, int loops, qreal body) {
    Along(p, a, b, body, [&](qreal x, qreal len) {
        const qreal w = len / std::max(1, loops);
        QPainterPath path(QPointF(x, 0));
        for (int k = 0; k < loops; ++k)
            path.arcTo(QRectF(x + k * w, -w / 2 - 1, w, w + 2), 180, -180);
        p.drawPath(path);
    });
}

void AcSource(QPainter& p, QPointF a, QPointF b, qreal radius) {
    Along(p, a, b, 2 * radius, [&](qreal x, qreal) {
        const QPointF c(x + radius, 0);
        p.drawEllipse(c, radius, radius);
        p.save();
        p.translate(c);
        p.rotate(QLineF(a, b).angle()); // the sine stays level whatever the source's direction
        QPainterPath wave;
        const qreal r = radius * 0.6;
        wave.moveTo(-r, 0);
        for (int k = 1; k <= 24; ++k) {
            const qreal t = k / 24.0;
            wave.lineTo(-r + 2 * r * t, -r * 0.55 * std::sin(t * 2 * M_PI));
        }
        p.drawPath(wave);
        p.restore();
    });
}

void Battery(QPainter& p, QPointF a, QPointF b, qreal plate) {
    const qreal gap = std::max(3.0, plate * 0.3);
    Along(p, a, b, gap, [&](qreal x, qreal len) {
        p.drawLine(QPointF(x, -plate / 2), QPointF(x, plate / 2));
        QPen heavy = p.pen();
        heavy.setWidthF(heavy.widthF() * 2.2);
        p.save();
        p.setPen(heavy);
        p.drawLine(QPointF(x + len, -plate / 4), QPointF(x + len, plate / 4));
        p.restore();
    });
}

void Ground(QPainter& p, QPointF at, qreal width) {
    const QPointF top = at + QPointF(0, width * 0.35);
    p.drawLine(at, top);
    for (int k = 0; k < 3; ++k) {
        const qreal half = width / 2 * (1 - k * 0.33), y = top.y() + k * width * 0.2;
        p.drawLine(QPointF(at.x() - half, y), QPointF(at.x() + half, y));
    }
}

void Meter(QPainter& p, QPointF a, QPointF b, QChar letter, qreal radius) {
    Along(p, a, b, 2 * radius,
          [&](qreal x, qreal) { p.drawEllipse(QPointF(x + radius, 0), radius, radius); });
    const QPointF centre = (a + b) / 2;
    Label(p, centre, QString(letter), std::max(7, qRound(radius * 1.2)), true);
}

void Arrow(QPainter& p, QPointF from, QPointF to, qreal head) {
    p.drawLine(from, to);
    const QLineF back(to, from);
    p.save();
    p.setBrush(p.pen().color());
    QLineF one = QLineF::fromPolar(head, back.angle() + 25).translated(to);
    QLineF two = QLineF::fromPolar(head, back.angle() - 25).translated(to);
    p.drawPolygon(QPolygonF{to, one.p2(), two.p2()});
    p.restore();
}

void DoubleArrow(QPainter& p, QPointF a, QPointF b, qreal head) {
    const QPointF mid = (a + b) / 2;
    Arrow(p, mid, a, head);
    Arrow(p, mid, b, head);
}

void Label(QPainter& p, QPointF at, const QString& text, int pixelSize, bool bold, Qt::Alignment align) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.save();
    p.setFont(font);
    const QFontMetricsF fm(font);
    const qreal w = fm.horizontalAdvance(text), h = fm.height();
    qreal x = at.x() - w / 2, y = at.y() - h / 2;
    if (align & Qt::AlignLeft) x = at.x();
    if (align & Qt::AlignRight) x = at.x() - w;
    if (align & Qt::AlignTop) y = at.y();
    if (align & Qt::AlignBottom) y = at.y() - h;
    p.drawText(QPointF(x, y + fm.ascent()), text);
    p.restore();
}

void RingedResistor(QPainter& p, const QRectF& rect, const QVector<QColor>& rings) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = rect.height() / 2;
    p.setPen(QPen(QColor(120, 95, 60), 1));
    p.setBrush(QColor(222, 196, 150));
    p.drawRoundedRect(rect, r, r);
    // Rings spaced over the middle, the last one (tolerance) set apart as on a real part.
    const int n = rings.size();
    const qreal ringW = rect.width() * 0.07;
    for (int k = 0; k < n; ++k) {
        const bool last = k == n - 1 && n > 3;
        const qreal x = rect.left() + rect.width() * (0.2 + 0.13 * k + (last ? 0.12 : 0));
        p.setPen(Qt::NoPen);
        p.setBrush(rings[k]);
        p.drawRect(QRectF(x, rect.top() + 0.5, ringW, rect.height() - 1));
    }
    p.restore();
}

} // namespace pictures
