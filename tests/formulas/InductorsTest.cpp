#include "formulas/Inductors.h"
#include "FormulaRows.h"
#include "formulas/Reactance.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Values worked out by hand: 2.2 x 0.02^2 x 100^2 / (0.02 + 2.2 x 0.05) = 8.8 / 0.13 = 880 / 13;
// log10(6.4) = 6 log10(2) - 1; 1.28 x 10 / 1.28 = 10, whose log is 1.
TEST(Inductors, AgreeWithIndependentValues) {
    const long double log10of2 = 0.301029995663981195213738894724493027L;
    ExpectRows({
        {"coil N 100 d 2 cm l 5 cm", formulas::CylindricalCoilInductance(100, 0.02L, 0.05L), 880.0L / 13},
        {"coil without length", formulas::CylindricalCoilInductance(10, 0.1L, 0), 22},
        {"coil N 1 d 1 m l 1 m", formulas::CylindricalCoilInductance(1, 1, 1), 2.2L / 3.2L},
        {"coax l 10 m D 5 d 1", formulas::CoaxialInductance(10, 5, 1), 4.6L * (6 * log10of2 - 1)},
        {"coax ratio of ten", formulas::CoaxialInductance(1, 10, 1.28L), 0.46L},
        {"coax ratio only", formulas::CoaxialInductance(2, 50, 10), formulas::CoaxialInductance(2, 5, 1)},
        {"XL 50 Hz 1 H", formulas::InductiveReactance(50, 1), 314.159265358979323846L},
    });
}

TEST(Inductors, DegenerateCablesAreNotFinite) {
    // The window's guard turns these into its failures; the formula itself does not hide them.
    EXPECT_TRUE(std::isinf(formulas::CoaxialInductance(1, 5, 0)));
    EXPECT_TRUE(std::isinf(formulas::CoaxialInductance(1, 0, 1)));
    EXPECT_TRUE(std::isnan(formulas::CylindricalCoilInductance(10, 0, 0)));
}

} // namespace
