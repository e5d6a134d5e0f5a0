#include "core/Numbers.h"
#include "PrintQString.h"
#include "core/Failure.h"
#include "core/FloatGuard.h"
#include "core/Regional.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

using core::FloatFormat;
using core::FormatNumber;
using core::ParseNumber;
using core::Separators;

namespace {

const Separators kEnglish{'.', ','};
const Separators kFrench{',', ' '};

// Writes an English-layout expectation in the given separators.
QString InSeparators(const char* english, const Separators& s) {
    QString out;
    for (const char* c = english; *c; ++c) {
        if (*c == '.')
            out += s.decimal;
        else if (*c == ',')
            out += s.thousands;
        else
            out += QChar(*c);
    }
    return out;
}

struct FormatCase {
    long double value;
    FloatFormat format;
    int precision;
    int digits;
    const char* text; // English layout
};

const FormatCase kFormatCases[] = {
    // the documented examples
    {1234.5L, FloatFormat::General, 10, 4, "1234.5"},
    {1.0L / 3.0L, FloatFormat::General, 10, 4, "0.3333333333"},
    {0.00001234L, FloatFormat::General, 10, 4, "1.234E-5"},
    {12345678901.0L, FloatFormat::General, 10, 4, "1.23456789E10"},
    {1E10L, FloatFormat::General, 10, 4, "1E10"},
    {3.14159265358979323846L, FloatFormat::General, 15, 0, "3.14159265358979"},
    {2.5L, FloatFormat::Fixed, 10, 2, "2.50"},
    {999.999L, FloatFormat::Fixed, 10, 2, "1000.00"},
    {0.005L, FloatFormat::Fixed, 10, 2, "0.01"},
    {12345678901.0L, FloatFormat::Fixed, 10, 2, "1.23456789E10"},
    {1234567.891L, FloatFormat::Number, 20, 2, "1,234,567.89"},
    {1234567.4L, FloatFormat::Number, 10, 0, "1,234,567"},
    {123.456L, FloatFormat::Number, 10, 4, "123.4560"},
    // edge cases
    {0.0001L, FloatFormat::General, 10, 4, "0.0001"},
    {0.00005L, FloatFormat::General, 10, 4, "5E-5"},
    {-0.004L, FloatFormat::Fixed, 10, 2, "0.00"},
    {-0.0L, FloatFormat::General, 15, 0, "0"},
    {-0.0L, FloatFormat::Number, 10, 4, "0.0000"},
    {0.0L, FloatFormat::Fixed, 10, 2, "0.00"},
    {-2.5L, FloatFormat::Fixed, 10, 2, "-2.50"},
    {-1234567.891L, FloatFormat::Number, 20, 2, "-1,234,567.89"},
    {999.5L, FloatFormat::Number, 10, 0, "1,000"},
    {9.9999999999L, FloatFormat::General, 10, 4, "10"},
    {99999999999.0L, FloatFormat::General, 10, 4, "1E11"},
    {1234567890.0L, FloatFormat::General, 10, 4, "1234567890"},
    {10.0L, FloatFormat::General, 2, 0, "10"},
    {100.0L, FloatFormat::General, 2, 0, "1E2"},
    {1500.0L, FloatFormat::General, 2, 0, "1.5E3"},
    {0.000123456L, FloatFormat::General, 3, 0, "0.000123"},
    {1.5E-300L, FloatFormat::General, 15, 0, "1.5E-300"},
    {-1.5E300L, FloatFormat::General, 15, 0, "-1.5E300"},
    {0.12345L, FloatFormat::Fixed, 10, 0, "0"},
    {0.5L, FloatFormat::Fixed, 10, 0, "1"},
    {0.05L, FloatFormat::Fixed, 10, 1, "0.1"},
    {0.0004L, FloatFormat::Fixed, 10, 3, "0.000"},
    {0.0006L, FloatFormat::Fixed, 10, 3, "0.001"},
    {1.0L, FloatFormat::Fixed, 10, 25, "1.000000000000000000"},         // digits count up to 18
    {1.0L / 3.0L, FloatFormat::General, 1, 0, "0.33"},                  // precision below 2 counts as 2
    {2.0L / 3.0L, FloatFormat::General, 40, 0, "0.666666666666666667"}, // above 18 counts as 18
    {159.23566878980891L, FloatFormat::Number, 10, 4, "159.2357"},
    {3184.7133757961783L, FloatFormat::Number, 10, 4, "3,184.7134"},
    {123456789.0L, FloatFormat::Number, 10, 4, "123,456,789.0000"},
    {1234567890.0L, FloatFormat::Number, 10, 4, "1,234,567,890.0000"},
    {1234567.891234L, FloatFormat::Number, 10, 4, "1,234,567.8910"}, // precision caps the digits
    {0.0002803738318L, FloatFormat::General, 10, 4, "0.0002803738318"},
};

class FormatTable : public ::testing::TestWithParam<Separators> {};

TEST_P(FormatTable, DocumentedAndEdgeCases) {
    const Separators s = GetParam();
    for (const FormatCase& c : kFormatCases) {
        EXPECT_EQ(FormatNumber(c.value, c.format, c.precision, c.digits, s), InSeparators(c.text, s))
            << "value " << static_cast<double>(c.value) << " expected " << c.text;
    }
}

TEST_P(FormatTable, SpecialValues) {
    const Separators s = GetParam();
    const long double inf = std::numeric_limits<long double>::infinity();
    for (FloatFormat f : {FloatFormat::General, FloatFormat::Fixed, FloatFormat::Number}) {
        EXPECT_EQ(FormatNumber(inf, f, 10, 2, s), "INF");
        EXPECT_EQ(FormatNumber(-inf, f, 10, 2, s), "-INF");
        EXPECT_EQ(FormatNumber(std::nanl(""), f, 10, 2, s), "NAN");
    }
}

struct ParseCase {
    const char* text; // English layout: "." is the regional decimal separator, ";" the other one
    bool valid;
    long double value;
};

const ParseCase kParseCases[] = {
    {"2.5", true, 2.5L},
    {"2;5", false, 0},
    {" 12 ", true, 12.0L},
    {"1E3", true, 1000.0L},
    {"1e3", true, 1000.0L},
    {"1E", true, 1.0L},
    {"1E+", true, 1.0L},
    {"1E-2", true, 0.01L},
    {".", true, 0.0L},
    {".5", true, 0.5L},
    {"5.", true, 5.0L},
    {"+7", true, 7.0L},
    {"-7.25", true, -7.25L},
    {"", false, 0},
    {"-", false, 0},
    {"+", false, 0},
    {"   ", false, 0},
    {"--1", false, 0},
    {"+-1", false, 0},
    {"1..5", false, 0},
    {"1.5.", false, 0},
    {"1 5", false, 0},
    {"a", false, 0},
    {"1a", false, 0},
    {"E5", false, 0},
    {"1E5E5", false, 0},
    {"1E499", true, 1E499L},
    {"1E500", true, 1E500L},
    {"1E5000", false, 0},
    {"1E-5000", false, 0},
    {"1E-499", true, 1E-499L},
    {"0E9999", false, 0},
    {"\t1", false, 0},
    {"0.1", true, 0.1L},
    {"000123.4500", true, 123.45L},
};

TEST_P(FormatTable, ParseCases) {
    const Separators s = GetParam();
    const QChar other = s.decimal == QChar('.') ? QChar(',') : QChar('.');
    for (const ParseCase& c : kParseCases) {
        QString text = QString::fromLatin1(c.text);
        text.replace(QChar('.'), s.decimal).replace(QChar(';'), other);
        if (c.valid) {
            long double v = 0;
            ASSERT_NO_THROW(v = ParseNumber(text, s)) << c.text;
            EXPECT_EQ(v, c.value) << c.text;
        } else {
            try {
                ParseNumber(text, s);
                ADD_FAILURE() << "no failure for '" << c.text << "'";
            } catch (const core::ConversionError& e) {
                EXPECT_EQ(
                    e.message(),
                    QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte").arg(text));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, FormatTable, ::testing::Values(kEnglish, kFrench),
                         [](const auto& info) {
                             return info.param.decimal == QChar('.') ? "English" : "French";
                         });

TEST(ParseNumber, StrangeTextsConvertOrFailWithTheirText) {
    const QString nines(10000, QChar('9'));
    const QString zeros = QStringLiteral("0.") + QString(10000, QChar('0')) + QStringLiteral("1");
    const QString withNul = QString::fromUtf16(u"1\u00002", 3);
    const QString arabic = QString::fromUtf16(u"\u0661\u0662");
    struct Case {
        QString text;
        bool valid;
    } cases[] = {
        {nines, false},                    // beyond the extended range
        {QString(4000, QChar('9')), true}, // 1e4000 still fits the extended range
        {zeros, true},
        {withNul, false},
        {arabic, false},
        {QStringLiteral("１２"), false}, // full-width digits
        {QString(10000, QChar('-')), false},
        {QString(10000, QChar(' ')), false},
    };
    for (const Case& c : cases) {
        if (c.valid) {
            EXPECT_NO_THROW(ParseNumber(c.text, kEnglish)) << c.text.left(20).toStdString();
        } else {
            try {
                ParseNumber(c.text, kEnglish);
                ADD_FAILURE() << "no failure for " << c.text.left(20).toStdString();
            } catch (const core::ConversionError& e) {
                EXPECT_TRUE(e.message().contains(c.text));
            }
        }
    }
    EXPECT_EQ(ParseNumber(zeros, kEnglish), 0.0L); // too small: becomes zero without failure
}

TEST(ParseNumber, LongMantissaRoundsCorrectly) {
    // 60 digits of 1/3: the kept digits and the sticky rest must still give the nearest value.
    const QString third = QStringLiteral("0.") + QString(60, QChar('3'));
    EXPECT_EQ(ParseNumber(third, kEnglish), std::strtold("0.333333333333333333333333333333", nullptr));
    const QString big = QString(30, QChar('1')) + QStringLiteral("000000000000000000000000000001");
    EXPECT_EQ(ParseNumber(big, kEnglish), std::strtold(big.toLatin1().constData(), nullptr));
}

// Generated doubles over the whole range, normal and subnormal.
std::vector<double> GeneratedDoubles(std::size_t count) {
    std::mt19937_64 rng(20261209);
    std::vector<double> out;
    out.reserve(count);
    while (out.size() < count) {
        std::uint64_t bits = rng();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) out.push_back(d);
    }
    out.push_back(DBL_MAX);
    out.push_back(-DBL_MAX);
    out.push_back(DBL_MIN);
    out.push_back(std::numeric_limits<double>::denorm_min());
    return out;
}

TEST(FormatNumber, RoundTripsEveryGeneratedDoubleAtEighteenDigits) {
    for (const Separators& s : {kEnglish, kFrench}) {
        for (double x : GeneratedDoubles(100000)) {
            const QString text = FormatNumber(x, FloatFormat::General, 18, 0, s);
            const double back = static_cast<double>(ParseNumber(text, s));
            ASSERT_EQ(back, x) << text.toStdString();
        }
    }
}

// The reference: glibc prints the exact binary expansion when asked for enough digits (a
// double's has at most 767 significant digits), then the 18th digit is rounded to nearest, an
// exact tie to the even digit.
std::string ExactlyRoundedEighteen(long double magnitude) {
    constexpr int kPrinted = 900;
    char buf[kPrinted + 32];
    std::snprintf(buf, sizeof buf, "%.*Le", kPrinted, magnitude);
    const std::string digits = std::string(1, buf[0]) + std::string(buf + 2, kPrinted);
    EXPECT_EQ(digits.find_last_not_of('0') < 850, true) << "expansion not exact: " << buf;
    int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    std::string kept = digits.substr(0, 18);
    const bool tie = digits[18] == '5' && digits.find_first_not_of('0', 19) == std::string::npos;
    if (digits[18] > '5' || (digits[18] == '5' && (!tie || (kept[17] - '0') % 2 == 1))) {
        int i = 17;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i < 0) {
            kept = "1" + kept.substr(0, 17);
            ++exponent;
        } else {
            ++kept[i];
        }
    }
    return kept.substr(0, 1) + "." + kept.substr(1) + "e" + std::to_string(exponent);
}

// Doubles in the calculators' range (a mantissa times a power of ten) and long doubles beside
// the doubles over the whole range.
std::vector<long double> ValuesForTheEighteenDigits() {
    std::vector<long double> out;
    for (double x : GeneratedDoubles(60000))
        out.push_back(x);
    std::mt19937_64 rng(8);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> decimal(-15, 15), binary(-1000, 1000);
    for (int i = 0; i < 60000; ++i)
        out.push_back(mantissa(rng) * std::pow(10.0, decimal(rng)));
    for (int i = 0; i < 20000; ++i)
        out.push_back(std::ldexp(static_cast<long double>(rng()), binary(rng)));
    // Exact binary ties at the 18th digit, (N + 1/2) x 10^j with N of 18 digits: with j = -k,
    // 2N + 1 = 5^k t and the value is t / 2^(k+1); with j = 1 it is 5 (2N + 1).
    for (int j = -7; j <= 1; ++j) {
        const int k = j < 0 ? -j : 0;
        std::uint64_t five = 1;
        for (int i = 0; i < k; ++i)
            five *= 5;
        std::uniform_int_distribution<std::uint64_t> odd(200000000000000000ULL / five / 2,
                                                         1999999999999999999ULL / five / 2);
        for (int i = 0; i < 100; ++i) {
            const std::uint64_t t = odd(rng) * 2 + 1; // 2N + 1 = 5^k t, between 2E17 and 2E18
            long double x = std::ldexp(static_cast<long double>(t), -(k + 1));
            for (int p = 0; p < j; ++p)
                x *= 10;
            out.push_back(x);
        }
    }
    return out;
}

TEST(FormatNumber, EighteenDigitsAreTheExactValueCorrectlyRounded) {
    const struct {
        long double value;
        const char* text;
    } named[] = {
        {8.1, "8.09999999999999964"},
        {0.1, "0.100000000000000006"},
        {1E23, "9.99999999999999916E22"},
        {(9007199254740991.0 - 2.0) / 16.0, "562949953421311.812"}, // a tie: to even
        {2.5E-11, "2.50000000000000009E-11"},
    };
    for (const auto& c : named) {
        EXPECT_EQ(FormatNumber(c.value, FloatFormat::General, 18, 0, kEnglish), c.text);
    }
    // Exact binary ties at the 18th digit go to the even digit there; a shorter display then
    // rounds those 18 digits half away from zero.
    const struct {
        long double value;
        FloatFormat format;
        int precision, digits;
        const char* text;
    } ties[] = {
        {67461649140059.65625L, FloatFormat::General, 18, 0, "67461649140059.6562"},
        {-67461649140059.65625L, FloatFormat::General, 18, 0, "-67461649140059.6562"},
        {515512382373201.8125L, FloatFormat::Number, 20, 6, "515,512,382,373,201.812000"},
        {17234894077727.78125L, FloatFormat::Number, 20, 6, "17,234,894,077,727.781200"},
        {0.125L, FloatFormat::General, 2, 0, "0.13"}, // half away at the kept length
        {123456789012345678.5L, FloatFormat::General, 18, 0, "123456789012345678"},
        {123456789012345677.5L, FloatFormat::General, 18, 0, "123456789012345678"},
        {123456789012345676.5L + 0x1p-6L, FloatFormat::General, 18, 0, "123456789012345677"}, // above half
        {1234567890123456785.0L, FloatFormat::General, 18, 0, "1.23456789012345678E18"},
        {1234567890123456775.0L, FloatFormat::General, 18, 0, "1.23456789012345678E18"},
    };
    for (const auto& c : ties)
        EXPECT_EQ(FormatNumber(c.value, c.format, c.precision, c.digits, kEnglish), c.text)
            << static_cast<double>(c.value);
    std::size_t compared = 0;
    for (long double x : ValuesForTheEighteenDigits()) {
        const long double expected = std::strtold(ExactlyRoundedEighteen(std::fabs(x)).c_str(), nullptr);
        for (const Separators& s : {kEnglish, kFrench}) {
            const QString text = FormatNumber(x, FloatFormat::General, 18, 0, s);
            ASSERT_EQ(std::fabs(ParseNumber(text, s)), expected)
                << text.toStdString() << " vs " << ExactlyRoundedEighteen(std::fabs(x));
            ++compared;
        }
    }
    EXPECT_EQ(compared, 2u * 140904u);
}

TEST(FormatNumber, AgreesWithTheCLibraryAtFifteenDigits) {
    // An independent rounding: glibc's correctly rounded %.14e of the same value.
    char buf[64];
    for (double x : GeneratedDoubles(20000)) {
        std::snprintf(buf, sizeof buf, "%.14e", x);
        const long double rounded = std::strtold(buf, nullptr);
        const QString ours = FormatNumber(x, FloatFormat::General, 15, 0, kEnglish);
        const long double parsed = ParseNumber(ours, kEnglish);
        // Equal unless x lies on a rounding boundary, where half-away and half-even may differ.
        if (parsed != rounded) {
            // Digits 16 to 18 then read 499 or 500: within the 18-digit reduction's last unit.
            std::snprintf(buf, sizeof buf, "%.20e", x);
            const std::string tail(buf + (buf[0] == '-' ? 17 : 16), 3);
            ASSERT_TRUE(tail == "499" || tail == "500") << ours.toStdString() << " vs " << buf;
        }
    }
}

TEST(FormatNumber, TextsAreWellFormed) {
    // No trailing separator, no trailing zero in General, decimals count honoured, no "-0".
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> digitsDist(0, 18), precisionDist(2, 18);
    for (const Separators& s : {kEnglish, kFrench}) {
        for (double x : GeneratedDoubles(100000)) {
            const int digits = digitsDist(rng), precision = precisionDist(rng);
            const QString g = FormatNumber(x, FloatFormat::General, precision, digits, s);
            ASSERT_FALSE(g.endsWith(s.decimal)) << g.toStdString();
            if (g.contains(s.decimal) && !g.contains('E')) {
                ASSERT_FALSE(g.endsWith('0')) << g.toStdString();
            }
            ASSERT_NE(g, "-0");
            ASSERT_LE(g.size(), 30);
            for (FloatFormat f : {FloatFormat::Fixed, FloatFormat::Number}) {
                const QString t = FormatNumber(x, f, precision, digits, s);
                if (t.contains('E')) continue; // fell back to General
                const int sep = t.indexOf(s.decimal);
                ASSERT_EQ(digits == 0 ? -1 : t.size() - sep - 1, digits == 0 ? sep : digits)
                    << t.toStdString();
                ASSERT_FALSE(t.startsWith('-') && QString(t).remove('-').remove(s.decimal).count('0') ==
                                                      t.size() - 1 - (digits > 0))
                    << t.toStdString();
            }
        }
    }
}

TEST(FormatNumber, ExtendedExtremes) {
    const long double big = std::numeric_limits<long double>::max();
    const long double tiny = std::numeric_limits<long double>::denorm_min();
    EXPECT_EQ(FormatNumber(big, FloatFormat::General, 5, 0, kEnglish), "1.1897E4932");
    EXPECT_EQ(FormatNumber(tiny, FloatFormat::General, 4, 0, kEnglish), "3.645E-4951");
    EXPECT_EQ(FormatNumber(big, FloatFormat::Number, 10, 2, kEnglish), "1.189731495E4932");
    EXPECT_EQ(FormatNumber(-tiny, FloatFormat::Fixed, 10, 2, kEnglish), "0.00");
}

TEST(DecimalSeparatorProbe, FollowsTheGeneralDisplay) {
    const struct {
        Separators separators;
        QChar probe;
        const char* text;
    } cases[] = {
        {kEnglish, '.', "8.2"},
        {kFrench, ',', "8,2"},
        {{QChar(0x066B), QChar(0x066C)}, QChar(0x066B), "8,2"}, // anything but "." writes ","
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::ProbeDecimalSeparator(c.separators), c.probe);
        EXPECT_EQ(core::ProbedText("8.2", c.separators), c.text);
    }
}

TEST(RefreshDisplay, TwoDigitRule) {
    EXPECT_EQ(core::RefreshDisplayText("", true, 31.4159L, kEnglish), "");
    EXPECT_EQ(core::RefreshDisplayText("", false, 31.4159L, kEnglish), "");
    EXPECT_EQ(core::RefreshDisplayText("31.4159", true, 31.4159L, kFrench), "31,42");
    EXPECT_EQ(core::RefreshDisplayText("31,42", false, 31.4159L, kFrench), "31,4159");
    EXPECT_EQ(core::RefreshDisplayText("x", false, 3.14E-5L, kEnglish), "3.14E-5");
}

} // namespace
