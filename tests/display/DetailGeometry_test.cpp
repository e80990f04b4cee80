#include <gtest/gtest.h>

#include <cmath>

#include "display/DetailGeometry.h"

using namespace tlv;

// Zooming around the cursor is the frame test's, through the wheel.
TEST(DetailGeometry, ZoomStaysWithinTheWaveform)
{
    const AxisLimits points = PointLimits(16384);
    AxisSpan in = FitSpan(points);
    // Zoomed in as far as it goes: eight points across, never fewer; out: never past the whole.
    for (int step = 0; step < 40; ++step)
        in = ZoomSpan(in, 0.5, 100, points);
    EXPECT_DOUBLE_EQ(in.width(), 7);
    EXPECT_EQ(ZoomSpan(in, 1e9, 100, points).width(), 16383);
    // At the edges the span moves inside instead of showing what is not there.
    const AxisSpan left = ZoomSpan({0, 100}, 2, 0, points);
    EXPECT_EQ(left.from, 0);
    EXPECT_EQ(left.to, 200);
    const AxisSpan right = ZoomSpan({16283, 16383}, 3, 16383, points);
    EXPECT_EQ(right.to, 16383);
    // A factor that is no number leaves the span alone.
    EXPECT_EQ(ZoomSpan({10, 20}, std::nan(""), 15, points).from, 10);
    EXPECT_EQ(ZoomSpan({10, 20}, 0, 15, points).to, 20);
}

TEST(DetailGeometry, PanStopsAtEachEndAndShortWaveformsStillShowTwoPoints)
{
    const AxisLimits points = PointLimits(100);
    EXPECT_EQ(PanSpan({10, 30}, -15, points).from, 0);
    EXPECT_EQ(PanSpan({10, 30}, -15, points).to, 20);
    EXPECT_EQ(PanSpan({10, 30}, 5, points).from, 15);
    EXPECT_EQ(PanSpan({10, 30}, 500, points).to, 99);
    for (int count : {0, 1, 2}) {
        const AxisSpan fit = FitSpan(PointLimits(count));
        EXPECT_EQ(fit.from, 0) << count;
        EXPECT_EQ(fit.to, 1) << count;
        EXPECT_EQ(ZoomSpan(fit, 0.1, 0.5, PointLimits(count)).width(), 1) << count;
    }
    EXPECT_DOUBLE_EQ(ZoomSpan({-5, 5}, 1e-6, 0, kVoltLimits).width(), 0.01);
}

TEST(DetailGeometry, TicksStandAtRoundValuesOneTwoOrFiveApart)
{
    const struct {
        double from, to;
        int most;
        std::vector<double> ticks;
    } cases[] = {
        {0, 16383, 10, {0, 2000, 4000, 6000, 8000, 10000, 12000, 14000, 16000}},
        {0, 16383, 8, {0, 5000, 10000, 15000}},
        {-5, 5, 10, {-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5}},
        {0, 60, 10, {0, 10, 20, 30, 40, 50, 60}},
        {0.11, 0.36, 5, {0.15, 0.2, 0.25, 0.3, 0.35}},
        {3, 3, 4, {}},
    };
    for (const auto& c : cases) {
        const std::vector<double> ticks = RoundTicks(c.from, c.to, c.most);
        ASSERT_EQ(ticks.size(), c.ticks.size()) << c.from << ".." << c.to;
        for (size_t k = 0; k < ticks.size(); ++k)
            EXPECT_NEAR(ticks[k], c.ticks[k], 1e-12) << c.from << ".." << c.to;
    }
}
