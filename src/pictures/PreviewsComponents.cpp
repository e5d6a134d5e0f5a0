// Previews of the capacitance and inductance topics.
#include "core/Numbers.h"
#include "formulas/Reactance.h"
#include "pictures/Previews.h"
#include "pictures/Schematic.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace pictures {

namespace {

const QColor kCopper(190, 100, 40);

void SeriesFormulas(QPainter& p, const QRectF& r) {
    FormulaPanel(p, QRectF(r.left() + 20, r.top(), r.width() - 40, 60),
                 "C_{t} = \\frac{1}{\\frac{1}{C_{1}} + \\frac{1}{C_{2}} + \\dots}", 16);
    const qreal w = (r.width() - 10) / 2;
    FormulaPanel(p, QRectF(r.left(), r.top() + 66, w, 52),
                 "C_{t} = \\frac{C_{1} \\times C_{2}}{C_{1} + C_{2}}", 15);
    FormulaPanel(p, QRectF(r.left() + w + 10, r.top() + 66, w, 52), "C_{t} = \\frac{C_{1}}{2}", 15);
}

// An air-core coil seen from the side: turns over a cylinder, its diameter d and length l.
void Cylinder(QPainter& p, const QRectF& r) {
    const qreal left = r.left() + 22, right = r.right() - 12, top = r.top() + 20, h = 46;
    p.fillRect(QRectF(left, top, right - left, h), QColor(235, 235, 235));
    SetWirePen(p, kCopper, 2);
    const int turns = 8;
    const qreal step = (right - left) / turns;
    for (int k = 0; k < turns; ++k) {
        const qreal x = left + step * (k + 0.5);
        p.drawLine(QPointF(x - step * 0.25, top), QPointF(x + step * 0.25, top + h));
    }
    Wire(p, {left + step * 0.25, top}, {left - 10, top - 10});
    Wire(p, {right - step * 0.25, top + h}, {right + 4, top + h + 8});
    SetWirePen(p);
    DoubleArrow(p, {r.left() + 8, top}, {r.left() + 8, top + h}, 4);
    Label(p, {r.left() + 14, top + h / 2}, "d", 13, true, Qt::AlignLeft | Qt::AlignVCenter);
    DoubleArrow(p, {left, top + h + 18}, {right, top + h + 18}, 4);
    Label(p, {(left + right) / 2, top + h + 30}, "l", 13, true);
    Label(p, {(left + right) / 2, top - 10}, Say("N spires"), 11);
}

// A ring core with its winding, exterior diameter a and interior diameter b.
void Toroid(QPainter& p, const QRectF& r) {
    const QPointF c(r.center().x(), r.top() + 52);
    const qreal outer = 44, inner = 24;
    QPainterPath ring;
    ring.addEllipse(c, outer, outer);
    ring.addEllipse(c, inner, inner);
    p.fillPath(ring, QColor(225, 225, 225));
    p.drawPath(ring);
    SetWirePen(p, kCopper, 1.8);
    for (int k = 0; k < 18; ++k) {
        const qreal angle = k * 2 * M_PI / 18;
        const QPointF dir(std::cos(angle), std::sin(angle));
        p.drawLine(c + dir * inner, c + dir * (outer + 3));
    }
    SetWirePen(p);
    DoubleArrow(p, {c.x() - outer, c.y() + outer + 10}, {c.x() + outer, c.y() + outer + 10}, 4);
    Label(p, {c.x(), c.y() + outer + 20}, "a", 13, true);
    DoubleArrow(p, {c.x() - inner, c.y()}, {c.x() + inner, c.y()}, 4);
    Label(p, {c.x(), c.y() - 9}, "b", 13, true);
}

// A coaxial cable in cross-section: inner conductor d inside the outer conductor D.
void Coax(QPainter& p, const QRectF& r) {
    const QPointF c(r.center().x(), r.center().y() - 4);
    p.setBrush(QColor(160, 160, 160));
    p.drawEllipse(c, 48, 48);
    p.setBrush(QColor(255, 255, 210));
    p.drawEllipse(c, 40, 40);
    p.setBrush(kCopper);
    p.drawEllipse(c, 10, 10);
    p.setBrush(Qt::NoBrush);
    DoubleArrow(p, {c.x() - 40, c.y() + 24}, {c.x() + 40, c.y() + 24}, 4);
    Label(p, {c.x(), c.y() + 34}, "D", 13, true);
    DoubleArrow(p, {c.x() - 10, c.y() - 16}, {c.x() + 10, c.y() - 16}, 3);
    Label(p, {c.x(), c.y() - 27}, "d", 13, true);
}

// A source on the loop marked with its frequency f.
Sketch SourceWithF(QVector<Part> parts, QStringList names) {
    const Sketch loop = SourceLoop(true, parts, names);
    return [=](QPainter& p, const QRectF& r) {
        loop(p, r);
        Label(p, {r.left() + 36, r.center().y() + 4}, "f", 13, true);
    };
}

// The miniature tables are computed by the same formulas as the windows, so they agree with them.
const core::Separators kFrench{QLatin1Char(','), QLatin1Char(' ')};

QString Shown(long double value) {
    return core::FormatNumber(value, core::FloatFormat::General, 15, 0, kFrench);
}

QStringList Headings(const char* corner, std::initializer_list<long double> across) {
    QStringList row{QString::fromUtf8(corner)};
    for (long double v : across)
        row << Shown(v);
    return row;
}

QVector<QStringList> Cells(std::initializer_list<long double> down, std::initializer_list<long double> across,
                           long double (*formula)(long double, long double)) {
    QVector<QStringList> rows;
    for (long double d : down) {
        QStringList row{Shown(d)};
        for (long double a : across)
            row << Shown(std::round(formula(d, a)));
        rows << row;
    }
    return rows;
}

} // namespace

