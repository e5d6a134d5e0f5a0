// FormatNumber and ParseNumber beside glibc's snprintf("%.18Lg") and strtold, in one run.
#include "core/Numbers.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

const std::vector<long double>& Values() {
    static const std::vector<long double> values = [] {
        std::mt19937_64 rng(1);
        std::uniform_real_distribution<double> mantissa(1.0, 10.0);
        std::uniform_int_distribution<int> exponent(-12, 12);
        std::vector<long double> v;
        for (int i = 0; i < 4096; ++i)
            v.push_back(mantissa(rng) * std::pow(10.0L, exponent(rng)));
        return v;
    }();
    return values;
}

// Doubles from random bits: mostly far outside the calculators' range, where the reduction
// scales in extended precision and decides near-boundary values exactly.
const std::vector<long double>& AnyDoubles() {
    static const std::vector<long double> values = [] {
        std::mt19937_64 rng(2);
        std::vector<long double> v;
        while (v.size() < 4096) {
            const std::uint64_t bits = rng();
            double d;
            std::memcpy(&d, &bits, sizeof d);
            if (std::isfinite(d)) v.push_back(d);
        }
        return v;
    }();
    return values;
}

const core::Separators kSeps{'.', ','};

void BM_FormatNumber_General18(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        QString s = core::FormatNumber(Values()[i++ & 4095], core::FloatFormat::General, 18, 0, kSeps);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_FormatNumber_General18);

void BM_FormatNumber_Number10_4(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        QString s = core::FormatNumber(Values()[i++ & 4095], core::FloatFormat::Number, 10, 4, kSeps);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_FormatNumber_Number10_4);

void BM_snprintf_Lg18(benchmark::State& state) {
    std::size_t i = 0;
    char buf[64];
    for (auto _ : state) {
        std::snprintf(buf, sizeof buf, "%.18Lg", Values()[i++ & 4095]);
        benchmark::DoNotOptimize(buf);
    }
}
BENCHMARK(BM_snprintf_Lg18);

void BM_snprintf_Lg18_toQString(benchmark::State& state) {
    std::size_t i = 0;
    char buf[64];
    for (auto _ : state) {
        std::snprintf(buf, sizeof buf, "%.18Lg", Values()[i++ & 4095]);
        QString s = QString::fromLatin1(buf);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_snprintf_Lg18_toQString);

void BM_FormatNumber_General18_AnyDouble(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        QString s = core::FormatNumber(AnyDoubles()[i++ & 4095], core::FloatFormat::General, 18, 0, kSeps);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_FormatNumber_General18_AnyDouble);

void BM_snprintf_Lg18_AnyDouble(benchmark::State& state) {
    std::size_t i = 0;
    char buf[64];
    for (auto _ : state) {
        std::snprintf(buf, sizeof buf, "%.18Lg", AnyDoubles()[i++ & 4095]);
        benchmark::DoNotOptimize(buf);
    }
}
BENCHMARK(BM_snprintf_Lg18_AnyDouble);

std::vector<QString> Texts() {
    std::vector<QString> t;
    for (long double v : Values())
        t.push_back(core::FormatNumber(v, core::FloatFormat::General, 18, 0, kSeps));
    return t;
}

void BM_ParseNumber(benchmark::State& state) {
    static const std::vector<QString> texts = Texts();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::ParseNumber(texts[i++ & 4095], kSeps));
}
BENCHMARK(BM_ParseNumber);

void BM_strtold(benchmark::State& state) {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        for (const QString& q : Texts())
            t.push_back(q.toStdString());
        return t;
    }();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(std::strtold(texts[i++ & 4095].c_str(), nullptr));
}
BENCHMARK(BM_strtold);

} // namespace
