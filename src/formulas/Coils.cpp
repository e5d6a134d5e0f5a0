#include "formulas/Coils.h"

#include <cmath>

namespace formulas {

long double ToroidInductance(long double turns, long double outerMetres, long double innerMetres) {
    const long double difference = std::sqrt(outerMetres) - std::sqrt(innerMetres);
    return difference * difference * (turns * turns * 0.314L);
}

} // namespace formulas
