#include "pictures/waves/FormFormeOndePictures.h"
#include "pictures/Canvas.h"

#include "pictures/Formula.h"
#include "pictures/Glyphs.h"
#include "pictures/Previews.h"
#include "pictures/Schematic.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace pictures {
namespace {

const QColor kPlateGreen(0, 200, 0);
const QColor kPaleYellow(255, 255, 204);
const QColor kOrange(255, 190, 90);
const QColor kHeadYellow(255, 255, 0);
const QSize kFormulaSize(145, 89);

QImage WaveFormula(const char* markup) {
    return FormulaBox(QString::fromUtf8(markup), kFormulaSize, kPlateGreen, 30, 14);
}

// One line of the memory aid: the term in bold, then its text, from `textAt` when the line
// leaves room for a link between them, or spread to end at `endAt` when a link follows it.
void AidLine(QPainter& p, qreal top, const QString& term, const QString& text, qreal textAt = -1,
             qreal endAt = -1) {
    constexpr qreal kLeft = 8;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    const qreal baseline = top + QFontMetricsF(font).ascent();
    p.drawText(QPointF(kLeft, baseline), term);
    const qreal end = kLeft + QFontMetricsF(font).horizontalAdvance(term);
    font.setBold(false);
    const qreal start = textAt >= 0 ? textAt : end + (term.isEmpty() ? 0 : 4);
    const int blanks = text.count(QLatin1Char(' '));
    if (endAt > 0 && blanks > 0)
        font.setWordSpacing((endAt - start - QFontMetricsF(font).horizontalAdvance(text)) / blanks);
    p.setFont(font);
    p.drawText(QPointF(start, baseline), text);
}

struct AidText {
    const char* waveform[4];
    const char* instant[2];
    const char* amplitude[2];
    const char* periodic[2];
    const char* period[3];
    const char* cycle[2];
    const char* frequency[2];
};

// Row tops follow the links: "e1" ends the line at 72, "Em" the one at 96, "(T)" follows the
// period's term at 133 and "(f)" the frequency's at 195.
const AidText kFrenchAid{{"Forme d'onde :", "graphe d'une grandeur obtenu en portant sa valeur en",
                          "fonction d'une variable telle que le temps, la position, un angle en",
                          "degrés ou en radians, ou la température."},
                         {"Valeur instantané :", "valeur d'une forme d'onde à un instant, notée"},
                         {"Amplitude ou valeur de crête :", "la plus grande valeur atteinte, notée"},
                         {"Forme d'onde périodique :", "se répète sur un certain intervalle de temps."},
                         {"Période d'onde", ": intervalle de temps au bout duquel une forme",
                          "d'onde périodique se répète, mesuré entre deux points identiques."},
                         {"Cycle :", "partie d'une forme d'onde périodique contenue dans une période."},
                         {"Fréquence d'onde", ": nombre de cycles par seconde."}};
const AidText kEnglishAid{{"Waveform:", "the graph of a quantity obtained by plotting its value",
                           "against some variable, such as time, position, an angle in degrees",
                           "or radians, or temperature."},
                          {"Instantaneous value:", "the value of a waveform at an instant, written"},
                          {"Amplitude or peak value:", "the largest value of a waveform, written"},
                          {"Periodic waveform:", "repeats itself over a certain interval of time."},
                          {"Wave period", ": the interval of time over which a periodic",
                           "waveform repeats itself, measured between two identical points."},
                          {"Cycle:", "the part of a periodic waveform contained in one period."},
                          {"Wave frequency", ": the number of cycles per second."}};

} // namespace

QVector<QStringList> FrequencyBands(bool english) {
    return {{"30 - 300 Hz", "extremely low frequencies (audio)", "ELF"},
            {"20Hz - 20 kHz", "Audio Frequencies", "AF"},
            {"20 - 30 kHz", "Very Low Frequencies", "VLF"},
            {"30 - 300 kHz", "Low Frequencies", "LF"},
            {"300 - 3000 kHz", "Medium Frequencies", "MF"},
            {"3 000 - 30 000 kHz", "High Frequencies", "HF"},
            {"30 - 300 MHz", "Very High Frequencies", "VHF"},
            {"300 - 3 000 MHz", "Ultra High Frequencies", "UHF"},
            {"3 000 - 30 000 MHz", "Super High Frequencies", "SHF"},
            {"30 - 300 GHz", "Extremely High Frequencies", "EHF"},
            {"300 - 3 000 GHz",
             english ? QStringLiteral("no designation") : QStringLiteral("pas de désignation"), QString()}};
}

