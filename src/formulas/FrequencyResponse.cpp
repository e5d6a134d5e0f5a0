#include "formulas/FrequencyResponse.h"

#include "formulas/Constants.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace formulas {
namespace {

// Two reactive terms that cancel to within a double's resolution (what the chart, the fields and
// the export hold) cancel exactly: at resonance a series LC shows |Z| = 0 and a parallel LC an
// unbounded |Z|, not the rounding noise of either.
long double Cancelled(long double a, long double b) {
    const long double difference = a - b;
    return std::fabs(difference) <= 4 * DBL_EPSILON * std::max(std::fabs(a), std::fabs(b)) ? 0.0L
                                                                                           : difference;
}

} // namespace

bool IsParallel(Topology t) {
    return t >= Topology::ParallelRL;
}

bool UsesResistance(Topology t) {
    return t != Topology::SeriesLC && t != Topology::ParallelLC;
}

bool UsesInductance(Topology t) {
    return t != Topology::SeriesRC && t != Topology::ParallelRC;
}

bool UsesCapacitance(Topology t) {
    return t != Topology::SeriesRL && t != Topology::ParallelRL;
}

bool HasResonance(Topology t) {
    return UsesInductance(t) && UsesCapacitance(t);
}

long double ImpedancePoint::Magnitude() const {
    return unbounded ? std::numeric_limits<long double>::infinity() : std::abs(z);
}

long double ImpedancePoint::Phase() const {
    if (unbounded || (z.real() == 0 && z.imag() == 0)) return 0;
    return std::atan2(z.imag(), z.real()) * kDegreesPerRadian;
}

ImpedancePoint ImpedanceAt(const Circuit& c, long double frequency) {
    const long double w = kTwoPi * frequency;
    ImpedancePoint p;
    p.frequency = frequency;
    const Topology t = c.topology;
    if (!IsParallel(t)) {
        const long double xl = UsesInductance(t) ? w * c.inductance : 0.0L;
        const long double xc = UsesCapacitance(t) ? 1.0L / (w * c.capacitance) : 0.0L;
        p.z = {UsesResistance(t) ? c.resistance : 0.0L, Cancelled(xl, xc)};
        return p;
    }
    // Parallel: sum the admittances. A resistance of zero shorts the whole circuit.
    if (UsesResistance(t) && c.resistance == 0) return p;
    long double g = UsesResistance(t) ? 1.0L / c.resistance : 0.0L;
    const long double bc = UsesCapacitance(t) ? w * c.capacitance : 0.0L;
    const long double bl = UsesInductance(t) ? 1.0L / (w * c.inductance) : 0.0L;
    const long double b = Cancelled(bc, bl);
    if (g == 0 && b == 0) {
        p.unbounded = true;
        return p;
    }
    // Z = 1 / (G + jB) = (G - jB) / (G^2 + B^2), scaled so that neither square overflows.
    const long double s = std::max(std::fabs(g), std::fabs(b));
    const long double gs = g / s, bs = b / s;
    const long double d = (gs * gs + bs * bs) * s;
    p.z = {gs / d, -bs / d};
    return p;
}

std::optional<Resonance> ResonanceOf(const Circuit& c) {
    if (!HasResonance(c.topology)) return std::nullopt;
    Resonance r;
    const long double l = c.inductance, cap = c.capacitance;
    r.f0 = 1.0L / (kTwoPi * std::sqrt(l * cap));
    const bool hasR = UsesResistance(c.topology);
    if (!IsParallel(c.topology)) {
        // Series: no resistance, no loss: Q unbounded, a bandwidth of zero.
        if (!hasR || c.resistance == 0) {
            r.bandwidth = 0;
            return r;
        }
        r.q = std::sqrt(l / cap) / c.resistance;
    } else {
        // Parallel: no resistance (the LC) is no loss; a resistance of zero shorts it: Q = 0.
        if (!hasR) {
            r.bandwidth = 0;
            return r;
        }
        r.q = c.resistance * std::sqrt(cap / l);
        if (*r.q == 0) return r;
    }
    r.bandwidth = r.f0 / *r.q;
    return r;
}

std::optional<std::pair<long double, long double>> BandEdges(const Resonance& r) {
    if (!r.q || *r.q <= 0) return std::nullopt;
    const long double half = 1.0L / (2 * *r.q);
    const long double root = std::sqrt(1 + half * half);
    return std::make_pair(r.f0 * (root - half), r.f0 * (root + half));
}

std::pair<long double, long double> DefaultRange(const Circuit& c) {
    if (const auto r = ResonanceOf(c)) return {r->f0 / 100, r->f0 * 100};
    return {10.0L, 1e6L};
}

int SweepPointCount(long double from, long double to, int perDecade, int minimum) {
    const long double decades = std::log10(to / from);
    return std::max(minimum, int(std::ceil(decades * perDecade)) + 1);
}

std::vector<ImpedancePoint> Sweep(const Circuit& c, long double from, long double to, int points) {
    std::vector<ImpedancePoint> out;
    out.reserve(std::size_t(std::max(points, 0)));
    // One ratio, applied step by step: extended precision keeps 2,000 steps within ~1e-16, and
    // a power per point was the costliest part of a sweep.
    const long double ratio = points > 1 ? std::pow(to / from, 1.0L / (points - 1)) : 1.0L;
    long double f = from;
    for (int i = 0; i < points; ++i, f *= ratio)
        out.push_back(ImpedanceAt(c, i == points - 1 ? to : f));
    return out;
}

} // namespace formulas
