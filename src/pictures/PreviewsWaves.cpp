// Previews of the wave and frequency topics, and the English band table and memory aid.
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "pictures/Previews.h"
#include "pictures/Schematic.h"
#include "pictures/waves/FormFormeOndePictures.h"

namespace pictures {

namespace {

const QColor kPaleYellow(255, 255, 204), kOrange(255, 190, 90), kHeadYellow(255, 255, 0);

// One period of a sine wave, filled green, with T1 over the period, e1 and Em marked.
// Without marks, span (if any) names the double arrow under the period.
void SineDiagram(QPainter& p, const QRectF& r, bool marks, const QString& span = {}) {
    const qreal left = r.left() + 16, right = r.right() - 10;
    const qreal axis = r.center().y() + (marks ? 8 : 0), amp = r.height() * (marks ? 0.34 : 0.4);
    QPainterPath wave(QPointF(left, axis));
    for (int k = 1; k <= 96; ++k) {
        const qreal t = k / 96.0;
        wave.lineTo(left + (right - left) * t, axis - amp * std::sin(2 * M_PI * t));
    }
    QPainterPath area = wave;
    area.lineTo(right, axis);
    area.closeSubpath();
    p.fillPath(area, QColor(90, 200, 90));
    SetWirePen(p, QColor(0, 90, 0), 2);
    p.drawPath(wave);
    SetWirePen(p);
    Wire(p, {left - 8, axis}, {right + 6, axis});
    if (!marks) {
        if (span.isEmpty()) return;
        const qreal y = r.bottom() - 2;
        DoubleArrow(p, {left, y}, {right, y}, 4);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF((left + right) / 2 - 8, y - 8, 16, 16));
        p.restore();
        Label(p, {(left + right) / 2, y}, span, 13, true);
        return;
    }
    const qreal top = axis - amp - 10;
    DoubleArrow(p, {left, top}, {right, top});
    Label(p, {(left + right) / 2, top - 8}, "T1", 12, true);
    const qreal xe = left + (right - left) * 0.36; // on the falling part of the positive half
    SetWirePen(p, QColor(180, 0, 0), 1.5);
    Arrow(p, {xe, axis}, {xe, axis - amp * std::sin(2 * M_PI * 0.36)}, 5);
    const qreal xm = left + (right - left) * 0.75;
    Arrow(p, {xm, axis}, {xm, axis + amp}, 5);
    SetWirePen(p);
    Label(p, {xe - 4, axis - amp * 0.4}, "e1", 12, true, Qt::AlignRight | Qt::AlignVCenter);
    Label(p, {xm + 4, axis + amp * 0.55}, "Em", 12, true, Qt::AlignLeft | Qt::AlignVCenter);
}

// A line of the memory aid: the term in bold, then its definition (at restAt when given, to
// leave room for a link label). Returns the term's end.
qreal AidLine(QPainter& p, qreal x, qreal top, const QString& term, const QString& rest, int px,
              qreal gapAfterTerm = 0, qreal restAt = -1) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(px);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetricsF bold(font);
    const qreal baseline = top + bold.ascent();
    p.drawText(QPointF(x, baseline), term);
    const qreal end = x + bold.horizontalAdvance(term);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QPointF(restAt >= 0 ? restAt : end + gapAfterTerm, baseline), rest);
    return end;
}

struct Term {
    const char* term;
    const char* definition;
};

Sketch AidSummary(std::vector<Term> terms) {
    return [=](QPainter& p, const QRectF& r) {
        p.fillRect(r, kPaleYellow);
        p.setPen(QColor(180, 180, 120));
        p.drawRect(r);
        const qreal step = (r.height() - 6) / terms.size();
        for (size_t k = 0; k < terms.size(); ++k) {
            AidLine(p, r.left() + 5, r.top() + 3 + k * step, QString::fromUtf8(terms[k].term),
                    QString::fromUtf8(terms[k].definition), 11);
        }
    };
}

QStringList BandHeader(bool english) {
    if (english) return {"Frequency", "Designation", "Abbreviation"};
    return {QString::fromUtf8("Fréquence"), QString::fromUtf8("Désignation"),
            QString::fromUtf8("Abréviation")};
}

