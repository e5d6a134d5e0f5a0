#pragma once
// Computations run under a guard that turns the floating-point unit's sticky flags into
// failures: division by zero, invalid operation and overflow raise; underflow and inexact stay silent.
#include <type_traits>
#include <utility>

namespace core {

class FloatGuard {
  public:
    FloatGuard();       // clears the flags
    void check() const; // throws ZeroDivide, InvalidOperation or Overflow when raised
};

// Runs f and raises the failure its arithmetic flagged.
template <class F> decltype(auto) Guarded(F&& f) {
    FloatGuard guard;
    if constexpr (std::is_void_v<decltype(f())>) {
        std::forward<F>(f)();
        guard.check();
    } else {
        auto result = std::forward<F>(f)();
        guard.check();
        return result;
    }
}

} // namespace core
