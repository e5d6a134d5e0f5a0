#include "core/FloatGuard.h"
#include "core/Failure.h"
#include <cfenv>

namespace core {

FloatGuard::FloatGuard() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void FloatGuard::check() const {
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    std::feclearexcept(FE_ALL_EXCEPT);
    // An invalid operation (0/0) may also flag division by zero on some units: invalid wins.
    if (raised & FE_INVALID) throw InvalidOperation();
    if (raised & FE_DIVBYZERO) throw ZeroDivide();
    if (raised & FE_OVERFLOW) throw Overflow();
}

} // namespace core
