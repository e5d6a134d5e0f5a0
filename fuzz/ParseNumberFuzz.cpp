// ParseNumber over any text: it returns a finite number or throws the conversion failure,
// nothing else; and what it returns reads the same once formatted and parsed again.
#include "FuzzSupport.h"

#include "core/Failure.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const core::Separators separators = fuzz::SeparatorsOf(data[0]);
    // Latin-1, so that every byte is one character a user could have pasted.
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    long double value = 0;
    try {
        value = core::ParseNumber(text, separators);
    } catch (const core::ConversionError& e) {
        fuzz::Require(e.message().contains(text), "the failure quotes the text", text);
        return 0;
    }
    fuzz::Require(std::isfinite(value), "a parsed number is finite", text);

    // The windows store doubles; the general display of one parses back to the same display.
    const double stored = double(value);
    if (!std::isfinite(stored) || (stored != 0 && std::fabs(stored) < 1e-300)) return 0;
    const QString shown = core::FormatNumber(stored, core::FloatFormat::General, 15, 0, separators);
    long double again = 0;
    try {
        again = core::ParseNumber(shown, separators);
    } catch (const core::ConversionError&) {
        fuzz::Require(false, "a shown number parses", text + QStringLiteral(" -> ") + shown);
    }
    const QString shownAgain = core::FormatNumber(again, core::FloatFormat::General, 15, 0, separators);
    fuzz::Require(shownAgain == shown, "shown, parsed and shown again reads the same",
                  text + QStringLiteral(" -> ") + shown + QStringLiteral(" -> ") + shownAgain);
    return 0;
}
