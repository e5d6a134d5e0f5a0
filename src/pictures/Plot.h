#pragma once
// A small plotting layer drawn with QPainter: log and linear axes, 1-2-5 ticks labelled with SI
// prefixes, curves, markers. Drawn on whatever device the caller paints (a widget, a printer, an
// SVG generator), so it is crisp at any scale and prints as vectors.
#include <QColor>
#include <QRectF>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class QPalette;

namespace pictures {

// "4,7 kΩ": the value with an SI prefix (f to T) and `significant` digits, trailing zeros
// dropped when `trim`; the decimal separator as given.
QString SiText(double value, int significant, QChar decimal, const QString& unit, bool trim = false);

// 1, 2 and 5 times the powers of ten within [lo, hi] (lo > 0), in increasing order.
std::vector<double> LogTicks125(double lo, double hi);
bool IsPowerOfTen(double tick);

// A value range mapped onto a pixel range: logarithmic or linear.
class Axis {
  public:
    Axis(double lo, double hi, double from, double to, bool logarithmic);
    double Map(double value) const; // pixel
    double Unmap(double pixel) const;
    double Lo() const { return lo_; }
    double Hi() const { return hi_; }
    bool Contains(double value) const { return value >= lo_ && value <= hi_; }

  private:
    double lo_, hi_, from_, to_;
    bool log_;
};

struct PlotColours {
    QColor background, text, grid, minorGrid, magnitude, phase, marker, band, cursor;
};
// Colours that follow a palette: its base and text, curves that stand out on either a light or a
// dark base.
PlotColours PlotColoursFrom(const QPalette& palette);

// A |Z| and phase chart against a log frequency axis: two panes, one frequency axis.
struct BodeData {
    std::vector<double> frequency; // increasing, > 0
    std::vector<double> magnitude; // ohms; 0 or infinity is off the scale
    std::vector<double> phase;     // degrees
    std::optional<double> f0;
    std::optional<std::pair<double, double>> band; // the -3 dB edges
    std::optional<int> cursor;                     // a point index
};
struct BodeTexts {
    QString magnitude = QStringLiteral("|Z|");
    QString phase = QStringLiteral("θ");
    QChar decimal = QLatin1Char('.');
};

class BodeChart {
  public:
    BodeChart(const BodeData& data, const QRectF& area, const BodeTexts& texts);
    void Draw(QPainter& p, const PlotColours& colours) const;
    // The point nearest a horizontal position (for a mouse cursor); none without points.
    std::optional<int> PointAt(double x) const;
    const QRectF& MagnitudePane() const { return magPane_; }
    const QRectF& PhasePane() const { return phasePane_; }
    const Axis& Frequency() const { return fAxis_; }
    const Axis& Magnitude() const { return zAxis_; }

  private:
    void DrawCurve(QPainter& p, const std::vector<double>& values, const Axis& axis, const QRectF& pane,
                   const QColor& colour) const;

    const BodeData& data_;
    BodeTexts texts_;
    QRectF area_, magPane_, phasePane_;
    Axis fAxis_, zAxis_, phaseAxis_;
};

} // namespace pictures
