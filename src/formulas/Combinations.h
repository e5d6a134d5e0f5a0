#pragma once
// Two or three standard parts that together make a value: the best combinations of a series'
// values, closest first. A form names how the parts are wired; resistors and inductors add in
// series, capacitors in parallel. Plain double: the parts have three figures.
#include "formulas/StandardValues.h"

#include <array>
#include <vector>

namespace formulas {

enum class Quantity { Resistance, Capacitance, Inductance };

// The parts a combination is made of, in base units: 1 Ω to 10 MΩ, 1 pF to 10 µF, 1 nH to 10 mH
// (seven decades each).
struct Span {
    long double low;
    long double high;
};
Span CombinationSpan(Quantity quantity);

enum class Form {
    Single,           // a
    Series2,          // a + b
    Parallel2,        // a ∥ b
    Series3,          // a + b + c
    Parallel3,        // a ∥ b ∥ c
    SeriesInParallel, // (a + b) ∥ c
    ParallelInSeries, // (a ∥ b) + c
};
int PartCount(Form form);

struct Combination {
    Form form = Form::Single;
    std::array<double, 3> parts{}; // a ≤ b (≤ c for the all-series and all-parallel forms)
    double value = 0;              // what the parts make
    double deviation = 0;          // (value - target) / target
    double worstCase = 0;          // |deviation| with every part at the edge of its tolerance
};

// The value of parts wired in a form.
double CombinedValue(Quantity quantity, Form form, double a, double b = 0, double c = 0);

// The ranking: the smaller |deviation| (to 1e-12), then fewer parts, then the smaller worst case
// (to 1e-12), then the form's order, then the smaller parts.
bool RanksBefore(const Combination& x, const Combination& y);

// The `count` best combinations of two parts from `values` (rising), or of three parts, for a
// target > 0; `tolerance` is the parts' tolerance as a fraction. A single value equal to the
// target (to 1e-12) comes first.
struct Search {
    Quantity quantity;
    double target;
    const std::vector<double>& values;
    double tolerance;
    int count = 5;
};
std::vector<Combination> BestTwoParts(const Search& search);
std::vector<Combination> BestThreeParts(const Search& search);

// The series' values in the span, as doubles, rising.
std::vector<double> CombinationValues(Series series, Span span);

} // namespace formulas
