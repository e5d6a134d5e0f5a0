#include "formulas/StandardValues.h"
#include "formulas/Combinations.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

using namespace formulas;

namespace {

// IEC 60063 tables, written out again as the standard prints them.
const struct {
    Series series;
    const char* values;
} kTables[] = {
    {Series::E3, "1.0 2.2 4.7"},
    {Series::E6, "1.0 1.5 2.2 3.3 4.7 6.8"},
    {Series::E12, "1.0 1.2 1.5 1.8 2.2 2.7 3.3 3.9 4.7 5.6 6.8 8.2"},
    {Series::E24,
     "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 7.5 8.2 9.1"},
    {Series::E48, "1.00 1.05 1.10 1.15 1.21 1.27 1.33 1.40 1.47 1.54 1.62 1.69 1.78 1.87 1.96 2.05 2.15 2.26 "
                  "2.37 2.49 2.61 2.74 2.87 3.01 3.16 3.32 3.48 3.65 3.83 4.02 4.22 4.42 4.64 4.87 5.11 5.36 "
                  "5.62 5.90 6.19 6.49 6.81 7.15 7.50 7.87 8.25 8.66 9.09 9.53"},
    {Series::E96, "1.00 1.02 1.05 1.07 1.10 1.13 1.15 1.18 1.21 1.24 1.27 1.30 1.33 1.37 1.40 1.43 1.47 1.50 "
                  "1.54 1.58 1.62 1.65 1.69 1.74 1.78 1.82 1.87 1.91 1.96 2.00 2.05 2.10 2.15 2.21 2.26 2.32 "
                  "2.37 2.43 2.49 2.55 2.61 2.67 2.74 2.80 2.87 2.94 3.01 3.09 3.16 3.24 3.32 3.40 3.48 3.57 "
                  "3.65 3.74 3.83 3.92 4.02 4.12 4.22 4.32 4.42 4.53 4.64 4.75 4.87 4.99 5.11 5.23 5.36 5.49 "
                  "5.62 5.76 5.90 6.04 6.19 6.34 6.49 6.65 6.81 6.98 7.15 7.32 7.50 7.68 7.87 8.06 8.25 8.45 "
                  "8.66 8.87 9.09 9.31 9.53 9.76"},
    {Series::E192,
     "1.00 1.01 1.02 1.04 1.05 1.06 1.07 1.09 1.10 1.11 1.13 1.14 1.15 1.17 1.18 1.20 1.21 1.23 1.24 1.26 "
     "1.27 1.29 1.30 1.32 1.33 1.35 1.37 1.38 1.40 1.42 1.43 1.45 1.47 1.49 1.50 1.52 1.54 1.56 1.58 1.60 "
     "1.62 1.64 1.65 1.67 1.69 1.72 1.74 1.76 1.78 1.80 1.82 1.84 1.87 1.89 1.91 1.93 1.96 1.98 2.00 2.03 "
     "2.05 2.08 2.10 2.13 2.15 2.18 2.21 2.23 2.26 2.29 2.32 2.34 2.37 2.40 2.43 2.46 2.49 2.52 2.55 2.58 "
     "2.61 2.64 2.67 2.71 2.74 2.77 2.80 2.84 2.87 2.91 2.94 2.98 3.01 3.05 3.09 3.12 3.16 3.20 3.24 3.28 "
     "3.32 3.36 3.40 3.44 3.48 3.52 3.57 3.61 3.65 3.70 3.74 3.79 3.83 3.88 3.92 3.97 4.02 4.07 4.12 4.17 "
     "4.22 4.27 4.32 4.37 4.42 4.48 4.53 4.59 4.64 4.70 4.75 4.81 4.87 4.93 4.99 5.05 5.11 5.17 5.23 5.30 "
     "5.36 5.42 5.49 5.56 5.62 5.69 5.76 5.83 5.90 5.97 6.04 6.12 6.19 6.26 6.34 6.42 6.49 6.57 6.65 6.73 "
     "6.81 6.90 6.98 7.06 7.15 7.23 7.32 7.41 7.50 7.59 7.68 7.77 7.87 7.96 8.06 8.16 8.25 8.35 8.45 8.56 "
     "8.66 8.76 8.87 8.98 9.09 9.20 9.31 9.42 9.53 9.65 9.76 9.88"},
};

std::vector<int> Typed(const char* values) {
    std::vector<int> mantissas;
    for (const QString& v : QString::fromLatin1(values).split(QLatin1Char(' ')))
        mantissas.push_back(static_cast<int>(std::lround(v.toDouble() * 100)));
    return mantissas;
}

TEST(StandardValuesTest, SeriesMatchTheStandardsTables) {
    const int counts[] = {3, 6, 12, 24, 48, 96, 192};
    for (std::size_t i = 0; i < std::size(kTables); ++i) {
        const Series s = kTables[i].series;
        EXPECT_EQ(SeriesMantissas(s).size(), std::size_t(counts[i])) << SeriesName(s);
        EXPECT_EQ(SeriesMantissas(s), Typed(kTables[i].values)) << SeriesName(s);
    }
}

// The tables are not the formula: where 10^(i/n), rounded to the series' figures, differs.
TEST(StandardValuesTest, TablesDifferFromTheFormulaWhereTheStandardDoes) {
    const struct {
        Series series;
        std::vector<int> differing; // the table's values where the formula gives another
    } rows[] = {
        {Series::E3, {470}},
        {Series::E6, {330, 470}},
        {Series::E12, {270, 330, 390, 470, 820}},
        {Series::E24, {270, 300, 330, 360, 390, 430, 470, 820}},
        {Series::E48, {}},
        {Series::E96, {}},
        {Series::E192, {920}},
    };
    for (const auto& row : rows) {
        const std::vector<int>& m = SeriesMantissas(row.series);
        const int n = static_cast<int>(m.size());
        const double step = SignificantFigures(row.series) == 2 ? 10 : 1;
        std::vector<int> differing;
        for (int i = 0; i < n; ++i)
            if (std::lround(std::round(100 * std::pow(10.0, double(i) / n) / step) * step) != m[i])
                differing.push_back(m[i]);
        EXPECT_EQ(differing, row.differing) << SeriesName(row.series);
    }
}

TEST(StandardValuesTest, Tolerances) {
    const double percents[] = {20, 20, 10, 5, 2, 1, 0.5};
    for (std::size_t i = 0; i < std::size(kAllSeries); ++i) {
        EXPECT_DOUBLE_EQ(double(Tolerance(kAllSeries[i]).percent), percents[i]);
        EXPECT_EQ(Tolerance(kAllSeries[i]).over, i == 0) << SeriesName(kAllSeries[i]);
    }
}

double V(const StandardValue& v) {
    return static_cast<double>(v.Value());
}

// Nearest, below and above, at the decade edges, outside 1 Ω to 10 MΩ and at ties. Halfway
// between two values the upper one wins: it is the nearer in ratio (1.2 / 1.1 < 1.1 / 1.0).
TEST(StandardValuesTest, Neighbours) {
    const struct {
        Series series;
        long double value;
        double nearest, below, above;
    } rows[] = {
        {Series::E12, 9.9L, 10, 8.2, 10},           // next decade
        {Series::E12, 1.0L, 1.0, 0.82, 1.2},        // a value is its own nearest
        {Series::E24, 1000.0L, 1000, 910, 1100},    // at a power of ten
        {Series::E24, 4.7e3L, 4.7e3, 4.3e3, 5.1e3}, // typed in kΩ: 4.7 × 1000
        {Series::E12, 0.33L, 0.33, 0.27, 0.39},     // below 1 Ω
        {Series::E96, 0.5L, 0.499, 0.499, 0.511},
        {Series::E24, 15e6L, 15e6, 13e6, 16e6},             // above 10 MΩ
        {Series::E6, 40e6L, 47e6, 33e6, 47e6},              // a tie too
        {Series::E12, 4.7e-12L, 4.7e-12, 3.9e-12, 5.6e-12}, // picofarads
        {Series::E192, 9.19e3L, 9.2e3, 9.09e3, 9.2e3},
        {Series::E3, 1.0e3L, 1.0e3, 470, 2.2e3},
        {Series::E12, 1.1L, 1.2, 1.0, 1.2}, // ties: the upper one
        {Series::E12, 1.1e3L, 1.2e3, 1.0e3, 1.2e3},
        {Series::E24, 3.15e3L, 3.3e3, 3.0e3, 3.3e3},
        {Series::E3, 3.45L, 4.7, 2.2, 4.7},
        {Series::E96, 1.01e5L, 1.02e5, 1.0e5, 1.02e5},
        {Series::E12, 1.0999L, 1.0, 1.0, 1.2}, // either side of the tie
        {Series::E12, 1.1001L, 1.2, 1.0, 1.2},
    };
    for (const auto& r : rows) {
        const Neighbours n = FindNeighbours(r.value, r.series);
        const std::string where = std::string(SeriesName(r.series)) + " " + std::to_string(double(r.value));
        EXPECT_NEAR(V(n.nearest), r.nearest, r.nearest * 1e-12) << where;
        EXPECT_NEAR(V(n.below), r.below, r.below * 1e-12) << where;
        EXPECT_NEAR(V(n.above), r.above, r.above * 1e-12) << where;
    }
}

TEST(StandardValuesTest, RingsAndSmdCodes) {
    const struct {
        StandardValue value;
        int figures;
        std::vector<int> rings; // empty: no colour code
        int power;
        const char* smd;
        const char* eia96;
    } rows[] = {
        {{470, 3}, 2, {4, 7}, 2, "472", ""},        // 4.7 kΩ
        {{100, 1}, 2, {1, 0}, 0, "100", "01X"},     // 10 Ω
        {{470, 0}, 2, {4, 7}, -1, "4R7", ""},       // 4.7 Ω, gold multiplier
        {{470, -1}, 2, {4, 7}, -2, "R47", ""},      // 0.47 Ω, silver
        {{470, -2}, 2, {}, 0, "R047", ""},          // no multiplier ring below silver
        {{100, 6}, 2, {1, 0}, 5, "105", "01E"},     // 1 MΩ
        {{100, 7}, 2, {1, 0}, 6, "106", "01F"},     // 10 MΩ
        {{100, 2}, 3, {1, 0, 0}, 0, "1000", "01A"}, // 100 Ω
        {{102, 4}, 3, {1, 0, 2}, 2, "1022", "02C"}, // 10.2 kΩ
        {{499, 3}, 3, {4, 9, 9}, 1, "4991", "68B"}, // 4.99 kΩ
        {{301, 2}, 3, {3, 0, 1}, 0, "3010", "47A"},
        {{121, 1}, 3, {1, 2, 1}, -1, "12R1", "09X"},
        {{100, 0}, 3, {1, 0, 0}, -2, "1R00", "01Y"},
        {{100, -1}, 3, {}, 0, "R100", "01Z"},
        {{976, 7}, 3, {9, 7, 6}, 5, "9765", "96F"},
        {{100, 7}, 3, {1, 0, 0}, 5, "1005", "01F"},
        {{920, 6}, 3, {9, 2, 0}, 4, "9204", ""}, // E192 only: no EIA-96 code
        {{101, 3}, 3, {1, 0, 1}, 1, "1011", ""},
        {{100, 8}, 3, {1, 0, 0}, 6, "1006", ""}, // 100 MΩ: no letter
    };
    for (const auto& r : rows) {
        const std::string where = std::to_string(r.value.mantissa) + "e" + std::to_string(r.value.exponent);
        const RingCode code = Rings(r.value, r.figures);
        EXPECT_EQ(code.figures, r.rings) << where;
        if (!r.rings.empty()) {
            EXPECT_EQ(code.power, r.power) << where;
        }
        EXPECT_EQ(SmdCode(r.value, r.figures), QLatin1String(r.smd)) << where;
        EXPECT_EQ(Eia96Code(r.value), QLatin1String(r.eia96)) << where;
    }
}

TEST(StandardValuesTest, SpanHoldsItsEnds) {
    const std::vector<double> r = CombinationValues(Series::E96, CombinationSpan(Quantity::Resistance));
    ASSERT_EQ(r.size(), 7u * 96 + 1);
    EXPECT_DOUBLE_EQ(r.front(), 1.0);
    EXPECT_DOUBLE_EQ(r.back(), 1e7);
    const std::vector<double> c = CombinationValues(Series::E12, CombinationSpan(Quantity::Capacitance));
    ASSERT_EQ(c.size(), 7u * 12 + 1);
    EXPECT_NEAR(c.front(), 1e-12, 1e-24);
    EXPECT_NEAR(c.back(), 1e-5, 1e-17);
}

// Every combination of the forms, written out, keeping the best `count` by the stated order.
struct Brute {
    Quantity quantity;
    double target;
    double tolerance;
    std::size_t count = 5;
    std::vector<Combination> best;

