#pragma once
// Number entry and display: one parser and one formatter for every number the program shows.
#include <QChar>
#include <QString>

namespace core {

enum class FloatFormat { General, Fixed, Number };
struct Separators {
    QChar decimal{'.'};
    QChar thousands{','};
};

QString FormatNumber(long double value, FloatFormat format, int precision, int digits,
                     const Separators& separators);
long double ParseNumber(const QString& text, const Separators& separators); // throws core::ConversionError

// The general display of a single value (General, precision 15).
QString FormatGeneral(long double value, const Separators& separators);

// The decimal-separator probe of windows that build numeric texts of their own: pi in the
// general display, second character. Texts written with "." are rewritten with "," unless the
// probe reads ".".
QChar ProbeDecimalSeparator(const Separators& separators);
QString ProbedText(const char* dotted, const Separators& separators);

// "2 Digit" display rule: Fixed 10/2 when checked, General 10/4 otherwise; an empty label stays empty.
QString RefreshDisplayText(const QString& shown, bool twoDigits, long double value,
                           const Separators& separators);

} // namespace core
