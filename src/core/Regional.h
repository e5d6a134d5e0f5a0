#pragma once
// The regional separators, read in one place: from the system locale at start and again when
// the system announces a change; tests pin them.
#include "core/Numbers.h"
#include <optional>

namespace core {

Separators SystemSeparators();         // what QLocale::system() gives now
const Separators& CurrentSeparators(); // what every window uses
void RefreshSeparators();              // re-read the system (start, locale change)

// Pins the separators for the lifetime of the object (tests, tools).
class PinnedSeparators {
  public:
    explicit PinnedSeparators(Separators separators);
    ~PinnedSeparators();
    PinnedSeparators(const PinnedSeparators&) = delete;
    PinnedSeparators& operator=(const PinnedSeparators&) = delete;

  private:
    std::optional<Separators> previous_;
};

inline Separators FrenchSeparators() {
    return {QChar(','), QChar(0x00A0)};
}
inline Separators EnglishSeparators() {
    return {QChar('.'), QChar(',')};
}

} // namespace core
