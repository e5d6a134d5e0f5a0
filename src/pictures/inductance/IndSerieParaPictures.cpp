#include "pictures/inductance/IndSerieParaPictures.h"

#include "pictures/Glyphs.h"
#include "pictures/SeriesParallel.h"

namespace pictures {

QImage IndSeriesCircuit() {
    return SeriesCircuit(Part::L, {"L1", "L2"}, "Lt", {177, 121}, TotalMark::Meter);
}

QImage IndSeriesFormula() {
    return GreenFormula(QStringLiteral("L_{t} = L_{1} + L_{2} + L_{3} + \\dots"), {185, 31}, 16);
}

QImage IndParallelCircuit() {
    return ParallelCircuit(Part::L, {"L1", "L2"}, "Lt", {153, 121}, TotalMark::Meter);
}

QImage IndParallelFormula() {
    return GreenFormula(QStringLiteral("L_{t} = \\frac{1}{\\frac{1}{L_{1}} + \\frac{1}{L_{2}} + \\dots + "
                                       "\\frac{1}{L_{n}}}"),
                        {181, 77}, 17);
}

QImage LtSymbol(QSize size) {
    return LegendSymbol(QStringLiteral("L_{t} ="), size);
}

} // namespace pictures
