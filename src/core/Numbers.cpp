#include "core/Numbers.h"
#include "core/Failure.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace core {
namespace {

constexpr int kSignificant = 18;
constexpr std::uint64_t kTen17 = 100000000000000000ULL;
constexpr std::uint64_t kTen18 = 1000000000000000000ULL;

// 10^k in extended precision. Up to 10^27 the powers are exact; beyond that they come
// correctly rounded from the C library, once each.
long double PowerOfTen(int k) {
    static long double exact[28] = {};
    static bool exactReady = false;
    if (!exactReady) {
        long double p = 1.0L;
        for (long double& e : exact) {
            e = p;
            p *= 10.0L;
        }
        exactReady = true;
    }
    if (k < 28) return exact[k];
    static long double cache[4940] = {};
    if (k >= 4940) return HUGE_VALL;
    if (cache[k] == 0.0L) {
        const std::string text = "1e" + std::to_string(k);
        cache[k] = std::strtold(text.c_str(), nullptr);
    }
    return cache[k];
}

long double ScaleByTen(long double v, int k) {
    // Split very large shifts so that subnormal inputs do not overflow the power.
    while (k > 4900) {
        v *= PowerOfTen(4900);
        k -= 4900;
    }
    while (k < -4900) {
        v /= PowerOfTen(4900);
        k += 4900;
    }
    return k >= 0 ? v * PowerOfTen(k) : v / PowerOfTen(-k);
}

using U128 = unsigned __int128;

// 5^k for k <= 55, the largest power below 2^128; 5^27 is the largest below 2^64.
constexpr int kMaxFive = 55;
constexpr int kMaxFiveDivisor = 27;
struct Fives {
    U128 p[kMaxFive + 1];
};
constexpr Fives MakeFives() {
    Fives f{};
    U128 v = 1;
    for (int k = 0; k <= kMaxFive; ++k, v *= 5)
        f.p[k] = v;
    return f;
}
constexpr Fives kFives = MakeFives();

// A little-endian unsigned big integer: only what deciding a rounding boundary needs.
class Big {
  public:
    explicit Big(U128 v) {
        for (; v != 0; v >>= 32)
            limbs_.push_back(static_cast<std::uint32_t>(v));
    }
    void MultiplyByPowerOfFive(int k) {
        for (; k > 0; k -= 13)
            Multiply(k >= 13 ? 1220703125u : static_cast<std::uint32_t>(kFives.p[k]));
    }
    void ShiftLeft(int bits) {
        Multiply(std::uint32_t{1} << (bits % 32));
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0u);
    }
    // Below, equal or above `other`: -1, 0 or 1.
    int Compare(const Big& other) const {
        if (limbs_.size() != other.limbs_.size()) return limbs_.size() > other.limbs_.size() ? 1 : -1;
        for (std::size_t i = limbs_.size(); i-- > 0;)
            if (limbs_[i] != other.limbs_[i]) return limbs_[i] > other.limbs_[i] ? 1 : -1;
        return 0;
    }

  private:
    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            carry += static_cast<std::uint64_t>(limb) * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }
    std::vector<std::uint32_t> limbs_;
};

// The magnitude m * 2^e scaled by 10^q: its integer part and whether the rest is one half or
// more, and exactly one half.
struct Scaled {
    std::uint64_t whole = 0;
    bool halfOrMore = false;
    bool exactlyHalf = false;

    // To nearest, ties to even.
    std::uint64_t Rounded() const { return whole + (halfOrMore && (!exactlyHalf || (whole & 1)) ? 1 : 0); }
};

// Exact: m * 2^e * 10^q against (whole + 0.5) (-1, 0, 1), decided on integers. Slow; only for
// values whose scaled extended-precision estimate lies too near the boundary to trust.
int CompareToHalfExactly(std::uint64_t m, int e, int q, std::uint64_t whole) {
    Big lhs(m);
    Big rhs(static_cast<U128>(whole) * 2 + 1);
    if (q >= 0)
        lhs.MultiplyByPowerOfFive(q);
    else
        rhs.MultiplyByPowerOfFive(-q);
    const int twos = e + q + 1;
    if (twos >= 0)
        lhs.ShiftLeft(twos);
    else
        rhs.ShiftLeft(-twos);
    return lhs.Compare(rhs);
}

