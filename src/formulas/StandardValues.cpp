#include "formulas/StandardValues.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace formulas {

namespace {

// IEC 60063:2015, "Preferred number series for resistors and capacitors": Table 1 (E3 to E24)
// and Table 2 (E48 to E192). The tables are data, not 10^(i/n): E3 to E24 keep the historical
// values (2.7, 3.0, 3.3, 3.6, 3.9, 4.3, 4.7, 8.2 are not the rounded formula), and E192 has 9.20
// where the formula gives 9.19. Written here as mantissas × 100.
const std::vector<int> kE3{100, 220, 470};
const std::vector<int> kE6{100, 150, 220, 330, 470, 680};
const std::vector<int> kE12{100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
const std::vector<int> kE24{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                            330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
const std::vector<int> kE48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
                            215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
                            464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
const std::vector<int> kE96{100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                            147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                            215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                            316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                            464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                            681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
const std::vector<int> kE192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126,
    127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160,
    162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328,
    332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530,
    536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// Values closer than this, relative, are the same value (a typed 4.7 k against 470 × 10).
constexpr long double kSame = 1e-12L;

// 10^n, exact for the exponents used here (5^27 still fits a long double's 64-bit mantissa).
long double PowerOfTen(int n) {
    long double p = 1.0L;
    for (int i = 0; i < std::abs(n); ++i)
        p *= 10.0L;
    return p;
}

// The values of the decades first to last, rising.
std::vector<StandardValue> Decades(Series series, int first, int last) {
    std::vector<StandardValue> values;
    for (int e = first; e <= last; ++e)
        for (int m : SeriesMantissas(series))
            values.push_back({m, e});
    return values;
}

bool Same(long double a, long double b) {
    return std::fabs(a - b) <= kSame * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

const char* SeriesName(Series series) {
    switch (series) {
    case Series::E3:
        return "E3";
    case Series::E6:
        return "E6";
    case Series::E12:
        return "E12";
    case Series::E24:
        return "E24";
    case Series::E48:
        return "E48";
    case Series::E96:
        return "E96";
    case Series::E192:
        return "E192";
    }
    return "";
}

const std::vector<int>& SeriesMantissas(Series series) {
    switch (series) {
    case Series::E3:
        return kE3;
    case Series::E6:
        return kE6;
    case Series::E12:
        return kE12;
    case Series::E24:
        return kE24;
    case Series::E48:
        return kE48;
    case Series::E96:
        return kE96;
    case Series::E192:
        break;
    }
    return kE192;
}

int SignificantFigures(Series series) {
    return series >= Series::E48 ? 3 : 2;
}

SeriesTolerance Tolerance(Series series) {
    switch (series) {
    case Series::E3:
        return {20, true};
    case Series::E6:
        return {20, false};
    case Series::E12:
        return {10, false};
    case Series::E24:
        return {5, false};
    case Series::E48:
        return {2, false};
    case Series::E96:
        return {1, false};
    case Series::E192:
        break;
    }
    return {0.5L, false};
}

long double StandardValue::Value() const {
    const int power = exponent - 2;
    return power >= 0 ? mantissa * PowerOfTen(power) : mantissa / PowerOfTen(power);
}

Neighbours FindNeighbours(long double value, Series series) {
    // The value's decade from log10, which may be one off at a power of ten: the decades on
    // either side are listed too, so the neighbours are always among them.
    const int decade = static_cast<int>(std::floor(std::log10(value)));
    const std::vector<StandardValue> values = Decades(series, decade - 1, decade + 2);
    const auto at = [&](std::size_t i) { return values[i].Value(); };
    std::size_t above = 0;
    while (above < values.size() && at(above) < value && !Same(at(above), value))
        ++above;
    if (Same(at(above), value)) return {values[above], values[above - 1], values[above + 1]};
    const StandardValue below = values[above - 1];
    const long double down = value - below.Value();
    const long double up = at(above) - value;
    const bool tie = Same(down, up) || std::fabs(down - up) <= kSame * value;
    return {(tie || up < down) ? values[above] : below, below, values[above]};
}

long double DeviationPercent(long double value, long double target) {
    return (value - target) / target * 100.0L;
}

RingCode Rings(const StandardValue& value, int figures) {
    RingCode code;
    const int power = value.exponent - (figures - 1);
    if (power < -2 || power > 9) return code;
    code.power = power;
    const int digits = figures == 2 ? value.mantissa / 10 : value.mantissa;
    for (int divisor = figures == 2 ? 10 : 100; divisor > 0; divisor /= 10)
        code.figures.push_back(digits / divisor % 10);
    return code;
}

long double ToleranceRingPercent(Series series) {
    return Tolerance(series).percent;
}

QString SmdCode(const StandardValue& value, int figures) {
    const int digits = figures == 2 ? value.mantissa / 10 : value.mantissa;
    const QString text = QString::number(digits);
    const int power = value.exponent - (figures - 1);
    if (power > 9) return {};
    if (power >= 0) return text + QString::number(power);
    // Below the first whole code the decimal point is written R: 4R7, R47, 10R0, R100.
    const int point = figures + power; // figures before the point
    if (point < 0) return QLatin1Char('R') + QString(-point, QLatin1Char('0')) + text;
    return text.left(point) + QLatin1Char('R') + text.mid(point);
}

QString Eia96Code(const StandardValue& value) {
    const auto found = std::find(kE96.begin(), kE96.end(), value.mantissa);
    if (found == kE96.end()) return {};
    static const char kLetters[] = "ZYXABCDEF"; // 10^-3 to 10^5
    const int letter = value.exponent - 2 + 3;
    if (letter < 0 || letter > 8) return {};
    const int index = static_cast<int>(std::distance(kE96.begin(), found)) + 1;
    return QStringLiteral("%1%2").arg(index, 2, 10, QLatin1Char('0')).arg(QLatin1Char(kLetters[letter]));
}

std::vector<StandardValue> ValuesInSpan(Series series, long double low, long double high) {
    const int first = static_cast<int>(std::floor(std::log10(low))) - 1;
    const int last = static_cast<int>(std::floor(std::log10(high))) + 1;
    std::vector<StandardValue> values;
    for (const StandardValue& v : Decades(series, first, last)) {
        const long double x = v.Value();
        if ((x >= low || Same(x, low)) && (x <= high || Same(x, high))) values.push_back(v);
    }
    return values;
}

} // namespace formulas
