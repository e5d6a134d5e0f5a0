#include "pictures/SeriesParallel.h"
#include "pictures/Canvas.h"

#include "pictures/Formula.h"
#include "pictures/Schematic.h"

#include <QPainter>

namespace pictures {
namespace {

const QColor kCircuitYellow(0xFF, 0xFF, 0x00);
const QColor kFormulaGreen(0x00, 0xB0, 0x50);

void Terminal(QPainter& p, QPointF at) {
    p.save();
    p.setBrush(Qt::white);
    p.drawEllipse(at, 3.5, 3.5);
    p.restore();
}

// The total between a and b: a double arrow, or a meter on leads, with its name in the middle.
void MarkTotal(QPainter& p, QPointF a, QPointF b, const QString& total, TotalMark mark) {
    const QPointF middle = (a + b) / 2;
    if (mark == TotalMark::Meter) {
        const qreal radius = 13;
        const QPointF along = (b - a) / std::max(1.0, std::hypot(b.x() - a.x(), b.y() - a.y()));
        Wire(p, a, middle - along * radius);
        Wire(p, middle + along * radius, b);
        p.save();
        p.setBrush(Qt::white);
        p.drawEllipse(middle, radius, radius);
        p.restore();
        Label(p, middle, total, 11, true);
        return;
    }
    DoubleArrow(p, a, b, 5);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kCircuitYellow);
    p.drawRect(QRectF(middle.x() - 13, middle.y() - 8, 26, 16));
    p.restore();
    Label(p, middle, total, 13, true);
}

} // namespace

QImage SeriesCircuit(Part part, const QStringList& names, const QString& total, QSize size, TotalMark mark) {
    QImage image = Canvas(size, QImage::Format_RGB32);
    image.fill(kCircuitYellow);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SetWirePen(p);
    const qreal left = 10, right = size.width() - 10;
    const qreal y = size.height() * 0.40;
    const int n = int(names.size());
    const qreal lead = 8, seg = (right - left - 2 * lead) / n;
    Wire(p, {left, y}, {left + lead, y});
    Wire(p, {right - lead, y}, {right, y});
    for (int k = 0; k < n; ++k) {
        const QPointF a(left + lead + seg * k, y), b(left + lead + seg * (k + 1), y);
        DrawPart(p, part, a, b);
        Label(p, (a + b) / 2 - QPointF(0, 20), names[k], 13, true);
    }
    const qreal below = size.height() - 18;
    Wire(p, {left, y}, {left, below + 6});
    Wire(p, {right, y}, {right, below + 6});
    Terminal(p, {left, y});
    Terminal(p, {right, y});
    MarkTotal(p, {left, below}, {right, below}, total, mark);
    return image;
}

QImage ParallelCircuit(Part part, const QStringList& names, const QString& total, QSize size,
                       TotalMark mark) {
    QImage image = Canvas(size, QImage::Format_RGB32);
    image.fill(kCircuitYellow);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SetWirePen(p);
    const qreal top = 14, bottom = size.height() - 14;
    const qreal terminal = 40, right = size.width() - 32; // room for the last name
    const int n = int(names.size());
    const qreal first = terminal + 30, step = n > 1 ? (right - first) / (n - 1) : 0;
    Wire(p, {terminal, top}, {first + step * (n - 1), top});
    Wire(p, {terminal, bottom}, {first + step * (n - 1), bottom});
    for (int k = 0; k < n; ++k) {
        const qreal x = first + step * k;
        DrawPart(p, part, {x, top}, {x, bottom});
        if (k + 1 < n) {
            Junction(p, {x, top});
            Junction(p, {x, bottom});
        }
        Label(p, {x + 11, (top + bottom) / 2}, names[k], 12, true, Qt::AlignLeft | Qt::AlignVCenter);
    }
    Terminal(p, {terminal, top});
    Terminal(p, {terminal, bottom});
    const qreal across = terminal - 22;
    if (mark == TotalMark::Meter) { // the meter's leads go to the terminals
        Wire(p, {across, top}, {terminal - 3.5, top});
        Wire(p, {across, bottom}, {terminal - 3.5, bottom});
    }
    MarkTotal(p, {across, top}, {across, bottom}, total, mark);
    return image;
}

QImage GreenFormula(const QString& markup, QSize size, qreal typeSize) {
    // Transparent around the rounded corners, so the panel sits on whatever page holds it.
    QImage image = Canvas(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kFormulaGreen.darker(150), 1));
    p.setBrush(kFormulaGreen);
    p.drawRoundedRect(Area(image).adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
    p.setPen(Qt::black);
    DrawFormula(p, Area(image).adjusted(6, 3, -6, -3), markup, typeSize);
    return image;
}

} // namespace pictures
