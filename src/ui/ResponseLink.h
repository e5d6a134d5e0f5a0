#pragma once
// The reactance and resonance windows hand their values to the frequency response window (a tool,
// created at its first opening) without knowing its class: it implements this interface.
#include "formulas/FrequencyResponse.h"

#include <optional>

namespace ui {

inline constexpr char kResponseTool[] = "TFormFrequencyResponse";

struct ResponseValues {
    formulas::Topology topology = formulas::Topology::SeriesRLC;
    std::optional<long double> resistance;  // ohms
    std::optional<long double> inductance;  // henries
    std::optional<long double> capacitance; // farads
    std::optional<long double> frequency;   // hertz: the range is centred on it and the cursor put there
};

class TakesResponseValues {
  public:
    virtual ~TakesResponseValues() = default;
    virtual void TakeValues(const ResponseValues& values) = 0;
};

} // namespace ui
