#include "formulas/FrequencyResponse.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using formulas::Circuit;
using formulas::Topology;

constexpr long double kTwoPi = 6.283185307179586476925286766559L;
// f at which omega is 1000 rad/s: 1000 / (2 pi).
constexpr long double kOmega1000 = 159.154943091895335768883763373L;

// Values from a 30-digit multiple-precision computation of the defining formulas (series
// Z = R + j(wL - 1/(wC)); parallel Z = 1/(1/R + j(wC - 1/(wL)))), or worked by hand where the
// comment gives the triangle: 3-4-5 triangles make |Z| and the angle exact.
TEST(FrequencyResponseFormulas, ImpedanceAtChosenFrequencies) {
    const struct {
        std::string what;
        Circuit circuit;
        long double f;
        long double magnitude, phase;
    } rows[] = {
        // R = 3, XL = 4: |Z| = 5, atan(4/3).
        {"series RL 3-4-5", {Topology::SeriesRL, 3, 4 / kTwoPi, 0}, 1, 5, 53.1301023541559787031443874409L},
        {"series RC 3-4-5",
         {Topology::SeriesRC, 3, 0, 1 / (4 * kTwoPi)},
         1,
         5,
         -53.1301023541559787031443874409L},
        // X = 1 - 1000 = -999 at 1000 rad/s.
        {"series LC below f0", {Topology::SeriesLC, 0, 1e-3L, 1e-6L}, kOmega1000, 999, -90},
        {"series RLC below f0",
         {Topology::SeriesRLC, 10, 1e-3L, 1e-6L},
         kOmega1000,
         999.050048796355347037538084L,
         -89.4264878283948729059163944956L},
        {"series RLC at f0",
         {Topology::SeriesRLC, 10, 1e-3L, 1e-6L},
         5032.92121044870350362275301427L,
         10,
         0},
        // R = 4 against X = 3: |Z| = 12 / 5, atan(R / X).
        {"parallel RL 3-4-5",
         {Topology::ParallelRL, 4, 3 / kTwoPi, 0},
         1,
         2.4L,
         53.1301023541559787031443874409L},
        {"parallel RC 3-4-5",
         {Topology::ParallelRC, 4, 0, 1 / (3 * kTwoPi)},
         1,
         2.4L,
         -53.1301023541559787031443874409L},
        // B = 0.001 - 1 = -0.999: Z = j / 0.999, inductive below f0.
        {"parallel LC below f0",
         {Topology::ParallelLC, 0, 1e-3L, 1e-6L},
         kOmega1000,
         1.001001001001001001001L,
         90},
        {"parallel RLC below f0",
         {Topology::ParallelRLC, 1000, 1e-3L, 1e-6L},
         kOmega1000,
         1.0010004994983728738139422799L,
         89.9426468865102641678309084013L},
        {"parallel RLC at f0",
         {Topology::ParallelRLC, 1000, 1e-3L, 1e-6L},
         5032.92121044870350362275301427L,
         1000,
         0},
    };
    for (const auto& r : rows) {
        const auto p = formulas::ImpedanceAt(r.circuit, r.f);
        EXPECT_FALSE(p.unbounded) << r.what;
        EXPECT_NEAR(double(p.Magnitude()), double(r.magnitude), double(r.magnitude) * 1e-12) << r.what;
        EXPECT_NEAR(double(p.Phase()), double(r.phase), 1e-9) << r.what;
    }
}

TEST(FrequencyResponseFormulas, ResonanceQAndBandwidth) {
    const struct {
        std::string what;
        Circuit circuit;
        long double f0;
        std::optional<long double> q, bandwidth; // none: unbounded
    } rows[] = {
        // Q = sqrt(L/C) / R = sqrt(1000) / 10; bandwidth R / (2 pi L).
        {"series RLC",
         {Topology::SeriesRLC, 10, 1e-3L, 1e-6L},
         5032.92121044870350362275301427L,
         3.16227766016837933199889354443L,
         1591.54943091895335768883763373L},
        // Q = R sqrt(C/L) = 1000 sqrt(0.001); bandwidth 1 / (2 pi R C).
        {"parallel RLC",
         {Topology::ParallelRLC, 1000, 1e-3L, 1e-6L},
         5032.92121044870350362275301427L,
         31.6227766016837933199889354443L,
         159.154943091895335768883763373L},
        // No loss: Q unbounded, no width.
        {"series LC",
         {Topology::SeriesLC, 0, 1e-3L, 1e-6L},
         5032.92121044870350362275301427L,
         std::nullopt,
         0},
        {"series RLC with R = 0",
         {Topology::SeriesRLC, 0, 1e-3L, 1e-6L},
         5032.92121044870350362275301427L,
         std::nullopt,
         0},
        {"parallel LC",
         {Topology::ParallelLC, 0, 1e-3L, 1e-6L},
         5032.92121044870350362275301427L,
         std::nullopt,
         0},
        // A parallel R of zero shorts the tank: Q = 0, the width unbounded.
        {"parallel RLC with R = 0",
         {Topology::ParallelRLC, 0, 1e-3L, 1e-6L},
         5032.92121044870350362275301427L,
         0,
         std::nullopt},
    };
    for (const auto& r : rows) {
        const auto got = formulas::ResonanceOf(r.circuit);
        ASSERT_TRUE(got) << r.what;
        EXPECT_NEAR(double(got->f0), double(r.f0), double(r.f0) * 1e-15) << r.what;
        ASSERT_EQ(got->q.has_value(), r.q.has_value()) << r.what;
        if (r.q) EXPECT_NEAR(double(*got->q), double(*r.q), double(*r.q) * 1e-15) << r.what;
        ASSERT_EQ(got->bandwidth.has_value(), r.bandwidth.has_value()) << r.what;
        if (r.bandwidth)
            EXPECT_NEAR(double(*got->bandwidth), double(*r.bandwidth), double(*r.bandwidth) * 1e-15)
                << r.what;
    }
    for (Topology t : {Topology::SeriesRL, Topology::SeriesRC, Topology::ParallelRL, Topology::ParallelRC})
        EXPECT_FALSE(formulas::ResonanceOf({t, 10, 1e-3L, 1e-6L})) << int(t);
}

