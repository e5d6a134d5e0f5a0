#include "formulas/RunningTotals.h"

namespace formulas {

long double AddedValue(long double total, long double value) {
    return total + value;
}

long double AddedReciprocal(long double inverseSum, long double value) {
    return 1.0L / value + inverseSum;
}

long double Reciprocal(long double value) {
    return 1.0L / value;
}

} // namespace formulas
