#include "formulas/Reactance.h"

#include "formulas/Constants.h"

namespace formulas {

long double CapacitiveReactance(long double hertz, long double farads) {
    return 1.0L / (hertz * farads * 6.28L);
}

long double InductiveReactance(long double hertz, long double henries) {
    return kTwoPi * hertz * henries;
}

} // namespace formulas