std::vector<PictureFile> CapacitancePreviews() {
    return ToFiles(CapacitanceTopics());
}

std::vector<PictureFile> InductancePreviews() {
    return ToFiles(InductanceTopics());
}

std::vector<Topic> CapacitanceTopics() {
    GridStyle types{QColor(255, 160, 60), QColor(150, 230, 150), QColor(150, 230, 150), 9, false};
    GridStyle table;
    return {
        {"interface/CondSerieParal.bmp",
         QString::fromUtf8("Condensateur en SÉRIE"),
         SeriesChain(Part::C, {"C1", "C2", "C3"}, "Ct"),
         {"\\frac{1}{C_{t}} = \\frac{1}{C_{1}} + \\frac{1}{C_{2}} + \\dots + \\frac{1}{C_{n}}"},
         true},
        {"interface/CondPara.bmp",
         QString::fromUtf8("Condensateur en PARALLÈLE"),
         ParallelBank(Part::C, {"C1", "C2", "C3"}, "Ct"),
         {"C_{t} = C_{1} + C_{2} + \\dots + C_{n}"},
         true},
        {"interface/CondType.bmp", QStringLiteral("Tableau de type"),
         GridWithFormula({"TYPE", "CAPACITANCE", "VOLTAGE"},
                         {{"Ceramic", "1 pF - 2.2 uF", "3.3 V - 6 kV"},
                          {"Mica", "1 pF - 0.1 uF", "100 - 2500 V"},
                          {"Glass", "0.5 - 10 000 pF", "100 - 500 V"},
                          {"Polyester", "0.001 - 100 uF", "Max 1 500 V"},
                          {"Tantalum", "0.001 - 1 000 uF", "6 - 120 V"},
                          {"Electrolytic", "1 - 2 200 uF", "16 - 450 V"}},
                         types)},
        {"interface/AutreFormCSerie.bmp", QStringLiteral("Autres formules"), SeriesFormulas},
        {"interface/CondSerie.bmp", QString::fromUtf8("Tableur SÉRIE (deux condensateurs)"),
         GridWithFormula({"", "1", "1,5", "2,2", "3,3", "4,7"},
                         {{"1", "0,5", "0,6", "0,688", "0,767", "0,825"},
                          {"1,5", "0,6", "0,75", "0,892", "1,031", "1,137"},
                          {"2,2", "0,688", "0,892", "1,1", "1,32", "1,499"},
                          {"3,3", "0,767", "1,031", "1,32", "1,65", "1,939"}},
                         table, "C_{t} = \\frac{C_{1} C_{2}}{C_{1} + C_{2}}")},
        {"interface/ReactanceCap.bmp",
         QStringLiteral("Réactance Capacitive"),
         SourceWithF({Part::C}, {"C"}),
         {"X_{c} = \\frac{1}{2 \\pi f C}"}},
        {"interface/TabReactCap.bmp", QString::fromUtf8("Tableur de la réactance capacitive"),
         GridWithFormula(Headings("Hz \\ uF", {0.25L, 0.5L, 1, 2}),
                         Cells({25, 50, 100, 1000}, {0.25L, 0.5L, 1, 2},
                               [](long double hz, long double uF) {
                                   return formulas::CapacitiveReactance(hz, uF / 1000000.0L);
                               }),
                         table, "X_{c} = \\frac{1}{2 \\pi f C}")},
    };
}

