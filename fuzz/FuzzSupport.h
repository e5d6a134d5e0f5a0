#pragma once
// What both fuzz targets share: the separators picked by an input byte, and the check that
// turns a broken property into a crash libFuzzer keeps.
#include "core/Numbers.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline core::Separators SeparatorsOf(std::uint8_t byte) {
    switch (byte % 3) {
    case 0:
        return {QChar('.'), QChar(',')};
    case 1:
        return {QChar(','), QChar(0x00A0)};
    default:
        return {QChar(','), QChar('.')};
    }
}

inline void Require(bool holds, const char* what, const QString& detail) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}

} // namespace fuzz
