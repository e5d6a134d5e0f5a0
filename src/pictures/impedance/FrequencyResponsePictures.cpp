#include "pictures/impedance/FrequencyResponsePictures.h"

#include "pictures/Schematic.h"

#include <QPainter>
#include <vector>

namespace pictures {
namespace {

enum class Part { R, L, C };

void DrawPart(QPainter& p, Part part, QPointF a, QPointF b) {
    switch (part) {
    case Part::R:
        Resistor(p, a, b, 26);
        break;
    case Part::L:
        Inductor(p, a, b, 4, 28);
        break;
    case Part::C:
        Capacitor(p, a, b, 14);
        break;
    }
}

QString Name(Part part) {
    return part == Part::R   ? QStringLiteral("R")
           : part == Part::L ? QStringLiteral("L")
                             : QStringLiteral("C");
}

} // namespace

void DrawResponseCircuit(QPainter& p, const QRectF& rect, formulas::Topology topology, const QColor& ink) {
    using formulas::Topology;
    std::vector<Part> parts;
    if (formulas::UsesResistance(topology)) parts.push_back(Part::R);
    if (formulas::UsesInductance(topology)) parts.push_back(Part::L);
    if (formulas::UsesCapacitance(topology)) parts.push_back(Part::C);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    SetWirePen(p, ink, 1.5);
    const qreal left = rect.left() + 22, right = rect.right() - 14;
    const qreal top = rect.top() + 22, bottom = rect.bottom() - 12;
    AcSource(p, {left, top}, {left, bottom}, 11);
    const int n = int(parts.size());
    if (!formulas::IsParallel(topology)) {
        const qreal start = left + 12, step = (right - start) / n;
        Wire(p, {left, top}, {start, top});
        for (int i = 0; i < n; ++i) {
            const QPointF a(start + i * step, top), b(start + (i + 1) * step, top);
            DrawPart(p, parts[i], a, b);
            p.setPen(ink);
            Label(p, {(a.x() + b.x()) / 2, top - 14}, Name(parts[i]), 12, true);
            SetWirePen(p, ink, 1.5);
        }
        Wire(p, QVector<QPointF>{{start + n * step, top}, {right, top}, {right, bottom}, {left, bottom}});
    } else {
        const qreal first = left + 40, step = (right - first) / std::max(1, n - 1);
        Wire(p, {left, top}, {right, top});
        Wire(p, {left, bottom}, {right, bottom});
        for (int i = 0; i < n; ++i) {
            const qreal x = n == 1 ? right : first + i * step;
            DrawPart(p, parts[i], {x, top}, {x, bottom});
            if (i < n - 1) {
                Junction(p, {x, top});
                Junction(p, {x, bottom});
            }
            p.setPen(ink);
            Label(p, {x - 12, (top + bottom) / 2}, Name(parts[i]), 12, true,
                  Qt::AlignRight | Qt::AlignVCenter);
            SetWirePen(p, ink, 1.5);
        }
    }
    p.restore();
}

QImage ResponseCircuit(formulas::Topology topology, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    DrawResponseCircuit(p, QRectF(QPointF(0, 0), QSizeF(size)), topology, Qt::black);
    return image;
}

} // namespace pictures
