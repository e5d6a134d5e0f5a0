#include "formulas/SeriesParallel.h"
#include "FormulaRows.h"
#include "core/Failure.h"
#include "core/FloatGuard.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace formulas;

// Worked out by hand: 3-4-5 triangles, 100 / sqrt 2, arctan(4/3) = 53.1301023541559787 degrees.
TEST(SeriesParallel, AgreeWithIndependentValues) {
    const long double atan43 = 53.13010235415597870L, atan34 = 36.86989764584402130L;
    ExpectRows({
        {"series 3 4 Z", SeriesImpedance(3, 4), 5},
        {"series 3 4 theta", SeriesPhase(3, 4), atan43},
        {"series R = X theta", SeriesPhase(7, 7), 45},
        {"series R = 0 theta", SeriesPhase(0, 10), 90},
        {"series X = 0 theta", SeriesPhase(10, 0), 0},
        {"series nothing", SeriesPhase(0, 0), 0},
        {"series 5 12 Z", SeriesImpedance(5, 12), 13},
        {"LC 100 40 Z", SeriesLCImpedance(100, 40), 60},
        {"LC 40 100 Z", SeriesLCImpedance(40, 100), 60},
        {"LC 40 100 theta", SeriesLCPhase(40, 100), -90},
        {"LC 100 40 theta", SeriesLCPhase(100, 40), 90},
        {"LC equal theta", SeriesLCPhase(50, 50), 0},
        {"LC equal Z", SeriesLCImpedance(50, 50), 0},
        {"para RL 100 100 Z", ParallelImpedance(100, 100), 70.71067811865475244L},
        {"para RL 100 100 theta", ParallelRLPhase(100, 100), 45},
        {"para RL 3 4 Z", ParallelImpedance(3, 4), 2.4L},
        {"para RL 3 4 theta", ParallelRLPhase(3, 4), atan34},
        {"para RL XL = 0 theta", ParallelRLPhase(5, 0), 90},
        {"para RL R = 0 Z", ParallelImpedance(0, 5), 0},
        {"para RC 3 4 theta", ParallelRCPhase(3, 4), -atan34},
        {"para RC 4 3 theta", ParallelRCPhase(4, 3), -atan43},
        {"para LC 100 50 Z", ParallelLCImpedance(100, 50), 100},
        {"para LC 50 100 Z", ParallelLCImpedance(50, 100), -100},
        {"para LC 30 20 Z", ParallelLCImpedance(30, 20), 60},
        {"para LC 100 50 theta", ParallelLCPhase(100, 50), -90},
        {"para LC 50 100 theta", ParallelLCPhase(50, 100), 90},
    });
}

// The unbounded and undefined cases raise under the guard instead of giving INF or NAN.
TEST(SeriesParallel, UndefinedCasesRaise) {
    EXPECT_THROW(core::Guarded([] { return ParallelLCImpedance(50, 50); }), core::ZeroDivide);
    EXPECT_THROW(core::Guarded([] { return ParallelLCImpedance(0, 0); }), core::InvalidOperation);
    EXPECT_THROW(core::Guarded([] { return ParallelImpedance(0, 0); }), core::InvalidOperation);
    EXPECT_NO_THROW(core::Guarded([] { return SeriesPhase(0, 0) + ParallelRLPhase(5, 0); }));
}

} // namespace