GridStyle BandStyle(int px) {
    return {kHeadYellow, kOrange, kOrange, px, false};
}

Sketch BandPreview(bool english) {
    return [=](QPainter& p, const QRectF& r) {
        MiniGrid(p, QRectF(r.left(), r.top(), r.width(), r.height() - 1), BandHeader(english),
                 FrequencyBands(english).mid(0, 7), BandStyle(9), {1.25, 2, 0.85});
    };
}

Sketch Period(QString span) {
    return [=](QPainter& p, const QRectF& r) { SineDiagram(p, r.adjusted(0, 2, 0, -6), false, span); };
}

} // namespace

std::vector<Topic> WaveTopics() {
    const std::vector<Term> french{
        {"Forme d'onde : ", "graphe d'une grandeur"}, {"Valeur instantané : ", "valeur à un instant (e1)"},
        {"Amplitude : ", "valeur de crête (Em)"},     {"Forme d'onde périodique : ", "se répète"},
        {"Période : ", "durée d'un cycle (T)"},       {"Cycle : ", "partie d'une période"},
        {"Fréquence : ", "cycles par seconde (f)"}};
    const std::vector<Term> english{
        {"Waveform: ", "graph of a quantity"},   {"Instantaneous value: ", "value at an instant (e1)"},
        {"Amplitude: ", "peak value (Em)"},      {"Periodic waveform: ", "repeats itself"},
        {"Period: ", "time of one cycle (T)"},   {"Cycle: ", "part in one period"},
        {"Frequency: ", "cycles per second (f)"}};
    // The memory aid and the band table have their own English files.
    return {
        {"interface/AideMemoire.bmp",
         QString::fromUtf8("Aide mémoire"),
         AidSummary(french),
         {},
         false,
         false},
        {"interface/memoryhelp_en.bmp", QStringLiteral("Memory help"), AidSummary(english), {}, false, false},
        {"interface/Onde.bmp", QString::fromUtf8("Schémas"),
         [](QPainter& p, const QRectF& r) { SineDiagram(p, r, true); }},
        {"interface/frequence.bmp", QString::fromUtf8("Fréquence"), Period("T"), {"f = \\frac{1}{T}"}},
        {"interface/Periode.bmp", QString::fromUtf8("Période"), Period("T"), {"T = \\frac{1}{f}"}},
        {"interface/LongueurOnde.bmp",
         QStringLiteral("Longueur d'onde"),
         Period(QString(QChar(0x03BB))),
         {"\\lambda = \\frac{V}{f}", "V = 299 820 000 \\text{m/s}"}},
        {"interface/BandeFrequence.bmp",
         QString::fromUtf8("Bande de fréquence"),
         BandPreview(false),
         {},
         false,
         false},
        {"interface/BandeFrequence_en.bmp",
         QStringLiteral("Allocation of frequency"),
         BandPreview(true),
         {},
         false,
         false},
        {"interface/Resonance.bmp",
         QString::fromUtf8("Résonance"),
         SourceLoop(true, {Part::L, Part::C}, {"L", "C"}),
         {"f_{0} = \\frac{1}{2 \\pi \\sqrt{L C}}"}},
        {"interface/ProduitResonance.bmp", QString::fromUtf8("Produit LC de résonance"),
         GridWithFormula({"f (kHz)", QString::fromUtf8("λ (m)"), QString::fromUtf8("LC (µH·pF)")},
                         {{"100", "2998", "2533030"},
                          {"500", "600", "101321"},
                          {"1000", "300", "25330"},
                          {"5000", "60", "1013"}},
                         GridStyle{}, "LC = \\frac{1}{(2 \\pi f)^{2}}")},
    };
}

std::vector<PictureFile> WavePreviews() {
    std::vector<PictureFile> files = ToFiles(WaveTopics());
    // The wave window's English band table and memory aid.
    files.push_back({"interface/frequencytab_en.bmp", [] { return FrequencyBandTable(true); }});
    files.push_back({"interface/waveform.bmp", [] { return MemoryAid(true); }});
    return files;
}

} // namespace pictures
