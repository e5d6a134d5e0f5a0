// The combination search over the whole span (1 Ω to 10 MΩ), for targets spread over it: the
// window runs it at every key typed.
#include "formulas/Combinations.h"

#include <benchmark/benchmark.h>

namespace {

using namespace formulas;

const double kTargets[] = {1.234, 47.11, 3141.59, 12345.6, 876543.0, 7.7e6};

template <std::vector<Combination> (*Find)(const Search&)> void Run(benchmark::State& state, Series series) {
    const std::vector<double> values = CombinationValues(series, CombinationSpan(Quantity::Resistance));
    const double tolerance = double(Tolerance(series).percent) / 100;
    std::size_t i = 0;
    for (auto _ : state) {
        const double target = kTargets[i++ % std::size(kTargets)];
        benchmark::DoNotOptimize(Find({Quantity::Resistance, target, values, tolerance}));
    }
}

void TwoPartsE96(benchmark::State& state) {
    Run<BestTwoParts>(state, Series::E96);
}
void TwoPartsE192(benchmark::State& state) {
    Run<BestTwoParts>(state, Series::E192);
}
void ThreePartsE24(benchmark::State& state) {
    Run<BestThreeParts>(state, Series::E24);
}
void ThreePartsE96(benchmark::State& state) {
    Run<BestThreeParts>(state, Series::E96);
}
void ThreePartsE192(benchmark::State& state) {
    Run<BestThreeParts>(state, Series::E192);
}

} // namespace

BENCHMARK(TwoPartsE96)->Unit(benchmark::kMillisecond);
BENCHMARK(TwoPartsE192)->Unit(benchmark::kMillisecond);
BENCHMARK(ThreePartsE24)->Unit(benchmark::kMillisecond);
BENCHMARK(ThreePartsE96)->Unit(benchmark::kMillisecond);
BENCHMARK(ThreePartsE192)->Unit(benchmark::kMillisecond);
