#include "FormulaRows.h"
#include "formulas/Coils.h"
#include "formulas/Conductor.h"
#include "formulas/Impedance.h"
#include "formulas/OhmsLaw.h"
#include "formulas/Reactance.h"

#include <gtest/gtest.h>

namespace {

// Values worked out by hand from each formula's definition.
TEST(Formulas, AgreeWithIndependentValues) {
    ExpectRows({
        {"Xc 1 kHz 1 uF (6.28)", formulas::CapacitiveReactance(1000, 1e-6L), 1e6L / 6280},
        {"Xc 25 Hz 0.25 uF", formulas::CapacitiveReactance(25, 0.25e-6L), 1e8L / 3925},
        {"XL 1 kHz 10 mH", formulas::InductiveReactance(1000, 0.01L), 62.83185307179586477L},
        {"toroid N 10 a 4 cm b 1 cm", formulas::ToroidInductance(10, 0.04L, 0.01L), 0.314L},
        {"RLC 3 4 0 Z", formulas::SeriesRLCImpedance(3, 4, 0), 5},
        {"RLC 3 4 0 theta", formulas::SeriesRLCPhase(3, 4, 0), 53.13010235415597870L},
        {"RLC 1 2 3 theta", formulas::SeriesRLCPhase(1, 2, 3), -45},
        {"wire 100 m 1 mm2 copper", formulas::ConductorResistance(100, 1e-6L, 1.72e-8L), 1.72L},
        {"I = E / R", formulas::OhmsLaw(1, 10, 5), 2},
        {"I = sqrt(P / R)", formulas::OhmsLaw(3, 8, 2), 2},
        {"R = E2 / P", formulas::OhmsLaw(5, 10, 50), 2},
        {"R = P / I2", formulas::OhmsLaw(6, 8, 2), 2},
        {"E = sqrt(P R)", formulas::OhmsLaw(9, 2, 8), 4},
        {"P = I2 R", formulas::OhmsLaw(11, 2, 3), 12},
        {"P = E2 / R", formulas::OhmsLaw(12, 4, 8), 2},
        {"unknown formula", formulas::OhmsLaw(13, 4, 8), 0},
    });
}

} // namespace