    double Joined(bool series, double x, double y) const {
        const bool adds = series != (quantity == Quantity::Capacitance); // capacitors add in parallel
        return adds ? x + y : 1 / (1 / x + 1 / y);
    }
    double Evaluate(Form f, const std::array<double, 3>& p) const {
        switch (f) {
        case Form::Single:
            return p[0];
        case Form::Series2:
            return Joined(true, p[0], p[1]);
        case Form::Parallel2:
            return Joined(false, p[0], p[1]);
        case Form::Series3:
            return Joined(true, Joined(true, p[0], p[1]), p[2]);
        case Form::Parallel3:
            return Joined(false, Joined(false, p[0], p[1]), p[2]);
        case Form::SeriesInParallel:
            return Joined(false, Joined(true, p[0], p[1]), p[2]);
        case Form::ParallelInSeries:
            return Joined(true, Joined(false, p[0], p[1]), p[2]);
        }
        return 0;
    }
    static double Q(double x) { return std::round(x * 1e12); }
    static auto Key(const Combination& c) {
        return std::make_tuple(Q(std::fabs(c.deviation)), PartCount(c.form), Q(c.worstCase), c.form, c.parts);
    }
    void Add(Form f, std::array<double, 3> p) {
        Combination c;
        c.form = f;
        c.parts = p;
        c.value = Evaluate(f, p);
        c.deviation = (c.value - target) / target;
        if (f == Form::Single && std::fabs(c.deviation) > 1e-12) return;
        if (best.size() == count && Q(std::fabs(c.deviation)) > Q(std::fabs(best.back().deviation))) return;
        // Every corner of the parts' tolerances.
        for (int corner = 0; corner < 8; ++corner) {
            std::array<double, 3> q = p;
            for (int i = 0; i < 3; ++i)
                q[i] *= (corner >> i & 1) ? 1 + tolerance : 1 - tolerance;
            c.worstCase = std::max(c.worstCase, std::fabs(Evaluate(f, q) - target) / target);
        }
        best.push_back(c);
        std::sort(best.begin(), best.end(),
                  [](const Combination& x, const Combination& y) { return Key(x) < Key(y); });
        if (best.size() > count) best.pop_back();
    }
};

std::vector<Combination> BruteForce(Quantity quantity, double target, const std::vector<double>& v,
                                    double tolerance, int parts) {
    Brute b{quantity, target, tolerance, 5, {}};
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n; ++i) {
        b.Add(Form::Single, {v[i], 0, 0});
        for (std::size_t j = i; j < n; ++j) {
            if (parts == 2) {
                b.Add(Form::Series2, {v[i], v[j], 0});
                b.Add(Form::Parallel2, {v[i], v[j], 0});
                continue;
            }
            for (std::size_t k = 0; k < n; ++k) {
                if (k >= j) b.Add(Form::Series3, {v[i], v[j], v[k]});
                if (k >= j) b.Add(Form::Parallel3, {v[i], v[j], v[k]});
                b.Add(Form::SeriesInParallel, {v[i], v[j], v[k]});
                b.Add(Form::ParallelInSeries, {v[i], v[j], v[k]});
            }
        }
    }
    return b.best;
}