QImage FrequencyOfPeriodFormula() {
    return WaveFormula("f = \\frac{1}{T}");
}

QImage PeriodOfFrequencyFormula() {
    return WaveFormula("T = \\frac{1}{f}");
}

QImage WavelengthFormula() {
    return WaveFormula("\\lambda = \\frac{V}{f}");
}

QImage WaveSymbol(const QString& markup) {
    return SymbolPlate(markup, QSize(33, 17));
}

QImage FrequencyBandTable(bool english) {
    QImage image = Canvas(449, 213, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QStringList header = english
                                   ? QStringList{"Frequency", "Designation", "Abbreviation"}
                                   : QStringList{QStringLiteral("Fréquence"), QStringLiteral("Désignation"),
                                                 QStringLiteral("Abréviation")};
    MiniGrid(p, QRectF(0, 0, 448, 212), header, FrequencyBands(english),
             GridStyle{kHeadYellow, kOrange, kOrange, 12, false}, {1.2, 2, 0.9});
    return image;
}

QImage MemoryAid(bool english) {
    const AidText& t = english ? kEnglishAid : kFrenchAid;
    QImage image = Canvas(417, 217, QImage::Format_RGB32);
    image.fill(kPaleYellow);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    const auto u = [](const char* s) { return QString::fromUtf8(s); };
    constexpr qreal kLinkLeft = 341; // "e1" and "Em" stand at 344
    AidLine(p, 6, u(t.waveform[0]), u(t.waveform[1]));
    AidLine(p, 22, {}, u(t.waveform[2]));
    AidLine(p, 38, {}, u(t.waveform[3]));
    AidLine(p, 72, u(t.instant[0]), u(t.instant[1]), -1, kLinkLeft);
    AidLine(p, 96, u(t.amplitude[0]), u(t.amplitude[1]), -1, kLinkLeft);
    AidLine(p, 114, u(t.periodic[0]), u(t.periodic[1]));
    AidLine(p, 133, u(t.period[0]), u(t.period[1]), 123);
    AidLine(p, 149, {}, u(t.period[2]));
    AidLine(p, 167, u(t.cycle[0]), u(t.cycle[1]));
    AidLine(p, 195, u(t.frequency[0]), u(t.frequency[1]), 139);
    return image;
}

QImage SineWaveDiagram() {
    QImage image = Canvas(361, 177, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal left = 34, right = 334, axis = 100, amp = 58;
    const auto at = [&](qreal t) {
        return QPointF(left + (right - left) * t, axis - amp * std::sin(2 * M_PI * t));
    };
    QPainterPath wave(at(0));
    for (int k = 1; k <= 120; ++k)
        wave.lineTo(at(k / 120.0));
    QPainterPath area = wave;
    area.closeSubpath();
    p.fillPath(area, QColor(90, 200, 90));
    SetWirePen(p, QColor(0, 90, 0), 2);
    p.drawPath(wave);
    SetWirePen(p);
    Arrow(p, {left - 18, axis}, {right + 20, axis}, 5); // time axis
    Wire(p, {left, axis + 62}, {left, axis - 70});      // value axis
    // T1 spans the whole period above the wave.
    const qreal top = axis - amp - 14;
    Wire(p, {right, axis}, {right, top - 4});
    DoubleArrow(p, {left, top}, {right, top});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF((left + right) / 2 - 12, top - 8, 24, 16));
    p.setPen(Qt::black);
    Label(p, {(left + right) / 2, top}, QStringLiteral("T1"), 13, true);
    // e1: an instantaneous value on the falling part of the positive half-wave.
    const QPointF e = at(0.36);
    SetWirePen(p, QColor(180, 0, 0), 1.5);
    Arrow(p, {e.x(), axis}, e, 5);
    // Em: from the axis to the lowest point of the negative half-wave.
    const QPointF m = at(0.75);
    Arrow(p, {m.x(), axis}, m, 5);
    Label(p, {e.x() + 6, (axis + e.y()) / 2}, QStringLiteral("e1"), 13, true,
          Qt::AlignLeft | Qt::AlignVCenter);
    Label(p, {m.x() + 6, (axis + m.y()) / 2}, QStringLiteral("Em"), 13, true,
          Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

} // namespace pictures
