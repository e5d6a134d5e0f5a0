#include "formulas/TimeConstants.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

// Values worked out by hand.
TEST(TimeConstantFormulas, AgreeWithIndependentValues) {
    const struct {
        std::string what;
        long double got, expected;
    } rows[] = {
        {"RL 1 H 1 kOhms", formulas::RLTimeConstant(1, 1000), 0.001L},
        {"RL 10 mH 47 Ohms", formulas::RLTimeConstant(0.01L, 47), 0.000212765957446808510638298L},
        {"RC 1 kOhms 1 uF", formulas::RCTimeConstant(1000, 1e-6L), 0.001L},
        {"RC 4.7 kOhms 2.2 uF", formulas::RCTimeConstant(4700, 2.2e-6L), 0.01034L},
    };
    for (const auto& r : rows)
        EXPECT_NEAR(double(r.got), double(r.expected), std::fabs(double(r.expected)) * 1e-15) << r.what;
}

} // namespace
