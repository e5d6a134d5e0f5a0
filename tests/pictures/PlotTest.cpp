#include "pictures/Plot.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(Plot, SiTextPicksThePrefixAndRoundsIntoTheNextOne) {
    const struct {
        double value;
        int digits;
        bool trim;
        const char* expected;
    } rows[] = {
        {5032.9212, 5, false, "5,0329 kHz"}, {0.5, 3, false, "500 mHz"},      {999.96, 4, false, "1,000 kHz"},
        {2e-7, 3, true, "200 nHz"},          {1e6, 3, true, "1 MHz"},         {0, 4, false, "0 Hz"},
        {-159.2357, 4, false, "-159,2 Hz"},  {1.5e-16, 2, false, "0,15 fHz"}, {50.329, 4, false, "50,33 Hz"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(pictures::SiText(r.value, r.digits, QLatin1Char(','), QStringLiteral("Hz"), r.trim),
                  QString::fromUtf8(r.expected))
            << r.value;
}

TEST(Plot, TicksAtOneTwoFive) {
    const std::vector<double> ticks = pictures::LogTicks125(50.33, 503.3);
    EXPECT_EQ(ticks, (std::vector<double>{100, 200, 500}));
    EXPECT_EQ(pictures::LogTicks125(1, 10), (std::vector<double>{1, 2, 5, 10}));
    EXPECT_TRUE(pictures::LogTicks125(0, 10).empty());
    // A log axis maps decades evenly and back.
    const pictures::Axis axis(10, 1e6, 0, 500, true);
    EXPECT_DOUBLE_EQ(axis.Map(1000), 200);
    EXPECT_NEAR(axis.Unmap(300), 1e4, 1e-8);
}

// Far more points than pixel columns: a column drawn as one point must still show a notch that
// only one of its points reaches, and a flat stretch stays where it is.
TEST(Plot, ThinnedCurveKeepsEachColumnsExtremes) {
    pictures::BodeData data;
    const int n = 2001, notch = 1000;
    for (int i = 0; i < n; ++i) {
        data.frequency.push_back(100 * std::pow(1000.0, double(i) / (n - 1)));
        data.magnitude.push_back(i == notch ? 10 : 1000);
        data.phase.push_back(0);
    }
    QImage image(420, 300, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    const pictures::BodeChart chart(data, image.rect(), {});
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    chart.Draw(p, pictures::PlotColoursFrom(paper));
    p.end();

    auto curveNear = [&](double x, double y) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                const QColor c = image.pixelColor(int(x) + dx, int(y) + dy);
                if (c.blue() > 150 && c.red() < 110 && c.green() < 110) return true;
            }
        return false;
    };
    const double x = chart.Frequency().Map(data.frequency[notch]);
    EXPECT_TRUE(curveNear(x, chart.Magnitude().Map(10))) << "the notch's bottom";
    EXPECT_TRUE(curveNear(chart.Frequency().Map(data.frequency[300]), chart.Magnitude().Map(1000)));
    EXPECT_FALSE(curveNear(chart.Frequency().Map(data.frequency[300]), chart.Magnitude().Map(100)));
}

} // namespace
