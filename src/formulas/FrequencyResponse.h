#pragma once
// The impedance of a series or parallel R, L, C circuit across frequency, with its resonance.
// Exact 2 pi throughout (the capacitive reactance window's 6.28 is that window's own). Base units
// in and out; a result that is unbounded is flagged, never computed as a division by zero.
#include <complex>
#include <optional>
#include <vector>

namespace formulas {

enum class Topology {
    SeriesRL,
    SeriesRC,
    SeriesLC,
    SeriesRLC,
    ParallelRL,
    ParallelRC,
    ParallelLC,
    ParallelRLC
};
inline constexpr int kTopologyCount = 8;

bool IsParallel(Topology t);
bool UsesResistance(Topology t);
bool UsesInductance(Topology t);
bool UsesCapacitance(Topology t);
bool HasResonance(Topology t); // an L and a C

struct Circuit {
    Topology topology = Topology::SeriesRLC;
    long double resistance = 0;  // ohms, >= 0; not used by LC
    long double inductance = 0;  // henries, > 0 where used
    long double capacitance = 0; // farads, > 0 where used
};

struct ImpedancePoint {
    long double frequency = 0;     // hertz
    std::complex<long double> z;   // ohms; meaningless when unbounded
    bool unbounded = false;        // a parallel LC at its resonance: the admittance is zero
    long double Magnitude() const; // |Z|; infinity when unbounded
    long double Phase() const;     // degrees, -90 to +90; 0 when unbounded
};

// Z at one frequency (f > 0).
ImpedancePoint ImpedanceAt(const Circuit& c, long double frequency);

struct Resonance {
    long double f0 = 0;                   // 1 / (2 pi sqrt(L C))
    std::optional<long double> q;         // series sqrt(L/C)/R, parallel R sqrt(C/L); none: unbounded
    std::optional<long double> bandwidth; // f0 / Q, the -3 dB width; none: unbounded
};
// None where the topology has no resonance.
std::optional<Resonance> ResonanceOf(const Circuit& c);

// The -3 dB edges around f0: f0 (sqrt(1 + 1/(4 Q^2)) -/+ 1/(2 Q)); none without a finite Q > 0.
std::optional<std::pair<long double, long double>> BandEdges(const Resonance& r);

// The range shown by default: two decades either side of f0, else 10 Hz to 1 MHz.
std::pair<long double, long double> DefaultRange(const Circuit& c);
// Points spaced evenly on a log axis, both ends included: at least `minimum`, and at least
// `perDecade` for every decade of the span.
int SweepPointCount(long double from, long double to, int perDecade = 1000, int minimum = 2000);
std::vector<ImpedancePoint> Sweep(const Circuit& c, long double from, long double to, int points);

} // namespace formulas
