#include "core/Failure.h"
#include "PrintQString.h"
#include "core/FloatGuard.h"
#include "core/KeyFilter.h"
#include "core/Numbers.h"
#include "core/Regional.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorBoxText, DotAddedOnlyAfterCharactersBeyondDot) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"'1.5' n'est pas une valeur en virgule flottante correcte",
         "'1.5' n'est pas une valeur en virgule flottante correcte."},
        {"Image bitmap incorrecte", "Image bitmap incorrecte."},
        {"ends with a dot.", "ends with a dot."},
        {"ends with a blank ", "ends with a blank "},
        {"ends with (paren)", "ends with (paren)"},
        {"ends with a comma,", "ends with a comma,"},
        {"ends with a slash/", "ends with a slash/."},
        {"ends with 9", "ends with 9."},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::ErrorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown)) << c.message;
}

volatile long double g_zero = 0.0L; // keeps the compiler from folding the faults away
volatile long double g_one = 1.0L;

TEST(FloatGuard, RaisesTheComputationFailures) {
    const struct {
        long double (*compute)();
        const char* text;
    } cases[] = {
        {[] { return g_one / g_zero; }, "Division par zéro en virgule flottante"},
        {[] { return g_zero / g_zero; }, "Opération en virgule flottante incorrecte"},
        {[] { return std::sqrt(g_zero - g_one); }, "Opération en virgule flottante incorrecte"},
        {[] { return static_cast<long double>(static_cast<double>(g_one * 1E400L)); },
         "Débordement en virgule flottante"},
    };
    for (const auto& c : cases) {
        try {
            core::Guarded(c.compute);
            ADD_FAILURE() << "no failure, expected " << c.text;
        } catch (const core::Failure& f) {
            EXPECT_EQ(f.message(), QString::fromUtf8(c.text));
            EXPECT_STREQ(f.what(), c.text);
        }
    }
}

TEST(FloatGuard, UnderflowAndInexactStaySilent) {
    const long double tiny = core::Guarded([] { return static_cast<double>(g_one * 1E-320L) * 1E-10; });
    EXPECT_EQ(tiny, 0.0L);
    EXPECT_NO_THROW(core::Guarded([] { return g_one / 3.0L; }));
    // Flags left over from earlier work do not leak into the next guarded computation.
    volatile long double junk = g_one / g_zero;
    (void)junk;
    EXPECT_NO_THROW(core::Guarded([] { return g_one + g_one; }));
}

TEST(KeyFilter, OnlyNumericCharactersPass) {
    for (char16_t c = 0; c < 256; ++c) {
        const bool passes = c == 8 || c == 13 || c == ',' || c == '.' || (c >= '0' && c <= '9');
        EXPECT_EQ(core::FilterNumericKey(QChar(c)), passes ? QChar(c) : QChar(15)) << int(c);
    }
    EXPECT_EQ(core::FilterNumericKey(QChar(0x0661)), QChar(15)); // Arabic-Indic one
}

TEST(Regional, PinnedSeparatorsAreRestored) {
    const core::Separators before = core::CurrentSeparators();
    {
        core::PinnedSeparators french(core::FrenchSeparators());
        EXPECT_EQ(core::CurrentSeparators().decimal, QChar(','));
        {
            core::PinnedSeparators english(core::EnglishSeparators());
            EXPECT_EQ(core::CurrentSeparators().decimal, QChar('.'));
        }
        EXPECT_EQ(core::CurrentSeparators().decimal, QChar(','));
    }
    EXPECT_EQ(core::CurrentSeparators().decimal, before.decimal);
}

} // namespace
