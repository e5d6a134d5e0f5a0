#include "formulas/Resonance.h"
#include "FormulaRows.h"

#include <gtest/gtest.h>

namespace {

// Values worked out to 30 digits with a multiple-precision calculator.
TEST(ResonanceFormulas, AgreeWithIndependentValues) {
    ExpectRows({
        {"f0 10 uH 100 pF", formulas::ResonantFrequency(10e-6L, 100e-12L), 5032921.21044870350362275L},
        {"f0 1 mH 1 nF", formulas::ResonantFrequency(1e-3L, 1e-9L), 159154.943091895335768884L},
        {"f0 1 H 1 F", formulas::ResonantFrequency(1, 1), 0.159154943091895335768884L},
        {"LC at 1 MHz: 1 / (2 pi)^2", formulas::ResonantProductLC(1), 0.0253302959105844428609699L},
        {"LC at 1 kHz in MHz", formulas::ResonantProductLC(1e-3L), 25330.2959105844428609699L},
        {"LC at 652 kHz", formulas::ResonantProductLC(0.652L), 0.0595861151873057954311648L},
        {"LC at 300 kHz", formulas::ResonantProductLC(0.3L), 0.281447732339827142899665L},
        {"wavelength 652 kHz", formulas::TableWavelength(652), 460.122699386503067484663L},
        {"wavelength 300 kHz", formulas::TableWavelength(300), 1000},
    });
}

} // namespace
