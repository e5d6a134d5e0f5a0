#include "core/Regional.h"
#include <QLocale>

namespace core {
namespace {
// Read at first use, not during static initialisation (no application exists then).
Separators& Current() {
    static Separators current = SystemSeparators();
    return current;
}
std::optional<Separators> g_pinned;
} // namespace

Separators SystemSeparators() {
    const QLocale locale = QLocale::system();
    Separators s;
    const QString dec = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!dec.isEmpty()) s.decimal = dec.front();
    if (!group.isEmpty()) s.thousands = group.front();
    return s;
}

const Separators& CurrentSeparators() {
    return g_pinned ? *g_pinned : Current();
}

void RefreshSeparators() {
    Current() = SystemSeparators();
}

PinnedSeparators::PinnedSeparators(Separators separators) : previous_(g_pinned) {
    g_pinned = separators;
}

PinnedSeparators::~PinnedSeparators() {
    g_pinned = previous_;
}

} // namespace core
