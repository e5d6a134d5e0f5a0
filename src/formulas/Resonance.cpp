#include "formulas/Resonance.h"

#include "formulas/Constants.h"

#include <cmath>

namespace formulas {

long double ResonantFrequency(long double henries, long double farads) {
    return 1.0L / (kTwoPi * std::sqrt(henries * farads));
}

long double ResonantProductLC(long double frequency) {
    const long double omega = frequency * kTwoPi;
    return 1.0L / (omega * omega);
}

long double TableWavelength(long double kilohertz) {
    return 300000.0L / kilohertz;
}

} // namespace formulas
