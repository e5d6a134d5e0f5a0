#include "pictures/capacitance/CondensorPictures.h"
#include "pictures/Canvas.h"

#include "pictures/SeriesParallel.h"

#include <QPainter>

namespace pictures {

QImage CondSeriesCircuit() {
    return SeriesCircuit(Part::C, {"C1", "C2", "C3"}, "Ct", {241, 121});
}

QImage CondSeriesFormula() {
    return GreenFormula(
        QStringLiteral("\\frac{1}{C_{t}} = \\frac{1}{C_{1}} + \\frac{1}{C_{2}} + \\dots + \\frac{1}{C_{n}}"),
        {177, 65}, 16);
}

QImage CondParallelCircuit() {
    return ParallelCircuit(Part::C, {"C1", "C2", "C3"}, "Ct", {193, 113});
}

QImage CondParallelFormula() {
    return GreenFormula(QStringLiteral("C_{t} = C_{1} + C_{2} + \\dots + C_{n}"), {169, 41}, 16);
}

QImage CapacitorTypesTable() {
    QImage image = Canvas(329, 193, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    GridStyle style{QColor(0xFF, 0x99, 0x33), QColor(0x99, 0xE6, 0x99), QColor(0x99, 0xE6, 0x99), 11, false};
    MiniGrid(p, QRectF(0, 0, 328, 192), {"TYPE", "CAPACITANCE", "VOLTAGE"},
             {{"Ceramic", "1 pF - 2.2 uF", "3.3 V - 6 kV"},
              {"Ceramic chip", "10 pF - 0.18 uF", ""},
              {"Mica", "1 pF - 0.1 uF", "100 - 2500 V"},
              {"Mica chip", "1 pF - 10 000 pF", "< 500 V"},
              {"Glass", "0.5 - 10 000 pF", "100 - 500 V"},
              {"Polycarbonate", "Max 50 uF", "1 kV"},
              {"Polyester", "0.001 - 100 uF", "Max 1 500 V"},
              {"Polypropylene", QString::fromUtf8("jusqu'à 10 uF"), "400 V"},
              {"Tantalum", "0.001 - 1 000 uF", "6 - 120 V"},
              {"Electrolytic", "1 - 2 200 uF", "16 - 450 V"}},
             style, {1.0, 1.1, 1.0});
    return image;
}

QImage CondReciprocalFormula() {
    return GreenFormula(
        QStringLiteral("C_{t} = \\frac{1}{\\frac{1}{C_{1}} + \\frac{1}{C_{2}} + \\frac{1}{C_{3}} + \\dots}"),
        {201, 97}, 18);
}

QImage CondTwoFormula() {
    return GreenFormula(QStringLiteral("C_{t} = \\frac{C_{1} \\times C_{2}}{C_{1} + C_{2}}"), {113, 73}, 15);
}

QImage CondEqualFormula() {
    return GreenFormula(QStringLiteral("C_{t} = \\frac{C_{1}}{2}"), {73, 57}, 15);
}

} // namespace pictures
