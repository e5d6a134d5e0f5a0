#include "formulas/Combinations.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace formulas {

namespace {

// Deviations closer than 1e-12 rank as equal: 1 k + 2 k and 1.5 k + 1.5 k tie however the sums
// round.
constexpr double kQuantum = 1e12;
double Quantised(double x) {
    return std::round(x * kQuantum);
}

// A capacitor's series is a resistor's parallel: the same search with the forms swapped.
Form Dual(Form form) {
    switch (form) {
    case Form::Series2:
        return Form::Parallel2;
    case Form::Parallel2:
        return Form::Series2;
    case Form::Series3:
        return Form::Parallel3;
    case Form::Parallel3:
        return Form::Series3;
    case Form::SeriesInParallel:
        return Form::ParallelInSeries;
    case Form::ParallelInSeries:
        return Form::SeriesInParallel;
    case Form::Single:
        break;
    }
    return Form::Single;
}

double Par(double a, double b) {
    return a * b / (a + b);
}

// The resistors' arithmetic.
double Arithmetic(Form form, double a, double b, double c) {
    switch (form) {
    case Form::Single:
        return a;
    case Form::Series2:
        return a + b;
    case Form::Parallel2:
        return Par(a, b);
    case Form::Series3:
        return a + b + c;
    case Form::Parallel3:
        return 1.0 / (1.0 / a + 1.0 / b + 1.0 / c);
    case Form::SeriesInParallel:
        return Par(a + b, c);
    case Form::ParallelInSeries:
        return Par(a, b) + c;
    }
    return 0;
}

// The `count` best combinations offered so far, best first, and the deviation beyond which an
// offer cannot enter.
class Best {
  public:
    explicit Best(const Search& search)
        : dual_(search.quantity == Quantity::Capacitance), target_(search.target),
          inverse_(1.0 / search.target), tolerance_(search.tolerance),
          count_(static_cast<std::size_t>(std::max(1, search.count))) {}

    double Deviation(double value) const { return (value - target_) * inverse_; }
    // Above the target by more than the last kept deviation: every larger value is out too.
    bool TooHigh(double value) const { return Deviation(value) > limit_; }
    bool TooLow(double value) const { return -Deviation(value) > limit_; }

    // False when the value is out of reach, so a walk away from the target can stop.
    bool Offer(Form arithmetic, double value, double a, double b = 0, double c = 0) {
        const double deviation = Deviation(value);
        if (std::fabs(deviation) > limit_) return false;
        Combination x;
        x.form = dual_ ? Dual(arithmetic) : arithmetic;
        x.parts = {a, b, c};
        x.value = value;
        x.deviation = deviation;
        // Every form scales with its parts, so the worst case has all of them low or all high.
        x.worstCase = std::max(std::fabs((1 + deviation) * (1 + tolerance_) - 1),
                               std::fabs((1 + deviation) * (1 - tolerance_) - 1));
        const auto at = std::upper_bound(kept_.begin(), kept_.end(), x, RanksBefore);
        if (kept_.size() == count_ && at == kept_.end()) return true;
        kept_.insert(at, x);
        if (kept_.size() > count_) kept_.pop_back();
        if (kept_.size() == count_) limit_ = (Quantised(std::fabs(kept_.back().deviation)) + 0.5) / kQuantum;
        return true;
    }

    std::vector<Combination> Take() { return std::move(kept_); }

  private:
    bool dual_;
    double target_;
    double inverse_;
    double tolerance_;
    std::size_t count_;
    std::vector<Combination> kept_;
    double limit_ = std::numeric_limits<double>::infinity();
};

// Offers the values at pos, pos + 1 ... while they are within reach, then pos - 1, pos - 2 ...
// `pos` is the first index whose part makes the target or more; every form grows with its last
// part, so the deviation only grows away from pos.
template <class F> void Walk(int low, int high, int pos, F&& offerAt) {
    for (int k = std::max(pos, low); k < high; ++k)
        if (!offerAt(k)) break;
    for (int k = std::min(pos, high) - 1; k >= low; --k)
        if (!offerAt(k)) break;
}

// The first index from `low` whose value is at least `ideal`.
int Position(const std::vector<double>& v, int low, double ideal) {
    if (!(ideal < std::numeric_limits<double>::infinity())) return static_cast<int>(v.size());
    return static_cast<int>(std::lower_bound(v.begin() + low, v.end(), ideal) - v.begin());
}

// The part that, with reciprocals summing to `rest`, makes the target: infinite when the others
// already make it or less.
double ReciprocalIdeal(double rest) {
    return rest > 0 ? 1.0 / rest : std::numeric_limits<double>::infinity();
}

void OfferExactSingle(Best& best, const Search& s) {
    const auto at = std::lower_bound(s.values.begin(), s.values.end(), s.target * (1 - 1e-12));
    if (at != s.values.end() && std::fabs(*at - s.target) <= 1e-12 * s.target)
        best.Offer(Form::Single, *at, *at);
}

} // namespace