TEST(StandardValuesTest, CombinationsMatchABruteForceSearch) {
    const Span ohms = CombinationSpan(Quantity::Resistance);
    const struct {
        Quantity quantity;
        Series series;
        Span span;
        double target;
        int parts;
    } rows[] = {
        {Quantity::Resistance, Series::E12, ohms, 3300, 2}, // a single value first
        {Quantity::Resistance, Series::E12, ohms, 1234, 2},
        {Quantity::Resistance, Series::E12, ohms, 0.6, 2},    // below the span: parallel only
        {Quantity::Resistance, Series::E12, ohms, 15.5e6, 2}, // above it
        {Quantity::Resistance, Series::E96, ohms, 12345, 2},
        {Quantity::Capacitance, Series::E12, CombinationSpan(Quantity::Capacitance), 3.5e-9, 2},
        {Quantity::Resistance, Series::E24, ohms, 1234, 3},
        {Quantity::Resistance, Series::E24, ohms, 7777, 3},
        {Quantity::Resistance, Series::E24, ohms, 4700, 3},
        {Quantity::Resistance, Series::E12, ohms, 0.4, 3},
        {Quantity::Resistance, Series::E96, {100, 1e4}, 3141.59, 3},
        {Quantity::Inductance, Series::E6, CombinationSpan(Quantity::Inductance), 5e-6, 3},
        {Quantity::Capacitance, Series::E12, CombinationSpan(Quantity::Capacitance), 7.7e-8, 3},
    };
    for (const auto& r : rows) {
        const std::vector<double> values = CombinationValues(r.series, r.span);
        const double tolerance = double(Tolerance(r.series).percent) / 100;
        const Search search{r.quantity, r.target, values, tolerance};
        const std::vector<Combination> found = r.parts == 2 ? BestTwoParts(search) : BestThreeParts(search);
        const std::vector<Combination> expected =
            BruteForce(r.quantity, r.target, values, tolerance, r.parts);
        const std::string where = std::string(SeriesName(r.series)) + " " + std::to_string(r.target);
        ASSERT_EQ(found.size(), expected.size()) << where;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].form, expected[i].form) << where << " #" << i;
            EXPECT_EQ(found[i].parts, expected[i].parts) << where << " #" << i;
            EXPECT_NEAR(found[i].deviation, expected[i].deviation, 1e-12) << where << " #" << i;
            EXPECT_NEAR(found[i].worstCase, expected[i].worstCase, 1e-12) << where << " #" << i;
        }
    }
}

TEST(StandardValuesTest, ExactSingleValueComesFirst) {
    const std::vector<double> values = CombinationValues(Series::E12, CombinationSpan(Quantity::Resistance));
    // 3.3 k is also 1.5 k + 1.8 k exactly: the single part ranks first, the pair second.
    const std::vector<Combination> best = BestTwoParts({Quantity::Resistance, 3300, values, 0.1});
    ASSERT_GE(best.size(), 2u);
    EXPECT_EQ(best[0].form, Form::Single);
    EXPECT_DOUBLE_EQ(best[0].parts[0], 3300);
    EXPECT_DOUBLE_EQ(best[1].deviation, 0);
    EXPECT_EQ(PartCount(best[1].form), 2);
}

} // namespace
