#include "formulas/RunningTotals.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Running totals worked out by hand; each row folds its values one at a time, as the windows do.
TEST(RunningTotals, AddValuesAndReciprocals) {
    const struct {
        std::string what;
        std::vector<long double> values;
        long double added, reciprocal;
    } rows[] = {
        {"10 20 30", {10, 20, 30}, 60, 60.0L / 11}, {"10 10", {10, 10}, 20, 5},
        {"10 20 20", {10, 20, 20}, 50, 5},          {"3 6", {3, 6}, 9, 2},
        {"one value", {4.7L}, 4.7L, 4.7L},          {"10 4.7", {10, 4.7L}, 14.7L, 47.0L / 14.7L},
        {"opposite values", {-4, 4}, 0, 0}, // reciprocal sum 0: division by zero, checked below
    };
    for (const auto& r : rows) {
        long double total = 0, inverseSum = 0;
        for (long double v : r.values) {
            total = formulas::AddedValue(total, v);
            inverseSum = formulas::AddedReciprocal(inverseSum, v);
        }
        EXPECT_NEAR(double(total), double(r.added), 1e-15 * std::fabs(double(r.added))) << r.what;
        if (inverseSum == 0) {
            EXPECT_TRUE(std::isinf(formulas::Reciprocal(inverseSum))) << r.what;
            continue;
        }
        EXPECT_NEAR(double(formulas::Reciprocal(inverseSum)), double(r.reciprocal),
                    1e-15 * std::fabs(double(r.reciprocal)))
            << r.what;
    }
    EXPECT_TRUE(std::isinf(formulas::AddedReciprocal(0, 0))); // a zero value in a reciprocal sum
}

} // namespace
