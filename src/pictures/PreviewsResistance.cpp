// Previews of the utility and resistance topics.
#include <QPainter>
#include <QPainterPath>

#include "pictures/Formula.h"
#include "pictures/Previews.h"
#include "pictures/Schematic.h"

namespace pictures {

namespace {

const QColor kYellow(255, 230, 0), kViolet(140, 40, 200), kRed(220, 20, 20), kGold(200, 160, 40);

// A converter page in miniature: the page tabs, the two unit lists and a converted value.
Sketch Converter(QStringList tabs, QString from, QString to, QString example) {
    return [=](QPainter& p, const QRectF& r) {
        qreal x = r.left();
        for (int k = 0; k < tabs.size(); ++k) {
            const QRectF tab(x, r.top(), r.width() / tabs.size() - 2, 16);
            p.fillRect(tab, k == 0 ? QColor(255, 255, 255) : QColor(210, 210, 210));
            p.setPen(QColor(90, 90, 90));
            p.drawRect(tab);
            Label(p, tab.center(), tabs[k], 10, k == 0);
            x += r.width() / tabs.size();
        }
        const qreal y = r.top() + 30;
        auto list = [&](qreal left, const QString& unit) {
            const QRectF box(left, y, 80, 18);
            p.fillRect(box, Qt::white);
            p.setPen(QColor(60, 60, 60));
            p.drawRect(box);
            Label(p, QPointF(box.left() + 6, box.center().y()), unit, 11, false,
                  Qt::AlignLeft | Qt::AlignVCenter);
            Label(p, QPointF(box.right() - 7, box.center().y()), QString(QChar(0x25BC)), 8);
        };
        list(r.left() + 8, from);
        list(r.right() - 88, to);
        SetWirePen(p, QColor(0, 0, 160), 2);
        Arrow(p, {r.left() + 98, y + 9}, {r.right() - 98, y + 9}, 8);
        const QRectF result(r.left() + 30, y + 36, r.width() - 60, 24);
        p.fillRect(result, QColor(0, 0, 160));
        p.setPen(Qt::white);
        Label(p, result.center(), example, 13, true);
        SetWirePen(p);
    };
}

// The Ohm's law wheel: four quadrants around a red hub.
void Wheel(QPainter& p, const QRectF& r) {
    const qreal radius = std::min(r.width(), r.height()) / 2 - 4;
    const QPointF c = r.center();
    const QColor quadrant[] = {QColor(255, 200, 0), QColor(0, 190, 255), QColor(120, 220, 80),
                               QColor(255, 130, 170)};
    const int start[] = {90, 0, 180, 270}; // P top left, I top right, E bottom left, R bottom right
    for (int k = 0; k < 4; ++k) {
        QPainterPath slice(c);
        slice.arcTo(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), start[k], 90);
        slice.closeSubpath();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(quadrant[k]);
        p.drawPath(slice);
    }
    const qreal hub = radius * 0.42;
    p.setBrush(kRed);
    p.drawEllipse(c, hub, hub);
    p.setPen(Qt::white);
    const char* letters[] = {"P", "I", "E", "R"};
    const QPointF offsets[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    for (int k = 0; k < 4; ++k)
        Label(p, c + offsets[k] * hub * 0.42, QString::fromLatin1(letters[k]), 13, true);
    SetWirePen(p);
}

void ColourCode(QPainter& p, const QRectF& r) {
    const qreal y = r.top() + 34;
    Wire(p, {r.left() + 10, y}, {r.right() - 10, y});
    RingedResistor(p, QRectF(r.center().x() - 60, y - 17, 120, 34), {kYellow, kViolet, kRed, kGold});
    Label(p, {r.center().x(), y + 36}, Say(QString::fromUtf8("4,7 kΩ  ± 5 %")), 15, true);
    const char* names[] = {"jaune", "violet", "rouge", "or"};
    const QColor colours[] = {kYellow, kViolet, kRed, kGold};
    for (int k = 0; k < 4; ++k) {
        const qreal x = r.left() + 22 + k * 62;
        p.fillRect(QRectF(x, r.bottom() - 22, 12, 12), colours[k]);
        p.drawRect(QRectF(x, r.bottom() - 22, 12, 12));
        Label(p, {x + 16, r.bottom() - 16}, Say(QString::fromLatin1(names[k])), 11, false,
              Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void ValueSearch(QPainter& p, const QRectF& r) {
    const QRectF box(r.left() + 40, r.top() + 4, 90, 20);
    p.drawRect(box);
    Label(p, box.center(), QStringLiteral("4700"), 13, true);
    Label(p, {box.right() + 8, box.center().y()}, Say(QString::fromUtf8("Ω  (4 anneaux)")), 12, false,
          Qt::AlignLeft | Qt::AlignVCenter);
    const char* digits[] = {"4", "7", "x100", "5 %"};
    const char* names[] = {"Jaune", "Violet", "Rouge", "Or"};
    const QColor colours[] = {kYellow, kViolet, kRed, kGold};
    for (int k = 0; k < 4; ++k) {
        const QPointF c(r.left() + 32 + k * 62, r.top() + 62);
        p.setBrush(colours[k]);
        p.drawEllipse(c, 20, 20);
        p.setBrush(Qt::NoBrush);
        p.setPen(k == 1 || k == 2 ? Qt::white : Qt::black);
        Label(p, c, QString::fromLatin1(digits[k]), 12, true);
        SetWirePen(p);
        Label(p, c + QPointF(0, 32), Say(QString::fromLatin1(names[k])), 11);
    }
}

void Conductor(QPainter& p, const QRectF& r) {
    const qreal y = r.top() + 40, left = r.left() + 8, right = r.right() - 26, h = 22;
    QLinearGradient copper(0, y - h / 2, 0, y + h / 2);
    copper.setColorAt(0, QColor(250, 190, 140));
    copper.setColorAt(0.5, QColor(205, 115, 50));
    copper.setColorAt(1, QColor(130, 60, 20));
    p.setPen(QPen(QColor(100, 50, 20), 1));
    p.setBrush(copper);
    p.drawRect(QRectF(left, y - h / 2, right - left, h));
    p.setBrush(QColor(230, 150, 90));
    p.drawEllipse(QRectF(right - h * 0.3, y - h / 2, h * 0.6, h));
    SetWirePen(p);
    Label(p, {right + 4, y - h / 2 - 10}, QStringLiteral("A"), 14, true);
    DoubleArrow(p, {left, y + 24}, {right, y + 24});
    Label(p, {(left + right) / 2, y + 36}, QStringLiteral("L"), 14, true);
}

Topic Series() {
    return {"interface/SerieParal.bmp",
            QString::fromUtf8("Résistance en SÉRIE"),
            SeriesChain(Part::R, {"R1", "R2", "R3"}, "Rt"),
            {"R_{t} = R_{1} + R_{2} + R_{3} + \\dots + R_{n}"},
            true};
}

void OtherFormulas(QPainter& p, const QRectF& r) {
    FormulaPanel(p, QRectF(r.left() + 20, r.top(), r.width() - 40, 60),
                 "R_{t} = \\frac{1}{\\frac{1}{R_{1}} + \\frac{1}{R_{2}} + \\dots + \\frac{1}{R_{n}}}", 16);
    const qreal w = (r.width() - 10) / 2;
    FormulaPanel(p, QRectF(r.left(), r.top() + 66, w, 52),
                 "R_{t} = \\frac{R_{1} \\times R_{2}}{R_{1} + R_{2}}", 15);
    FormulaPanel(p, QRectF(r.left() + w + 10, r.top() + 66, w, 52), "R_{t} = \\frac{R_{1}}{2}", 15);
}

QStringList E24Row(int row) {
    static const char* const e24[] = {"1",   "1,1", "1,2", "1,3", "1,5", "1,6", "1,8", "2",
                                      "2,2", "2,4", "2,7", "3",   "3,3", "3,6", "3,9", "4,3",
                                      "4,7", "5,1", "5,6", "6,2", "6,8", "7,5", "8,2", "9,1"};
    QStringList cells;
    for (int col = 0; col < 6; ++col)
        cells << QString::fromLatin1(e24[col * 4 + row]);
    return cells;
}

} // namespace

std::vector<Topic> UtilityTopics() {
    // The converter has its own English file; the memory device has no French words.
    return {
        {"interface/Convertion.bmp",
         QStringLiteral("Convertisseur"),
         Converter({"Courant", "Puissance", QString::fromUtf8("Résistance")}, "mA", "A", "1 mA = 0,001 A"),
         {},
         false,
         false},
        {"interface/Convertion_en.bmp",
         QStringLiteral("Conversion"),
         Converter({"Current", "Power", "Resistance"}, "mA", "A", "1 mA = 0.001 A"),
         {},
         false,
         false},
        {"interface/MemoryDevice.bmp",
         QStringLiteral("Memory device"),
         Wheel,
         {"E = R \\times I", "I = \\frac{E}{R}", "P = E \\times I"},
         false,
         false},
    };
}

std::vector<PictureFile> UtilityPreviews() {
    return ToFiles(UtilityTopics());
}

std::vector<PictureFile> ResistancePreviews() {
    return ToFiles(ResistanceTopics());
}

std::vector<Topic> ResistanceTopics() {
    GridStyle eia{QColor(255, 255, 0), QColor(255, 255, 0), QColor(255, 255, 0), 11, true};
    GridStyle table;
    return {
        {"interface/resistance2.bmp", QString::fromUtf8("Code de résistance"), ColourCode},
        {"interface/ValRec.bmp", QString::fromUtf8("Valeur recherchée"), ValueSearch},
        {"interface/Annexe_Res.bmp", QStringLiteral("Standard de EIA (Ohms)"),
         GridWithFormula(E24Row(0), {E24Row(1), E24Row(2), E24Row(3)}, eia)},
        {"interface/ResCable.bmp",
         QString::fromUtf8("Résistance d'un conducteur"),
         Conductor,
         {"R = \\rho \\frac{L}{A}"}},
        Series(),
        {"interface/ResPara.bmp",
         QString::fromUtf8("Résistance en PARALLÈLE"),
         ParallelBank(Part::R, {"R1", "R2", "R3"}, "Rt"),
         {"\\frac{1}{R_{t}} = \\frac{1}{R_{1}} + \\frac{1}{R_{2}} + \\dots", "G = \\frac{1}{R}"},
         true},
        {"interface/Autformule.bmp", QStringLiteral("Autres formules"), OtherFormulas},
        {"interface/TableurSP.bmp", QString::fromUtf8("Tableur PARALLÈLE (Ohms)"),
         GridWithFormula({"", "10", "22", "47", "100", "220"},
                         {{"10", "5", "6,9", "8,2", "9,1", "9,6"},
                          {"22", "6,9", "11", "15", "18", "20"},
                          {"47", "8,2", "15", "23,5", "32", "38,7"},
                          {"100", "9,1", "18", "32", "50", "68,8"}},
                         table, "R_{t} = \\frac{R_{1} R_{2}}{R_{1} + R_{2}}")},
    };
}

} // namespace pictures
