#include "pictures/resistance/ResistorPictures.h"

#include "pictures/SeriesParallel.h"

namespace pictures {

QImage ResSeriesCircuit() {
    return SeriesCircuit(Part::R, {"R1", "R2", "R3"}, "Rt", kResCircuitSize);
}

QImage ResSeriesFormula() {
    return GreenFormula(QStringLiteral("R_{t} = R_{1} + R_{2} + \\dots + R_{n}"), {241, 45}, 18);
}

QImage ResParallelCircuit() {
    return ParallelCircuit(Part::R, {"R1", "R2", "R3"}, "Rt", kResCircuitSize);
}

QImage ResParallelFormula() {
    return GreenFormula(
        QStringLiteral("\\frac{1}{R_{t}} = \\frac{1}{R_{1}} + \\frac{1}{R_{2}} \\dots + \\frac{1}{R_{n}}"),
        {161, 49}, 16);
}

QImage ConductanceFormula() {
    return GreenFormula(QStringLiteral("G = \\frac{1}{R}"), {73, 49}, 16);
}

QImage ResReciprocalFormula() {
    return GreenFormula(QStringLiteral("R_{t} = \\frac{1}{\\frac{1}{R_{1}} + \\frac{1}{R_{2}} + \\dots + "
                                       "\\frac{1}{R_{n}}}"),
                        {241, 97}, 18);
}

QImage ResTwoFormula() {
    return GreenFormula(QStringLiteral("R_{t} = \\frac{R_{1} \\times R_{2}}{R_{1} + R_{2}}"), {161, 81}, 17);
}

QImage ResEqualFormula() {
    return GreenFormula(QStringLiteral("R_{t} = \\frac{R_{1}}{2} = \\frac{R_{2}}{2}"), {145, 65}, 17);
}

} // namespace pictures