Span CombinationSpan(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        return {1.0L, 1e7L};
    case Quantity::Capacitance:
        return {1e-12L, 1e-5L};
    case Quantity::Inductance:
        break;
    }
    return {1e-9L, 1e-2L};
}

int PartCount(Form form) {
    switch (form) {
    case Form::Single:
        return 1;
    case Form::Series2:
    case Form::Parallel2:
        return 2;
    default:
        return 3;
    }
}

double CombinedValue(Quantity quantity, Form form, double a, double b, double c) {
    return Arithmetic(quantity == Quantity::Capacitance ? Dual(form) : form, a, b, c);
}

bool RanksBefore(const Combination& x, const Combination& y) {
    const double dx = Quantised(std::fabs(x.deviation)), dy = Quantised(std::fabs(y.deviation));
    if (dx != dy) return dx < dy;
    if (PartCount(x.form) != PartCount(y.form)) return PartCount(x.form) < PartCount(y.form);
    const double wx = Quantised(x.worstCase), wy = Quantised(y.worstCase);
    if (wx != wy) return wx < wy;
    if (x.form != y.form) return x.form < y.form;
    return x.parts < y.parts;
}

std::vector<Combination> BestTwoParts(const Search& s) {
    Best best(s);
    OfferExactSingle(best, s);
    const std::vector<double>& v = s.values;
    const int n = static_cast<int>(v.size());
    const double t = s.target;
    for (int i = 0; i < n; ++i) { // a + b, a ≤ b
        const double a = v[i];
        if (best.TooHigh(2 * a)) break;
        Walk(i, n, Position(v, i, t - a),
             [&](int k) { return best.Offer(Form::Series2, a + v[k], a, v[k]); });
    }
    for (int i = 0; i < n; ++i) { // a ∥ b, a ≤ b: from a / 2 up to a
        const double a = v[i];
        if (best.TooHigh(a / 2)) break;
        if (best.TooLow(a)) continue;
        Walk(i, n, Position(v, i, ReciprocalIdeal(1 / t - 1 / a)),
             [&](int k) { return best.Offer(Form::Parallel2, Par(a, v[k]), a, v[k]); });
    }
    return best.Take();
}

std::vector<Combination> BestThreeParts(const Search& s) {
    Best best(s);
    OfferExactSingle(best, s);
    const std::vector<double>& v = s.values;
    const int n = static_cast<int>(v.size());
    if (n == 0) return best.Take();
    const double t = s.target;
    const double smallest = v.front();
    for (int i = 0; i < n; ++i) { // a + b + c, a ≤ b ≤ c
        const double a = v[i];
        if (best.TooHigh(3 * a)) break;
        for (int j = i; j < n; ++j) {
            const double b = v[j];
            if (best.TooHigh(a + 2 * b)) break;
            Walk(j, n, Position(v, j, t - a - b),
                 [&](int k) { return best.Offer(Form::Series3, a + b + v[k], a, b, v[k]); });
        }
    }
    for (int i = 0; i < n; ++i) { // a ∥ b ∥ c, a ≤ b ≤ c: below a
        const double a = v[i];
        if (best.TooHigh(a / 3)) break;
        if (best.TooLow(a)) continue;
        for (int j = i; j < n; ++j) {
            const double b = v[j];
            if (best.TooHigh(1 / (1 / a + 2 / b))) break;
            if (best.TooLow(Par(a, b))) continue;
            Walk(j, n, Position(v, j, ReciprocalIdeal(1 / t - 1 / a - 1 / b)), [&](int k) {
                return best.Offer(Form::Parallel3, Arithmetic(Form::Parallel3, a, b, v[k]), a, b, v[k]);
            });
        }
    }
    for (int i = 0; i < n; ++i) { // (a + b) ∥ c, a ≤ b: below a + b
        const double a = v[i];
        if (best.TooHigh(Par(2 * a, smallest))) break;
        for (int j = i; j < n; ++j) {
            const double sum = a + v[j];
            if (best.TooHigh(Par(sum, smallest))) break;
            if (best.TooLow(sum)) continue;
            Walk(0, n, Position(v, 0, ReciprocalIdeal(1 / t - 1 / sum)),
                 [&](int k) { return best.Offer(Form::SeriesInParallel, Par(sum, v[k]), a, v[j], v[k]); });
        }
    }
    for (int i = 0; i < n; ++i) { // (a ∥ b) + c, a ≤ b: above a ∥ b
        const double a = v[i];
        if (best.TooHigh(a / 2 + smallest)) break;
        for (int j = i; j < n; ++j) {
            const double par = Par(a, v[j]);
            if (best.TooHigh(par + smallest)) break;
            Walk(0, n, Position(v, 0, t - par),
                 [&](int k) { return best.Offer(Form::ParallelInSeries, par + v[k], a, v[j], v[k]); });
        }
    }
    return best.Take();
}

std::vector<double> CombinationValues(Series series, Span span) {
    std::vector<double> values;
    for (const StandardValue& v : ValuesInSpan(series, span.low, span.high))
        values.push_back(static_cast<double>(v.Value()));
    return values;
}

} // namespace formulas