// At resonance the reactive parts cancel: a lossless series LC is a short (|Z| = 0, not an
// error) and a parallel LC an open circuit (unbounded, not a huge rounding residue).
TEST(FrequencyResponseFormulas, LosslessCircuitsAtResonance) {
    for (const auto& [l, c] :
         {std::pair{1e-3L, 1e-6L}, std::pair{10e-6L, 100e-12L}, std::pair{2.2L, 4.7e-9L}}) {
        const long double f0 = formulas::ResonanceOf({Topology::SeriesLC, 0, l, c})->f0;
        const auto series = formulas::ImpedanceAt({Topology::SeriesLC, 0, l, c}, f0);
        EXPECT_FALSE(series.unbounded);
        EXPECT_EQ(series.Magnitude(), 0) << double(l);
        EXPECT_EQ(series.Phase(), 0);
        const auto parallel = formulas::ImpedanceAt({Topology::ParallelLC, 0, l, c}, f0);
        EXPECT_TRUE(parallel.unbounded) << double(l);
        EXPECT_TRUE(std::isinf(parallel.Magnitude()));
        // A hair away from f0 the parallel LC is finite again, and very large.
        const auto near = formulas::ImpedanceAt({Topology::ParallelLC, 0, l, c}, f0 * (1 + 1e-9L));
        EXPECT_FALSE(near.unbounded);
        EXPECT_GT(double(near.Magnitude()), 1e6 * std::sqrt(double(l / c)));
    }
}

// The -3 dB edges by their definition: |Z| is R sqrt(2) there in series, R / sqrt(2) in parallel,
// they lie symmetric about f0 on the log axis and are one bandwidth apart.
TEST(FrequencyResponseFormulas, BandEdgesAreTheMinus3dBPoints) {
    const struct {
        Circuit circuit;
        long double magnitudeAtEdge;
    } rows[] = {
        {{Topology::SeriesRLC, 10, 1e-3L, 1e-6L}, 10 * std::sqrt(2.0L)},
        {{Topology::SeriesRLC, 500, 1e-3L, 1e-6L}, 500 * std::sqrt(2.0L)}, // Q < 1/2: wide and lopsided
        {{Topology::ParallelRLC, 1000, 1e-3L, 1e-6L}, 1000 / std::sqrt(2.0L)},
    };
    for (const auto& r : rows) {
        const auto res = *formulas::ResonanceOf(r.circuit);
        const auto edges = formulas::BandEdges(res);
        ASSERT_TRUE(edges);
        EXPECT_NEAR(double(edges->second - edges->first), double(*res.bandwidth),
                    double(*res.bandwidth) * 1e-12);
        EXPECT_NEAR(double(edges->first * edges->second), double(res.f0 * res.f0),
                    double(res.f0 * res.f0) * 1e-12);
        for (long double f : {edges->first, edges->second})
            EXPECT_NEAR(double(formulas::ImpedanceAt(r.circuit, f).Magnitude()), double(r.magnitudeAtEdge),
                        double(r.magnitudeAtEdge) * 1e-12);
    }
    EXPECT_FALSE(formulas::BandEdges(*formulas::ResonanceOf({Topology::SeriesLC, 0, 1e-3L, 1e-6L})));
}

TEST(FrequencyResponseFormulas, RangeAndSweep) {
    const Circuit rlc{Topology::SeriesRLC, 10, 1e-3L, 1e-6L};
    const auto [from, to] = formulas::DefaultRange(rlc);
    EXPECT_NEAR(double(from), 50.3292121044870350362275301427, 1e-12);
    EXPECT_NEAR(double(to), 503292.121044870350362275301427, 1e-7);
    const auto plain = formulas::DefaultRange({Topology::ParallelRC, 10, 0, 1e-6L});
    EXPECT_EQ(plain.first, 10);
    EXPECT_EQ(plain.second, 1e6L);

    // 1000 points a decade, both ends included, never fewer than 2000.
    EXPECT_EQ(formulas::SweepPointCount(from, to), 4001);
    EXPECT_EQ(formulas::SweepPointCount(10, 1e6L), 5001);
    EXPECT_EQ(formulas::SweepPointCount(100, 200), 2000);

    const auto sweep = formulas::Sweep(rlc, 10, 1e6L, 5001);
    ASSERT_EQ(sweep.size(), 5001u);
    EXPECT_EQ(sweep.front().frequency, 10);
    EXPECT_EQ(sweep.back().frequency, 1e6L);
    // Even on the log axis: 1000 steps a decade, so point 1000 is 100 Hz.
    EXPECT_NEAR(double(sweep[1000].frequency), 100, 1e-12);
    EXPECT_NEAR(double(sweep[2500].frequency), std::sqrt(10.0) * 1000, 1e-9);
    const double ratio = double(sweep[1].frequency / sweep[0].frequency);
    for (std::size_t i = 1; i < sweep.size(); ++i)
        ASSERT_NEAR(double(sweep[i].frequency / sweep[i - 1].frequency), ratio, 1e-12) << i;
}

} // namespace
