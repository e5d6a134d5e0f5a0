#include "pictures/impedance/ParalleleRL_RC_LCPictures.h"
#include "pictures/impedance/CircuitKit.h"

namespace pictures {
namespace {
const QColor kYellowPanel{0xFF, 0xFF, 0x00};
} // namespace

QImage ParallelRLCircuit() {
    return ParallelPair({161, 73}, Element::Resistor, QStringLiteral("R"), Element::Inductor,
                        QStringLiteral("L"), kYellowPanel);
}

QImage ParallelRCCircuit() {
    return ParallelPair({169, 81}, Element::Resistor, QStringLiteral("R"), Element::Capacitor,
                        QStringLiteral("C"), kYellowPanel);
}

QImage ParallelLCCircuit() {
    return ParallelPair({177, 81}, Element::Inductor, QStringLiteral("L"), Element::Capacitor,
                        QStringLiteral("C"), kYellowPanel);
}

QImage ParallelRLFormula() {
    return FormulaPlate(QStringLiteral("Z = \\frac{R X_{L}}{\\sqrt{R^{2} + X_{L}^{2}}}"), QSize(137, 65), 17);
}

QImage ParallelRCFormula() {
    return FormulaPlate(QStringLiteral("Z = \\frac{R X_{C}}{\\sqrt{R^{2} + X_{C}^{2}}}"), QSize(137, 65), 17);
}

QImage ParallelLCFormula() {
    return FormulaPlate(QStringLiteral("Z = \\frac{X_{L} X_{C}}{X_{L} - X_{C}}"), QSize(137, 65), 17);
}

QImage ParallelRLPhaseFormula() {
    return FormulaPlate(QStringLiteral("\\theta = \\arctan \\frac{R}{X_{L}}"), QSize(113, 57), 16);
}

QImage ParallelRCPhaseFormula() {
    return FormulaPlate(QStringLiteral("\\theta = -\\arctan \\frac{R}{X_{C}}"), QSize(113, 57), 16);
}

} // namespace pictures
