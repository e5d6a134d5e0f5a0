// Previews of the impedance topics.
#include <QPainter>

#include "pictures/Previews.h"
#include "pictures/Schematic.h"

namespace pictures {

namespace {

// The vector relation of a series RL circuit: R along, X up, Z the hypotenuse at angle theta.
void VectorTriangle(QPainter& p, const QRectF& r) {
    const QPointF o(r.left() + 14, r.bottom() - 22), rEnd(r.right() - 22, o.y());
    const QPointF xEnd(rEnd.x(), r.top() + 12);
    SetWirePen(p, QColor(0, 0, 170), 2);
    Arrow(p, o, rEnd, 7);
    SetWirePen(p, QColor(200, 0, 0), 2);
    Arrow(p, rEnd, xEnd, 7);
    SetWirePen(p, QColor(0, 120, 0), 2);
    Arrow(p, o, xEnd, 7);
    SetWirePen(p);
    p.drawArc(QRectF(o.x() - 26, o.y() - 26, 52, 52), 0, 16 * 33);
    Label(p, (o + rEnd) / 2 + QPointF(0, 11), "R", 13, true);
    Label(p, (rEnd + xEnd) / 2 + QPointF(11, 0), "X", 13, true);
    Label(p, (o + xEnd) / 2 + QPointF(-9, -9), "Z", 13, true);
    Label(p, o + QPointF(36, -8), QString(QChar(0x03B8)), 13, true);
}

} // namespace

std::vector<PictureFile> ImpedancePreviews() {
    return ToFiles(ImpedanceTopics());
}

std::vector<Topic> ImpedanceTopics() {
    GridStyle table;
    return {
        {"interface/ImpSerieRLRC.bmp",
         QString::fromUtf8("Circuits séries RL et RC"),
         VectorTriangle,
         {"Z = \\sqrt{R^{2} + X^{2}}", "\\theta = \\arctan\\frac{X}{R}"}},
        {"interface/ImpSerieRLC.bmp",
         QString::fromUtf8("Circuits séries RLC"),
         SourceLoop(true, {Part::R, Part::L, Part::C}, {"R", "L", "C"}),
         {"Z = \\sqrt{R^{2} + (X_{L} - X_{C})^{2}}", "\\theta = \\arctan\\frac{X_{L} - X_{C}}{R}"}},
        {"interface/TabImpSerie.bmp", QString::fromUtf8("Tableur de l'impédance série (Ohms)"),
         GridWithFormula({"X \\ R", "10", "20", "50", "100"},
                         {{"10", "14,1", "22,4", "51", "100,5"},
                          {"20", "22,4", "28,3", "53,9", "102"},
                          {"50", "51", "53,9", "70,7", "111,8"}},
                         table, "Z = \\sqrt{R^{2} + X^{2}}")},
        {"interface/ImpSerieLC.bmp",
         QString::fromUtf8("Circuits séries LC"),
         SourceLoop(true, {Part::L, Part::C}, {"L", "C"}),
         {"Z = X_{L} - X_{C}"}},
        {"interface/ImpParaRLC.bmp",
         QString::fromUtf8("Circuits parallèles RL"),
         SourceParallel({Part::R, Part::L}, {"R", "L"}),
         {"Z = \\frac{R X_{L}}{\\sqrt{R^{2} + X_{L}^{2}}}", "\\theta = \\arctan\\frac{R}{X_{L}}"}},
        {"interface/ImpParaRC.bmp",
         QString::fromUtf8("Circuits parallèles RC"),
         SourceParallel({Part::R, Part::C}, {"R", "C"}),
         {"Z = \\frac{R X_{C}}{\\sqrt{R^{2} + X_{C}^{2}}}", "\\theta = -\\arctan\\frac{R}{X_{C}}"}},
        {"interface/ImpParaLC.bmp",
         QString::fromUtf8("Circuits parallèles LC"),
         SourceParallel({Part::L, Part::C}, {"L", "C"}),
         {"Z = \\frac{X_{L} X_{C}}{X_{L} - X_{C}}"}},
    };
}

} // namespace pictures
