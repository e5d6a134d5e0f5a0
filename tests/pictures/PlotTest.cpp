#include "pictures/Plot.h"

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

} // namespace