// Where 10^q is 5^q (at most 128 bits) times a power of two, the product is exact in 192 bits.
// The caller's estimate keeps the scaled value below 10^19 < 2^64.
Scaled ScaleUpExactly(std::uint64_t m, int e, int q) {
    const U128 five = kFives.p[q];
    const U128 low = static_cast<U128>(m) * static_cast<std::uint64_t>(five);
    const U128 high = static_cast<U128>(m) * static_cast<std::uint64_t>(five >> 64);
    const U128 middle = (low >> 64) + static_cast<std::uint64_t>(high);
    const std::uint64_t w[4] = {
        static_cast<std::uint64_t>(low), static_cast<std::uint64_t>(middle),
        static_cast<std::uint64_t>(high >> 64) + static_cast<std::uint64_t>(middle >> 64), 0};
    Scaled r;
    const int shift = -(e + q);
    if (shift <= 0) {
        r.whole = w[0] << -shift;
        return r;
    }
    auto bits = [&w](int from) { // 64 bits of the product starting at bit `from`
        const int word = from / 64, bit = from % 64;
        if (word >= 3) return std::uint64_t{0};
        return bit == 0 ? w[word] : (w[word] >> bit) | (w[word + 1] << (64 - bit));
    };
    r.whole = bits(shift);
    r.halfOrMore = (bits(shift - 1) & 1) != 0;
    // Exactly half when no bit below the half's is set.
    bool below = false;
    for (int word = 0, rest = shift - 1; rest > 0; ++word, rest -= 64)
        below = below || (rest >= 64 ? w[word] : w[word] & ((std::uint64_t{1} << rest) - 1)) != 0;
    r.exactlyHalf = r.halfOrMore && !below;
    return r;
}

// 10^q with q < 0 and 5^-q below 2^64: one exact division.
Scaled ScaleDownExactly(std::uint64_t m, int e, int q) {
    const int shift = e + q;
    U128 numerator = m;
    U128 denominator = static_cast<std::uint64_t>(kFives.p[-q]);
    if (shift >= 0)
        numerator <<= shift;
    else
        denominator <<= -shift;
    Scaled r;
    r.whole = static_cast<std::uint64_t>(numerator / denominator);
    const U128 twice = (numerator % denominator) * 2;
    r.halfOrMore = twice >= denominator;
    r.exactlyHalf = twice == denominator;
    return r;
}

// Far outside the calculators' range: scale in extended precision, which is off by less than
// 2^-63 relative (under 1/8 of a unit below 2^60), and decide exactly only near the boundary.
Scaled ScaleApproximately(long double magnitude, std::uint64_t m, int e, int q) {
    constexpr long double kDoubt = 0.15L;
    const long double scaled = ScaleByTen(magnitude, q);
    Scaled r;
    r.whole = static_cast<std::uint64_t>(scaled);
    const long double rest = scaled - static_cast<long double>(r.whole);
    const bool far = q >= -4900 && q <= 4900 && std::fabs(rest - 0.5L) > kDoubt;
    const int half = far ? (rest > 0.5L ? 1 : -1) : CompareToHalfExactly(m, e, q, r.whole);
    r.halfOrMore = half >= 0;
    r.exactlyHalf = half == 0;
    return r;
}

Scaled Scale(long double magnitude, std::uint64_t m, int e, int q) {
    if (q >= 0 && q <= kMaxFive) return ScaleUpExactly(m, e, q);
    if (q < 0 && q >= -kMaxFiveDivisor) return ScaleDownExactly(m, e, q);
    return ScaleApproximately(magnitude, m, e, q);
}

// The magnitude as 0.d1d2...d18 x 10^exponent, the 18 digits correctly rounded (to nearest,
// ties to even, as the FPU and the C library round) from the value's exact binary expansion.
struct Decimal {
    char digits[kSignificant + 1];
    int length = 0;   // significant digits kept (trailing zeros dropped); 0 means zero
    int exponent = 0; // E: 10^(E-1) <= magnitude < 10^E
};

