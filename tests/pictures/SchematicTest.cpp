#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

#include "pictures/Formula.h"
#include "pictures/Schematic.h"

namespace {

using Part = std::function<void(QPainter&, QPointF, QPointF)>;

QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200) box |= QRect(x, y, 1, 1);
    return box;
}

QImage Drawn(const std::function<void(QPainter&)>& draw) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    pictures::SetWirePen(p);
    draw(p);
    return image;
}

struct TwoTerminal {
    const char* name;
    Part draw;
};

// A part must span its two terminals and stay close to the line joining them, whichever way
// that line runs.
TEST(Schematic, TwoTerminalPartsFollowTheirTerminals) {
    const TwoTerminal parts[] = {
        {"resistor", [](QPainter& p, QPointF a, QPointF b) { pictures::Resistor(p, a, b); }},
        {"capacitor", [](QPainter& p, QPointF a, QPointF b) { pictures::Capacitor(p, a, b); }},
        {"polarised", [](QPainter& p, QPointF a, QPointF b) { pictures::PolarisedCapacitor(p, a, b); }},
        {"inductor", [](QPainter& p, QPointF a, QPointF b) { pictures::Inductor(p, a, b); }},
        {"ac source", [](QPainter& p, QPointF a, QPointF b) { pictures::AcSource(p, a, b); }},
        {"battery", [](QPainter& p, QPointF a, QPointF b) { pictures::Battery(p, a, b); }},
        {"meter", [](QPainter& p, QPointF a, QPointF b) { pictures::Meter(p, a, b, 'V'); }},
    };
    for (const TwoTerminal& part : parts) {
        const QRect across = InkBox(Drawn([&](QPainter& p) { part.draw(p, {10, 50}, {90, 50}); }));
        const QRect down = InkBox(Drawn([&](QPainter& p) { part.draw(p, {50, 10}, {50, 90}); }));
        EXPECT_LE(across.left(), 11) << part.name;
        EXPECT_GE(across.right(), 89) << part.name;
        EXPECT_LE(across.height(), 30) << part.name;
        EXPECT_GT(across.height(), 3) << part.name; // a body, not only a wire
        EXPECT_LE(down.top(), 11) << part.name;
        EXPECT_GE(down.bottom(), 89) << part.name;
        EXPECT_LE(down.width(), 30) << part.name;
        EXPECT_GT(down.width(), 3) << part.name;
    }
}

TEST(Schematic, ArrowHeadIsAtItsTarget) {
    const QImage image = Drawn([](QPainter& p) { pictures::Arrow(p, {10, 50}, {90, 50}, 8); });
    auto column = [&](int x) {
        int ink = 0;
        for (int y = 0; y < 100; ++y)
            ink += qGray(image.pixel(x, y)) < 200;
        return ink;
    };
    EXPECT_GT(column(86), column(14) + 3);
}

TEST(Schematic, GroundHangsBelowItsPoint) {
    const QRect box = InkBox(Drawn([](QPainter& p) { pictures::Ground(p, {50, 40}, 20); }));
    EXPECT_GE(box.top(), 38);
    EXPECT_GT(box.bottom(), 48);
    EXPECT_GE(box.width(), 18);
}

struct Aligned {
    Qt::Alignment align;
    bool leftEdgeAtPoint;
};

TEST(Schematic, LabelsAlignOnTheirPoint) {
    const Aligned cases[] = {{Qt::AlignLeft | Qt::AlignVCenter, true},
                             {Qt::AlignRight | Qt::AlignVCenter, false}};
    for (const Aligned& c : cases) {
        const QRect box = InkBox(Drawn([&](QPainter& p) {
            pictures::Label(p, {50, 50}, "WWW", 14, true, c.align);
        }));
        if (c.leftEdgeAtPoint) {
            EXPECT_NEAR(box.left(), 50, 2);
        } else {
            EXPECT_NEAR(box.right(), 50, 2);
        }
    }
    const QRect centred = InkBox(Drawn([](QPainter& p) { pictures::Label(p, {50, 50}, "WWW", 14); }));
    EXPECT_NEAR(centred.center().x(), 50, 2);
    EXPECT_NEAR(centred.center().y(), 50, 3);
}

TEST(Schematic, RingedResistorShowsEveryRingColour) {
    const QVector<QColor> rings{Qt::red, Qt::green, Qt::blue, QColor(200, 160, 40)};
    const QImage image =
        Drawn([&](QPainter& p) { pictures::RingedResistor(p, QRectF(10, 40, 80, 20), rings); });
    for (const QColor& ring : rings) {
        bool found = false;
        for (int x = 10; x < 90 && !found; ++x)
            found = image.pixelColor(x, 50) == ring;
        EXPECT_TRUE(found) << ring.name().toStdString();
    }
}

struct Markup {
    const char* text;
    const char* same; // a markup that must lay out to the same width
};

// Spacing rules: a leading sign is not spaced like an operation, and braces only group.
TEST(Formula, GroupingAndSignsKeepTheirWidths) {
    EXPECT_LT(pictures::MeasureFormula("-a", 16).width,
              pictures::MeasureFormula("b - a", 16).width - pictures::MeasureFormula("b", 16).width);
    const Markup cases[] = {{"{a}", "a"}, {"x^2", "x^{2}"}, {"\\frac12", "\\frac{1}{2}"}};
    for (const Markup& c : cases) {
        EXPECT_DOUBLE_EQ(pictures::MeasureFormula(c.text, 16).width,
                         pictures::MeasureFormula(c.same, 16).width)
            << c.text;
    }
    EXPECT_GT(pictures::MeasureFormula("\\text{m / s}", 16).width,
              pictures::MeasureFormula("\\text{m/s}", 16).width);
}

TEST(Formula, LayoutScalesWithTypeSize) {
    const auto small = pictures::MeasureFormula("\\frac{1}{2 \\pi f C}", 10);
    const auto large = pictures::MeasureFormula("\\frac{1}{2 \\pi f C}", 30);
    EXPECT_NEAR(large.width / small.width, 3.0, 0.4);
    EXPECT_NEAR(large.height() / small.height(), 3.0, 0.4);
}

} // namespace
