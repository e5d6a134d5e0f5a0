#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include "pictures/Formula.h"
#include "pictures/Glyphs.h"

namespace {

using pictures::MeasureFormula;

struct Growth {
    const char* small;
    const char* large;
    bool taller; // else wider
};

// Each construct must take more room than its parts alone.
TEST(Formula, ConstructsGrowAroundTheirContent) {
    const Growth cases[] = {
        {"1", "\\frac{1}{2}", true},
        {"X_{L}", "\\frac{X_{L}}{R}", true},
        {"a", "\\sqrt{a}", false},
        {"R^{2} + X^{2}", "\\sqrt{R^{2} + X^{2}}", false},
        {"R^{2} + X^{2}", "\\sqrt{R^{2} + X^{2}}", true},
        {"(a)", "(\\frac{a}{b})", true},
        {"X", "X^{2}", false},
        {"X", "X_{c}", false},
        {"2 f C", "2 \\pi f C", false},
    };
    for (const Growth& c : cases) {
        const auto a = MeasureFormula(c.small, 16), b = MeasureFormula(c.large, 16);
        if (c.taller)
            EXPECT_GT(b.height(), a.height() + 2) << c.large;
        else
            EXPECT_GT(b.width, a.width + 2) << c.large;
    }
}

TEST(Formula, ScriptsSitAboveAndBelowTheBaseline) {
    const auto base = MeasureFormula("X", 20);
    EXPECT_GT(MeasureFormula("X^{2}", 20).ascent, base.ascent);
    EXPECT_GT(MeasureFormula("X_{c}", 20).descent, base.descent);
}

TEST(Formula, ParenthesesGrowWithTheirContent) {
    const auto flat = MeasureFormula("(a)", 16);
    const auto tall = MeasureFormula("(\\frac{\\frac{a}{b}}{c})", 16);
    const auto inner = MeasureFormula("\\frac{\\frac{a}{b}}{c}", 16);
    EXPECT_GE(tall.height(), inner.height());
    EXPECT_GT(tall.height(), flat.height() * 1.8);
}

TEST(Formula, CommandsBecomeSymbolsAndUnknownOnesStayVisible) {
    EXPECT_LT(MeasureFormula("\\pi", 16).width, MeasureFormula("pi", 16).width);
    EXPECT_LT(MeasureFormula("\\Omega", 16).width, MeasureFormula("Omega", 16).width * 0.5);
    EXPECT_GT(MeasureFormula("\\nosuchthing", 16).width, MeasureFormula("\\pi", 16).width * 4);
    EXPECT_EQ(MeasureFormula("", 16).width, 0);
}

// Bounding box of the pixels that differ from the background.
QRect Ink(const QImage& image, QRgb background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(Formula, DrawsCentredAndShrinksToFit) {
    const char* const markups[] = {"X_{c} = \\frac{1}{2 \\pi f C}", "Z = \\sqrt{R^{2} + (X_{L} - X_{C})^{2}}",
                                   "L = 0,314 N^{2} (\\sqrt{a} - \\sqrt{b})^{2}", "R = \\rho \\frac{L}{A}",
                                   "\\theta = \\arctan\\frac{X}{R}"};
    for (const char* markup : markups) {
        const QImage image = pictures::Formula(markup, {120, 40}, Qt::white, Qt::black, 40);
        ASSERT_EQ(image.size(), QSize(120, 40));
        const QRect ink = Ink(image, qRgb(255, 255, 255));
        ASSERT_FALSE(ink.isEmpty()) << markup;
        EXPECT_GE(ink.left(), 0);
        EXPECT_LE(std::abs(ink.center().x() - 60), 3) << markup;
        EXPECT_LE(std::abs(ink.center().y() - 20), 4) << markup;
        EXPECT_GT(ink.width(), 60) << markup; // shrunk to the box, not to a dot
    }
}

TEST(Glyphs, SizesAndColours) {
    struct Case {
        const char* what;
        QImage image;
        QSize size;
    };
    const Case cases[] = {
        {"heading", pictures::HeadingBar("CAPACITANCE"), {169, 17}},
        {"connector", pictures::ConnectorPicture(), {17, 9}},
        {"reset", pictures::ResetGlyph(), {18, 18}},
        {"printer", pictures::PrinterGlyph(), {20, 18}},
        {"oval", pictures::TableurOval("TABLEUR"), {113, 41}},
        {"oval 121", pictures::TableurOval("TABLEUR", {121, 41}), {121, 41}},
        {"legend", pictures::LegendSymbol("X_{c} =", {33, 17}), {33, 17}},
        {"box", pictures::FormulaBox("X_{c} = \\frac{1}{2 \\pi f C}", {177, 65}, Qt::green), {177, 65}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.image.size(), c.size) << c.what;
        QSet<QRgb> colours;
        for (int y = 0; y < c.image.height(); ++y)
            for (int x = 0; x < c.image.width(); ++x)
                colours.insert(c.image.pixel(x, y));
        EXPECT_GT(colours.size(), 2) << c.what;
    }
}

TEST(Glyphs, MarksAreInTheirColours) {
    const QColor reset = pictures::ResetGlyph().pixelColor(9, 9);
    EXPECT_GT(reset.red(), 150);
    EXPECT_LT(reset.green(), 80);
    const QImage bar = pictures::HeadingBar("UTILITY");
    const QColor blue = bar.pixelColor(4, 8);
    EXPECT_GT(blue.blue(), blue.red() + 60);
    const QImage oval = pictures::TableurOval("TABLE");
    bool yellow = false;
    for (int x = 0; x < oval.width(); ++x) {
        const QColor c = oval.pixelColor(x, 20);
        yellow = yellow || (c.red() > 200 && c.green() > 180 && c.blue() < 80);
    }
    EXPECT_TRUE(yellow);
}

} // namespace