Decimal ToDecimal(long double magnitude) {
    Decimal d;
    if (magnitude == 0.0L) return d;
    // The x87 format keeps its 64-bit significand whole, integer bit included: the magnitude is
    // exactly m * 2^e, read from the bits (frexp and ldexp on long double are library calls).
    static_assert(std::numeric_limits<long double>::digits == 64, "x87 extended precision");
    std::uint64_t m = 0;
    std::uint16_t biased = 0;
    std::memcpy(&m, &magnitude, sizeof m);
    std::memcpy(&biased, reinterpret_cast<const char*>(&magnitude) + sizeof m, sizeof biased);
    int e = (biased & 0x7FFF) == 0 ? 1 - 16383 - 63 : (biased & 0x7FFF) - 16383 - 63;
    const int leading = __builtin_clzll(m); // subnormals: shift the significand up
    m <<= leading;
    e -= leading;
    const int e2 = e + 64; // 2^(e2-1) <= magnitude < 2^e2
    // The estimate is the exponent or one below it.
    int e10 = static_cast<int>(std::floor((e2 - 1) * 0.30102999566398119521)) + 1;
    Scaled s = Scale(magnitude, m, e, kSignificant - e10);
    for (int i = 0; i < 2 && (s.whole >= kTen18 || s.whole < kTen17); ++i) {
        e10 += s.whole >= kTen18 ? 1 : -1;
        s = Scale(magnitude, m, e, kSignificant - e10);
    }
    std::uint64_t n = s.Rounded();
    if (n >= kTen18) {
        n /= 10;
        ++e10;
    }
    for (int i = kSignificant - 1; i >= 0; --i) {
        d.digits[i] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    d.length = kSignificant;
    d.exponent = e10;
    return d;
}

// Rounds half away from zero to `keep` digits and drops trailing zeros.
void RoundTo(Decimal& d, int keep) {
    if (keep < 0) {
        d.length = 0;
        return;
    }
    if (keep < d.length) {
        const bool up = d.digits[keep] >= '5';
        d.length = keep;
        if (up) {
            int i = keep - 1;
            while (i >= 0 && d.digits[i] == '9')
                --i;
            if (i < 0) {
                d.digits[0] = '1';
                d.length = 1;
                ++d.exponent;
            } else {
                ++d.digits[i];
                d.length = i + 1;
            }
        }
    }
    while (d.length > 0 && d.digits[d.length - 1] == '0')
        --d.length;
}

class Out {
  public:
    void put(char16_t c) { buf_[n_++] = c; }
    void put(QChar c) { buf_[n_++] = c.unicode(); }
    void zeros(int count) {
        for (int i = 0; i < count; ++i)
            buf_[n_++] = u'0';
    }
    void digits(const char* s, int count) {
        for (int i = 0; i < count; ++i)
            buf_[n_++] = static_cast<char16_t>(s[i]);
    }
    QString text() const { return QString(reinterpret_cast<const QChar*>(buf_), n_); }

  private:
    // Largest text: Number layout of 18 integer digits with separators and 18 decimals.
    char16_t buf_[96];
    int n_ = 0;
};

void WriteGeneral(Out& out, const Decimal& d, int precision, const Separators& s) {
    const int e = d.exponent;
    if (d.length == 0) {
        out.put(u'0');
    } else if (e >= -3 && e <= precision) {
        if (e <= 0) {
            out.put(u'0');
            out.put(s.decimal);
            out.zeros(-e);
            out.digits(d.digits, d.length);
        } else {
            const int intDigits = std::min(e, d.length);
            out.digits(d.digits, intDigits);
            out.zeros(e - intDigits);
            if (d.length > e) {
                out.put(s.decimal);
                out.digits(d.digits + e, d.length - e);
            }
        }
    } else {
        out.put(static_cast<char16_t>(d.digits[0]));
        if (d.length > 1) {
            out.put(s.decimal);
            out.digits(d.digits + 1, d.length - 1);
        }
        out.put(u'E');
        int x = e - 1;
        if (x < 0) {
            out.put(u'-');
            x = -x;
        }
        char tmp[8];
        int n = 0;
        do {
            tmp[n++] = static_cast<char>('0' + x % 10);
            x /= 10;
        } while (x > 0);
        while (n > 0)
            out.put(static_cast<char16_t>(tmp[--n]));
    }
}

void WriteFixed(Out& out, const Decimal& d, int digits, bool grouped, const Separators& s) {
    const int e = d.length == 0 ? 0 : d.exponent;
    if (e <= 0) {
        out.put(u'0');
    } else {
        for (int i = 0; i < e; ++i) {
            if (grouped && i > 0 && (e - i) % 3 == 0) out.put(s.thousands);
            out.put(i < d.length ? static_cast<char16_t>(d.digits[i]) : u'0');
        }
    }
    if (digits <= 0) return;
    out.put(s.decimal);
    int written = 0;
    if (e < 0) {
        const int lead = std::min(-e, digits);
        out.zeros(lead);
        written = lead;
    }
    for (int i = std::max(e, 0); i < d.length && written < digits; ++i, ++written)
        out.put(static_cast<char16_t>(d.digits[i]));
    out.zeros(digits - written);
}

inline bool IsDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

} // namespace

