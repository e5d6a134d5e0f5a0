#include "formulas/TimeConstants.h"

namespace formulas {

long double RLTimeConstant(long double henries, long double ohms) {
    return henries / ohms;
}

long double RCTimeConstant(long double ohms, long double farads) {
    return ohms * farads;
}

} // namespace formulas
