#include "formulas/SeriesParallel.h"

#include "formulas/Constants.h"

#include <cmath>

namespace formulas {

long double SeriesImpedance(long double resistance, long double reactance) {
    return std::sqrt(resistance * resistance + reactance * reactance);
}

long double SeriesPhase(long double resistance, long double reactance) {
    return std::atan2(reactance, resistance) * kDegreesPerRadian;
}

long double SeriesLCImpedance(long double inductiveReactance, long double capacitiveReactance) {
    return std::fabs(inductiveReactance - capacitiveReactance);
}

long double SeriesLCPhase(long double inductiveReactance, long double capacitiveReactance) {
    if (inductiveReactance > capacitiveReactance) return 90.0L;
    if (inductiveReactance < capacitiveReactance) return -90.0L;
    return 0.0L;
}

long double ParallelImpedance(long double resistance, long double reactance) {
    return resistance * reactance / std::sqrt(resistance * resistance + reactance * reactance);
}

long double ParallelRLPhase(long double resistance, long double inductiveReactance) {
    return std::atan2(resistance, inductiveReactance) * kDegreesPerRadian;
}

long double ParallelRCPhase(long double resistance, long double capacitiveReactance) {
    return -std::atan2(resistance, capacitiveReactance) * kDegreesPerRadian;
}

long double ParallelLCImpedance(long double inductiveReactance, long double capacitiveReactance) {
    return inductiveReactance * capacitiveReactance / (inductiveReactance - capacitiveReactance);
}

long double ParallelLCPhase(long double inductiveReactance, long double capacitiveReactance) {
    return -SeriesLCPhase(inductiveReactance, capacitiveReactance);
}

} // namespace formulas
