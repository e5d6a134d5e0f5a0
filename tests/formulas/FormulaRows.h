#pragma once
// A formula's data rows: what it was given, what it returned, and the value worked out by hand
// from its definition; they agree to the last bits of a double.
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

struct FormulaRow {
    std::string what;
    long double got, expected;
};

inline void ExpectRows(const std::vector<FormulaRow>& rows) {
    for (const FormulaRow& r : rows)
        EXPECT_NEAR(double(r.got), double(r.expected), std::fabs(double(r.expected)) * 1e-15) << r.what;
}
