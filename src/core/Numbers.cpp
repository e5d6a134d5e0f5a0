#include "core/Numbers.h"
#include "core/Failure.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

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

// The magnitude as 0.d1d2...d18 x 10^exponent, the 18 digits rounded to nearest.
struct Decimal {
    char digits[kSignificant + 1];
    int length = 0;   // significant digits kept (trailing zeros dropped); 0 means zero
    int exponent = 0; // E: 10^(E-1) <= magnitude < 10^E
};

Decimal ToDecimal(long double magnitude) {
    Decimal d;
    if (magnitude == 0.0L) return d;
    int e2 = 0;
    std::frexp(magnitude, &e2);
    int e10 = static_cast<int>(std::floor((e2 - 1) * 0.30102999566398119521L)) + 1;
    long double scaled = ScaleByTen(magnitude, kSignificant - e10);
    // The estimate of the exponent may be off by one either way.
    for (int i = 0; i < 2 && scaled >= static_cast<long double>(kTen18); ++i) {
        ++e10;
        scaled = ScaleByTen(magnitude, kSignificant - e10);
    }
    for (int i = 0; i < 2 && scaled < static_cast<long double>(kTen17); ++i) {
        --e10;
        scaled = ScaleByTen(magnitude, kSignificant - e10);
    }
    std::uint64_t n = static_cast<std::uint64_t>(std::llroundl(scaled));
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