std::vector<Topic> InductanceTopics() {
    GridStyle table;
    return {
        {"interface/Cylindrique.bmp",
         QStringLiteral("Inductance (bobine cylindrique)"),
         Cylinder,
         {"L = \\frac{2,2 d^{2} N^{2}}{d + 2,2 l}"}},
        {"interface/Toroidale.bmp",
         QStringLiteral("Inductance (bobine toroidale)"),
         Toroid,
         {"L = 0,314 N^{2}", "\\times (\\sqrt{a} - \\sqrt{b})^{2}"}},
        {"interface/Coaxial.bmp",
         QString::fromUtf8("Inductance (câble coaxial)"),
         Coax,
         {"L = 0,46 l \\log\\frac{1,28 D}{d}"}},
        {"interface/IndSerie.bmp",
         QString::fromUtf8("Inductance Série"),
         SeriesChain(Part::L, {"L1", "L2", "L3"}, "Lt"),
         {"L_{t} = L_{1} + L_{2} + L_{3} + \\dots + L_{n}"},
         true},
        {"interface/IndPara.bmp",
         QString::fromUtf8("Inductance Parallèle"),
         ParallelBank(Part::L, {"L1", "L2", "L3"}, "Lt"),
         {"\\frac{1}{L_{t}} = \\frac{1}{L_{1}} + \\frac{1}{L_{2}} + \\dots + \\frac{1}{L_{n}}"},
         true},
        {"interface/ReacInd.bmp",
         QStringLiteral("Réactance inductive"),
         SourceWithF({Part::L}, {"L"}),
         {"X_{L} = 2 \\pi f \\times L"}},
        {"interface/TabReactance.bmp", QString::fromUtf8("Tableur de la réactance inductive"),
         GridWithFormula(Headings("kHz \\ mH", {10, 50, 100}),
                         Cells({1, 10, 100}, {10, 50, 100},
                               [](long double kHz, long double mH) {
                                   return formulas::InductiveReactance(kHz * 1000.0L, mH / 1000.0L);
                               }),
                         table, "X_{L} = 2 \\pi f L")},
        {"interface/ConsTempRL.bmp",
         QStringLiteral("Constante de temp RL"),
         SourceLoop(false, {Part::R, Part::L}, {"R", "L"}),
         {"t = \\frac{L}{R}"}},
        {"interface/TabRL.bmp", QStringLiteral("Tableur de la constante RL (s)"),
         GridWithFormula({"Ohms \\ H", "0,1", "1", "10"},
                         {{"10", "0,01", "0,1", "1"},
                          {"100", "0,001", "0,01", "0,1"},
                          {"1000", "0,0001", "0,001", "0,01"}},
                         table, "t = \\frac{L}{R}")},
        {"interface/ConsTempRC.bmp",
         QStringLiteral("Constante de temp RC"),
         SourceLoop(false, {Part::R, Part::C}, {"R", "C"}),
         {"t = R \\times C"}},
        {"interface/TabConstTempRC.bmp", QStringLiteral("Tableur de la constante RC (s)"),
         GridWithFormula(
             {QString::fromUtf8("kΩ \\ uF"), "1", "10", "100"},
             {{"1", "0,001", "0,01", "0,1"}, {"10", "0,01", "0,1", "1"}, {"100", "0,1", "1", "10"}}, table,
             "t = R \\times C")},
    };
}

} // namespace pictures
