#include "formulas/TwoComponents.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Worked out by hand as a b / (a + b); both formulas are symmetric, so each row runs both ways.
TEST(TwoComponents, SeriesCapacitorsAndParallelResistors) {
    const struct {
        long double a, b, joined;
    } rows[] = {
        {1, 1, 0.5L},           {1, 100, 100.0L / 101},
        {100, 100, 50},         {4.7L, 10, 47.0L / 14.7L},
        {2.2L, 3.3L, 1.32L},    {10, 15, 6},
        {1000, 1500, 600},      {15000, 15000, 7500},
        {22, 47, 1034.0L / 69},
    };
    for (const auto& r : rows) {
        for (const auto& [x, y] : {std::pair{r.a, r.b}, std::pair{r.b, r.a}}) {
            EXPECT_NEAR(double(formulas::SeriesCapacitance(x, y)), double(r.joined), 1e-15 * double(r.joined))
                << double(x) << " " << double(y);
            EXPECT_NEAR(double(formulas::ParallelResistance(x, y)), double(r.joined),
                        1e-15 * double(r.joined))
                << double(x) << " " << double(y);
        }
    }
    // A short across the pair: zero ohms joined with anything is zero; two zeros are 0 / 0.
    EXPECT_EQ(formulas::ParallelResistance(0, 47), 0);
    EXPECT_TRUE(std::isnan(formulas::ParallelResistance(0, 0)));
}

} // namespace
