#include "formulas/Waves.h"
#include "FormulaRows.h"

#include <gtest/gtest.h>

namespace {

// Values worked out by hand (a reciprocal, or 299 820 000 divided by the frequency).
TEST(WaveFormulas, AgreeWithIndependentValues) {
    ExpectRows({
        {"f of 1 ms", formulas::FrequencyOfPeriod(1e-3L), 1000},
        {"f of 20 us", formulas::FrequencyOfPeriod(20e-6L), 50000},
        {"f of 3 s", formulas::FrequencyOfPeriod(3), 0.333333333333333333333L},
        {"T of 1 kHz", formulas::PeriodOfFrequency(1000), 1e-3L},
        {"T of 50 Hz", formulas::PeriodOfFrequency(50), 0.02L},
        {"T of 2.4 GHz", formulas::PeriodOfFrequency(2.4e9L), 4.16666666666666666667e-10L},
        {"lambda of 100 MHz", formulas::Wavelength(100e6L), 2.9982L},
        {"lambda of 1 kHz", formulas::Wavelength(1000), 299820},
        {"lambda of 7 MHz", formulas::Wavelength(7e6L), 42.8314285714285714286L},
        {"lambda of 1 Hz is the speed", formulas::Wavelength(1), 299820000},
    });
}

} // namespace
