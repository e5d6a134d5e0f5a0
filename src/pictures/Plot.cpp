#include "pictures/Plot.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPalette>
#include <QPolygonF>
#include <algorithm>
#include <climits>
#include <cmath>

namespace pictures {
namespace {

constexpr double kMaxDecades = 10; // |Z| below this many decades under the top is off the scale

QFont PlotFont(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

bool Lighter(const QColor& c) {
    return c.lightness() >= 128;
}

} // namespace

QString SiText(double value, int significant, QChar decimal, const QString& unit, bool trim) {
    static const char* const kPrefixes[] = {"f", "p", "n", "µ", "m", "", "k", "M", "G", "T"};
    const QString space = unit.isEmpty() ? QString() : QStringLiteral(" ");
    if (value == 0 || !std::isfinite(value)) return QStringLiteral("0") + space + unit;
    int exponent = int(std::floor(std::log10(std::fabs(value)) / 3)) * 3;
    exponent = std::clamp(exponent, -15, 12);
    QString text;
    for (int pass = 0; pass < 2; ++pass) {
        const double mantissa = value / std::pow(10.0, exponent);
        // Digits before the point: none for 0.15 (a clamped prefix), one after a rounding bump.
        const int whole = pass == 1 ? 1 : int(std::floor(std::log10(std::fabs(mantissa)))) + 1;
        const int decimals = std::max(0, significant - whole);
        text = QString::number(mantissa, 'f', decimals);
        // 999.96 rounds to 1000: the next prefix up.
        if (pass == 0 && exponent < 12 && std::fabs(text.toDouble()) >= 1000) {
            exponent += 3;
            continue;
        }
        break;
    }
    if (trim && text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
    text.replace(QLatin1Char('.'), decimal);
    return text + space + QString::fromUtf8(kPrefixes[(exponent + 15) / 3]) + unit;
}

std::vector<double> LogTicks125(double lo, double hi) {
    std::vector<double> ticks;
    if (!(lo > 0) || !(hi >= lo)) return ticks;
    const double slack = 1e-9;
    for (int e = int(std::floor(std::log10(lo))); e <= int(std::ceil(std::log10(hi))); ++e)
        for (double m : {1.0, 2.0, 5.0}) {
            const double t = m * std::pow(10.0, e);
            if (t >= lo * (1 - slack) && t <= hi * (1 + slack)) ticks.push_back(t);
        }
    return ticks;
}

bool IsPowerOfTen(double tick) {
    const double l = std::log10(tick);
    return std::fabs(l - std::round(l)) < 1e-9;
}

Axis::Axis(double lo, double hi, double from, double to, bool logarithmic)
    : lo_(lo), hi_(hi), from_(from), to_(to), log_(logarithmic) {}

double Axis::Map(double value) const {
    const double t = log_ ? (std::log10(value) - std::log10(lo_)) / (std::log10(hi_) - std::log10(lo_))
                          : (value - lo_) / (hi_ - lo_);
    return from_ + t * (to_ - from_);
}

double Axis::Unmap(double pixel) const {
    const double t = (pixel - from_) / (to_ - from_);
    return log_ ? std::pow(10.0, std::log10(lo_) + t * (std::log10(hi_) - std::log10(lo_)))
                : lo_ + t * (hi_ - lo_);
}

PlotColours PlotColoursFrom(const QPalette& palette) {
    PlotColours c;
    c.background = palette.color(QPalette::Base);
    c.text = palette.color(QPalette::Text);
    const bool light = Lighter(c.background);
    c.grid = c.text;
    c.grid.setAlpha(90);
    c.minorGrid = c.text;
    c.minorGrid.setAlpha(40);
    c.magnitude = light ? QColor(0x00, 0x00, 0xC0) : QColor(0x6C, 0xC8, 0xFF);
    c.phase = light ? QColor(0xC0, 0x00, 0x00) : QColor(0xFF, 0x8C, 0x7A);
    c.marker = light ? QColor(0x00, 0x80, 0x00) : QColor(0x7C, 0xF0, 0x7C);
    c.band = c.marker;
    c.band.setAlpha(light ? 36 : 56);
    c.cursor = c.text;
    return c;
}

BodeChart::BodeChart(const BodeData& data, const QRectF& area, const BodeTexts& texts)
    : data_(data), texts_(texts), area_(area), fAxis_(1, 10, 0, 1, true), zAxis_(1, 10, 0, 1, true),
      phaseAxis_(-90, 90, 0, 1, false) {
    const double left = area.left() + 62, right = area.right() - 20;
    const double top = area.top() + 20, bottom = area.bottom() - 22;
    const double gap = 26, height = bottom - top - gap;
    magPane_ = QRectF(QPointF(left, top), QPointF(right, top + height * 0.6));
    phasePane_ = QRectF(QPointF(left, magPane_.bottom() + gap), QPointF(right, bottom));

    const double fLo = data.frequency.empty() ? 10 : data.frequency.front();
    const double fHi = data.frequency.empty() ? 1e6 : std::max(data.frequency.back(), fLo * 1.0001);
    fAxis_ = Axis(fLo, fHi, magPane_.left(), magPane_.right(), true);

    double zMin = HUGE_VAL, zMax = 0;
    for (double z : data.magnitude)
        if (std::isfinite(z) && z > 0) {
            zMin = std::min(zMin, z);
            zMax = std::max(zMax, z);
        }
    double zTop = 10, zBottom = 0.1;
    if (zMax > 0) {
        zTop = std::pow(10.0, std::ceil(std::log10(zMax) - 1e-9));
        zBottom = std::pow(10.0, std::floor(std::log10(zMin) + 1e-9));
        if (zTop <= zBottom) zTop = zBottom * 10;
        zBottom = std::max(zBottom, zTop / std::pow(10.0, kMaxDecades));
    }
    zAxis_ = Axis(zBottom, zTop, magPane_.bottom(), magPane_.top(), true);
    phaseAxis_ = Axis(-90, 90, phasePane_.bottom(), phasePane_.top(), false);
}

std::optional<int> BodeChart::PointAt(double x) const {
    if (data_.frequency.empty()) return std::nullopt;
    const double f = fAxis_.Unmap(std::clamp(x, magPane_.left(), magPane_.right()));
    const auto it = std::lower_bound(data_.frequency.begin(), data_.frequency.end(), f);
    int i = int(it - data_.frequency.begin());
    if (i >= int(data_.frequency.size())) return int(data_.frequency.size()) - 1;
    if (i > 0 && std::log(f / data_.frequency[i - 1]) < std::log(data_.frequency[i] / f)) --i;
    return i;
}

void BodeChart::DrawCurve(QPainter& p, const std::vector<double>& values, const Axis& axis,
                          const QRectF& pane, const QColor& colour) const {
    const std::size_t n = std::min(values.size(), data_.frequency.size());
    if (n == 0) return;
    const bool log = &axis == &zAxis_;
    // Off the scale (|Z| of zero or unbounded included) runs along the pane's edge.
    auto yOf = [&](double v, bool& off) {
        off = false;
        if (log && !(v > 0)) {
            off = true;
            return pane.bottom();
        }
        if (!std::isfinite(v) || v > axis.Hi()) {
            off = true;
            return pane.top();
        }
        if (v < axis.Lo()) {
            off = true;
            return pane.bottom();
        }
        return axis.Map(v);
    };
    // More points than pixels: each pixel column keeps its first, lowest, highest and last point,
    // or one point where they lie within half a pixel (the stroke's cost grows with its vertices).
    QPolygonF line;
    line.reserve(int(std::min<std::size_t>(n, std::size_t(pane.width() * 4 + 8))));
    std::vector<QPointF> offScale;
    int column = INT_MIN;
    double first = 0, low = 0, high = 0, last = 0;
    auto flush = [&] {
        if (column == INT_MIN) return;
        const double x = column + 0.5;
        if (high - low < 0.5) {
            line << QPointF(x, (first + last) / 2);
            return;
        }
        line << QPointF(x, first);
        if (low != first) line << QPointF(x, low);
        if (high != low) line << QPointF(x, high);
        if (last != high) line << QPointF(x, last);
    };
    bool wasOff = false;
    for (std::size_t i = 0; i < n; ++i) {
        bool off = false;
        const double x = fAxis_.Map(data_.frequency[i]);
        const double y = yOf(values[i], off);
        if (off && !wasOff) offScale.emplace_back(x, y);
        wasOff = off;
        const int c = int(std::floor(x));
        if (c != column) {
            flush();
            column = c;
            first = low = high = last = y;
        } else {
            low = std::min(low, y);
            high = std::max(high, y);
            last = y;
        }
    }
    flush();
    p.save();
    p.setClipRect(pane.adjusted(-1, -1, 1, 1));
    // Bevel joins: round ones cost a curve per vertex on a line of thousands.
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
    p.restore();
    // A small triangle on the edge where the curve leaves the scale.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (const QPointF& at : offScale) {
        const double d = at.y() <= pane.top() ? 1 : -1;
        QPolygonF tip;
        tip << QPointF(at.x(), at.y() - 6 * d) << QPointF(at.x() - 4, at.y()) << QPointF(at.x() + 4, at.y());
        p.drawPolygon(tip);
    }
    p.restore();
}

void BodeChart::Draw(QPainter& p, const PlotColours& colours) const {
    p.save();
    // The grid is level and upright lines: no antialiasing, which is most of a repaint's cost.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(area_, colours.background);
    const QFont small = PlotFont(10);
    const QFontMetricsF fm(small);
    p.setFont(small);

    // The grid's lines are thin filled rectangles: level and upright, they take the raster
    // engine's plain rectangle fill, where a stroked line is rasterised as a polygon (and handed
    // to its thread pool) each time. On paper they are the same 0.8-unit lines.
    std::vector<QLineF> majorLines, minorLines;

    // Frequency grid and labels, under both panes: every 1-2-5 tick labelled while they fit.
    const std::vector<double> fTicks = LogTicks125(fAxis_.Lo(), fAxis_.Hi());
    const double decades = std::log10(fAxis_.Hi() / fAxis_.Lo());
    const bool labelAllF = magPane_.width() / std::max(1.0, decades) >= 3 * 44;
    for (double t : fTicks) {
        const double x = fAxis_.Map(t);
        const bool major = IsPowerOfTen(t);
        auto& lines = major ? majorLines : minorLines;
        lines.emplace_back(QPointF(x, magPane_.top()), QPointF(x, magPane_.bottom()));
        lines.emplace_back(QPointF(x, phasePane_.top()), QPointF(x, phasePane_.bottom()));
        if (!major && !labelAllF) continue;
        const QString label = SiText(t, 3, texts_.decimal, QStringLiteral("Hz"), true);
        const double w = fm.horizontalAdvance(label);
        p.setPen(colours.text);
        p.drawText(QRectF(x - w / 2 - 2, phasePane_.bottom() + 3, w + 4, fm.height()), Qt::AlignCenter,
                   label);
    }

    // |Z| grid and labels.
    const std::vector<double> zTicks = LogTicks125(zAxis_.Lo(), zAxis_.Hi());
    const double zDecades = std::log10(zAxis_.Hi() / zAxis_.Lo());
    const bool labelAllZ = magPane_.height() / std::max(1.0, zDecades) >= 3 * (fm.height() + 2);
    const bool labelEveryDecade = magPane_.height() / std::max(1.0, zDecades) >= fm.height() + 2;
    for (double t : zTicks) {
        const double y = zAxis_.Map(t);
        const bool major = IsPowerOfTen(t);
        (major ? majorLines : minorLines)
            .emplace_back(QPointF(magPane_.left(), y), QPointF(magPane_.right(), y));
        const int e = int(std::lround(std::log10(t)));
        if (!(labelAllZ || (major && (labelEveryDecade || e % 2 == 0)))) continue;
        p.setPen(colours.text);
        p.drawText(QRectF(area_.left(), y - fm.height() / 2, magPane_.left() - area_.left() - 5, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter,
                   SiText(t, 3, texts_.decimal, QStringLiteral("Ω"), true));
    }

    // Phase grid and labels every 30 degrees.
    for (int deg = -90; deg <= 90; deg += 30) {
        const double y = phaseAxis_.Map(deg);
        (deg == 0 ? majorLines : minorLines)
            .emplace_back(QPointF(phasePane_.left(), y), QPointF(phasePane_.right(), y));
        p.setPen(colours.text);
        p.drawText(
            QRectF(area_.left(), y - fm.height() / 2, phasePane_.left() - area_.left() - 5, fm.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(deg) + QStringLiteral("°"));
    }

    auto fill = [&p](const std::vector<QLineF>& lines, const QColor& colour) {
        for (const QLineF& l : lines)
            p.fillRect(QRectF(std::min(l.x1(), l.x2()) - 0.4, std::min(l.y1(), l.y2()) - 0.4,
                              std::abs(l.dx()) + 0.8, std::abs(l.dy()) + 0.8),
                       colour);
    };
    fill(minorLines, colours.minorGrid);
    fill(majorLines, colours.grid);

    // The -3 dB band and f0, still without antialiasing: level and upright edges, and a band
    // blended through the rasteriser with soft edges cost more than the rest of the chart.
    if (data_.band) {
        const double x1 = std::max(magPane_.left(), fAxis_.Map(data_.band->first));
        const double x2 = std::min(magPane_.right(), fAxis_.Map(data_.band->second));
        if (x2 > x1) {
            p.fillRect(QRectF(x1, magPane_.top(), x2 - x1, magPane_.height()), colours.band);
            p.fillRect(QRectF(x1, phasePane_.top(), x2 - x1, phasePane_.height()), colours.band);
        }
    }
    const QFont bold = PlotFont(11, true);
    if (data_.f0 && fAxis_.Contains(*data_.f0)) {
        const double x = fAxis_.Map(*data_.f0);
        p.setPen(QPen(colours.marker, 1.2, Qt::DashLine));
        const QLineF marks[] = {{QPointF(x, magPane_.top()), QPointF(x, magPane_.bottom())},
                                {QPointF(x, phasePane_.top()), QPointF(x, phasePane_.bottom())}};
        p.drawLines(marks, 2);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setFont(bold);
        const QString label =
            QStringLiteral("f0 = ") + SiText(*data_.f0, 4, texts_.decimal, QStringLiteral("Hz"));
        const double w = QFontMetricsF(bold).horizontalAdvance(label) + 6;
        const double lx = std::clamp(x - w / 2, magPane_.left(), magPane_.right() - w);
        p.drawText(QRectF(lx, area_.top() + 2, w, 16), Qt::AlignCenter, label);
        p.setFont(small);
    }

    // Pane titles, frames and the curves.
    p.setFont(bold);
    p.setPen(colours.magnitude);
    p.drawText(QRectF(area_.left() + 4, area_.top() + 2, 56, 16), Qt::AlignLeft | Qt::AlignVCenter,
               texts_.magnitude);
    p.setPen(colours.phase);
    p.drawText(QRectF(area_.left() + 4, magPane_.bottom() + 6, 56, 16), Qt::AlignLeft | Qt::AlignVCenter,
               texts_.phase);
    p.setFont(small);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colours.text, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(magPane_);
    p.drawRect(phasePane_);
    DrawCurve(p, data_.magnitude, zAxis_, magPane_, colours.magnitude);
    DrawCurve(p, data_.phase, phaseAxis_, phasePane_, colours.phase);

    // The cursor: a line across both panes and a dot on each curve.
    if (data_.cursor && *data_.cursor >= 0 && *data_.cursor < int(data_.frequency.size())) {
        const int i = *data_.cursor;
        const double x = fAxis_.Map(data_.frequency[i]);
        p.setPen(QPen(colours.cursor, 1, Qt::DotLine));
        p.drawLine(QPointF(x, magPane_.top()), QPointF(x, magPane_.bottom()));
        p.drawLine(QPointF(x, phasePane_.top()), QPointF(x, phasePane_.bottom()));
        p.setPen(Qt::NoPen);
        const double z = data_.magnitude[i];
        if (z > 0 && std::isfinite(z) && zAxis_.Contains(z)) {
            p.setBrush(colours.magnitude);
            p.drawEllipse(QPointF(x, zAxis_.Map(z)), 3.5, 3.5);
        }
        p.setBrush(colours.phase);
        p.drawEllipse(QPointF(x, phaseAxis_.Map(data_.phase[i])), 3.5, 3.5);
    }
    p.restore();
}

} // namespace pictures
