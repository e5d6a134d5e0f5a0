#include "formulas/TimeConstants.h"
#include "FormulaRows.h"

#include <gtest/gtest.h>

namespace {

// Values worked out by hand.
TEST(TimeConstantFormulas, AgreeWithIndependentValues) {
    ExpectRows({
        {"RL 1 H 1 kOhms", formulas::RLTimeConstant(1, 1000), 0.001L},
        {"RL 10 mH 47 Ohms", formulas::RLTimeConstant(0.01L, 47), 0.000212765957446808510638298L},
        {"RC 1 kOhms 1 uF", formulas::RCTimeConstant(1000, 1e-6L), 0.001L},
        {"RC 4.7 kOhms 2.2 uF", formulas::RCTimeConstant(4700, 2.2e-6L), 0.01034L},
    });
}

} // namespace
