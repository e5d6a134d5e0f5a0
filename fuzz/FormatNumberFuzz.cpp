// FormatNumber over any value, format, precision and digits count: the text holds only what a
// number is written with, a special value its name, and the general display parses back close
// to the value.
#include "FuzzSupport.h"

#include "core/Failure.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool WrittenWith(const QString& text, const core::Separators& s, bool grouped) {
    for (QChar c : text)
        if (!c.isDigit() && c != QLatin1Char('-') && c != QLatin1Char('E') && c != s.decimal &&
            !(grouped && c == s.thousands))
            return false;
    return !text.isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A double, a binary scale reaching the whole extended range, format, precision, digits,
    // separators.
    if (size < 14) return 0;
    double base;
    std::memcpy(&base, data, sizeof base);
    const int scale = int(std::int16_t(data[8] | (data[9] << 8))) % 17000;
    const auto format = static_cast<core::FloatFormat>(data[10] % 3);
    const int precision = int(std::int8_t(data[11]));
    const int digits = int(std::int8_t(data[12]));
    const core::Separators separators = fuzz::SeparatorsOf(data[13]);
    const long double value = std::ldexp(static_cast<long double>(base), scale);

    const QString text = core::FormatNumber(value, format, precision, digits, separators);
    const QString detail = QStringLiteral("%1 format %2 precision %3 digits %4 -> %5")
                               .arg(double(value))
                               .arg(int(format))
                               .arg(precision)
                               .arg(digits)
                               .arg(text);
    if (std::isnan(value)) {
        fuzz::Require(text == QStringLiteral("NAN"), "not-a-number", detail);
        return 0;
    }
    if (std::isinf(value)) {
        fuzz::Require(text == (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF")), "infinity", detail);
        return 0;
    }
    fuzz::Require(WrittenWith(text, separators, format == core::FloatFormat::Number), "number characters",
                  detail);
    fuzz::Require(!text.startsWith(QLatin1Char('-')) || value < 0, "a minus sign only before a negative",
                  detail);

    // The general display of a value the windows can store reads back within its precision.
    if (format != core::FloatFormat::General || value == 0 || std::fabs(value) < 1e-300L ||
        std::fabs(value) > 1e300L)
        return 0;
    const int kept = std::clamp(precision, 2, 18);
    long double back = 0;
    try {
        back = core::ParseNumber(text, separators);
    } catch (const core::ConversionError&) {
        fuzz::Require(false, "the general display parses", detail);
    }
    const long double error = std::fabs(back - value) / std::fabs(value);
    fuzz::Require(error <= std::pow(10.0L, 1 - kept), "the general display keeps its precision", detail);
    return 0;
}
