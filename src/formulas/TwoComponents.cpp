#include "formulas/TwoComponents.h"

namespace formulas {

long double SeriesCapacitance(long double a, long double b) {
    return 1.0L / (1.0L / b + 1.0L / a);
}

long double ParallelResistance(long double r1, long double r2) {
    return r1 * r2 / (r1 + r2);
}

} // namespace formulas
