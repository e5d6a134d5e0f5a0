#include "formulas/Impedance.h"

#include "formulas/Constants.h"

#include <cmath>

namespace formulas {

long double SeriesRLCImpedance(long double resistance, long double inductiveReactance,
                               long double capacitiveReactance) {
    const long double x = inductiveReactance - capacitiveReactance;
    return std::sqrt(resistance * resistance + x * x);
}

long double SeriesRLCPhase(long double resistance, long double inductiveReactance,
                           long double capacitiveReactance) {
    return std::atan((inductiveReactance - capacitiveReactance) / resistance) * 180.0L / kPi;
}

} // namespace formulas