QString FormatNumber(long double value, FloatFormat format, int precision, int digits,
                     const Separators& separators) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    precision = std::clamp(precision, 2, 18);
    digits = std::clamp(digits, 0, 18);

    Decimal d = ToDecimal(std::fabs(value));
    if (d.length > 0) {
        const int keep =
            format == FloatFormat::General ? precision : std::min(d.exponent + digits, precision);
        RoundTo(d, keep);
    }
    if (format != FloatFormat::General && d.length > 0 && d.exponent > precision)
        format = FloatFormat::General;

    Out out;
    if (d.length > 0 && std::signbit(value)) out.put(u'-');
    if (format == FloatFormat::General)
        WriteGeneral(out, d, precision, separators);
    else
        WriteFixed(out, d, digits, format == FloatFormat::Number, separators);
    return out.text();
}

QString FormatGeneral(long double value, const Separators& separators) {
    return FormatNumber(value, FloatFormat::General, 15, 0, separators);
}

QChar ProbeDecimalSeparator(const Separators& separators) {
    return FormatGeneral(3.14159265358979323846L, separators).at(1);
}

QString ProbedText(const char* dotted, const Separators& separators) {
    QString text = QString::fromLatin1(dotted);
    if (ProbeDecimalSeparator(separators) != QChar('.')) text.replace(QChar('.'), QChar(','));
    return text;
}

QString RefreshDisplayText(const QString& shown, bool twoDigits, long double value,
                           const Separators& separators) {
    if (shown.isEmpty()) return shown;
    return twoDigits ? FormatNumber(value, FloatFormat::Fixed, 10, 2, separators)
                     : FormatNumber(value, FloatFormat::General, 10, 4, separators);
}

long double ParseNumber(const QString& text, const Separators& separators) {
    // Enough digits to round an 80-bit value correctly; the rest only counts as a sticky digit.
    constexpr std::size_t kKept = 40;
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();

    while (p < end && *p == QChar(' '))
        ++p;
    bool negative = false;
    if (p < end && (*p == QChar('+') || *p == QChar('-'))) {
        negative = *p == QChar('-');
        ++p;
    }

    std::string mantissa;
    mantissa.reserve(kKept + 16);
    long long exponent = 0;
    bool sticky = false;
    bool any = false;
    auto take = [&](char c, bool fraction) {
        if (mantissa.empty() && c == '0') {
            if (fraction) --exponent;
            return;
        }
        if (mantissa.size() < kKept) {
            mantissa.push_back(c);
            if (fraction) --exponent;
        } else {
            sticky = sticky || c != '0';
            if (!fraction) ++exponent;
        }
    };
    for (; p < end && IsDigit(*p); ++p) {
        any = true;
        take(static_cast<char>(p->unicode()), false);
    }
    if (p < end && *p == separators.decimal) {
        any = true;
        ++p;
        for (; p < end && IsDigit(*p); ++p)
            take(static_cast<char>(p->unicode()), true);
    }
    if (!any) throw ConversionError(text);

    if (p < end && (*p == QChar('E') || *p == QChar('e'))) {
        ++p;
        bool expNegative = false;
        if (p < end && (*p == QChar('+') || *p == QChar('-'))) {
            expNegative = *p == QChar('-');
            ++p;
        }
        int value = 0;
        for (; p < end && IsDigit(*p) && value < 500; ++p)
            value = value * 10 + (p->unicode() - '0');
        exponent += expNegative ? -value : value;
    }
    while (p < end && *p == QChar(' '))
        ++p;
    if (p != end) throw ConversionError(text);

    long double result = 0.0L;
    if (!mantissa.empty()) {
        if (sticky) mantissa.push_back('1'), --exponent;
        mantissa.push_back('e');
        mantissa += std::to_string(exponent);
        result = std::strtold(mantissa.c_str(), nullptr);
        if (std::isinf(result)) throw ConversionError(text);
    }
    return negative ? -result : result;
}

} // namespace core
