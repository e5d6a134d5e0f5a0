#pragma once
// The numeric key filter of value boxes: backspace, return, ",", "." and digits pass; every other
// typed character becomes code 15, which no box inserts.
#include <QChar>

namespace core {

constexpr char16_t BlockedKey = 15;

inline bool IsNumericKey(QChar c) {
    const char16_t u = c.unicode();
    return u == 8 || u == 13 || u == ',' || u == '.' || (u >= '0' && u <= '9');
}

inline QChar FilterNumericKey(QChar c) {
    return IsNumericKey(c) ? c : QChar(BlockedKey);
}

} // namespace core
