#include <gtest/gtest.h>

#include <cmath>

#include "synthesis/SegmentKinds.h"
#include "synthesis/ShapeMaths.h"

namespace tlv {
namespace {

ShapeParameters Make(int kind, double points = 2000, double cycles = 1, double phase = 0)
{
    ShapeParameters s;
    s.kind = kind;
    s.points = points;
    s.cycles = cycles;
    s.phase = phase;
    s.amplitude = 5000;
    s.offset = 0;
    s.duty = 0.5;
    s.damp = -0.1;
    return s;
}

std::vector<double> Values(const ShapeParameters& s, int limit = 16384)
{
    return ShapeMillivolts(s, limit, [] { return 0.5; });
}

TEST(ShapeMaths, SineUsesTheTenDigitConstants)
{
    auto v = Values(Make(Shape::Sine));
    ASSERT_EQ(v.size(), 2000u);
    EXPECT_EQ(v[0], 0.0);
    EXPECT_EQ(v[500], 5000.0);
    // 6.283185308 is a little above 2 pi, so half a period lands just past the zero crossing.
    EXPECT_NEAR(v[1000], -2.051034e-6, 1e-11);
    ShapeParameters shifted = Make(Shape::Sine, 2000, 1, 90);
    EXPECT_NEAR(Values(shifted)[0], 5000, 1e-6);
}

TEST(ShapeMaths, DampedSineEnvelopeSpansTheWholeSegment)
{
    ShapeParameters s = Make(Shape::DampedSine, 2000, 5);
    s.damp = -0.5;
    auto v = Values(s);
    ASSERT_EQ(v.size(), 2000u);
    // Period 400: the first crest at 100, a trough at 1900; the envelope is exp(-4 j / 2000).
    EXPECT_NEAR(v[100], 5000 * std::exp(-0.2), 0.01);
    EXPECT_NEAR(v[1900], -5000 * std::exp(-3.8), 0.01);
}

TEST(ShapeMaths, SquareHalvesDutyAndStartingHalf)
{
    auto v = Values(Make(Shape::Square));
    ASSERT_EQ(v.size(), 2000u);
    EXPECT_EQ(v[0], 5000);
    EXPECT_EQ(v[999], 5000);
    EXPECT_EQ(v[1000], -5000);
    EXPECT_EQ(v[1999], -5000);

    auto low = Values(Make(Shape::Square, 2000, 1, 180));
    EXPECT_EQ(low[0], -5000);
    EXPECT_EQ(low[999], -5000);
    EXPECT_EQ(low[1000], 5000);

    // The starting half switches at 180 degrees whatever the duty cycle.
    ShapeParameters quarter = Make(Shape::Square, 2000, 1, 179);
    quarter.duty = 0.25;
    auto a = Values(quarter);
    EXPECT_EQ(a[0], -5000);  // shifted 994 points: the high quarter is already over
    quarter.phase = 180;
    auto b = Values(quarter);
    EXPECT_EQ(b[999], -5000);
    EXPECT_EQ(b[1000], 5000);
    EXPECT_EQ(b[1499], 5000);
    EXPECT_EQ(b[1500], -5000);
}

TEST(ShapeMaths, RampFirstCycleReachesFullScale)
{
    auto v = Values(Make(Shape::Ramp, 2000, 2));
    ASSERT_EQ(v.size(), 2000u);
    EXPECT_EQ(v[0], -5000);
    EXPECT_EQ(v[1000], 5000);
    EXPECT_EQ(v[1001], -4990);
    EXPECT_EQ(v[1999], 4990);
}

TEST(ShapeMaths, TriangleQuartersAndPhases)
{
    auto v = Values(Make(Shape::Triangle));
    ASSERT_EQ(v.size(), 2000u);
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[500], 5000);
    EXPECT_EQ(v[501], 4990);
    EXPECT_EQ(v[1500], -5000);
    EXPECT_EQ(v[1999], -10);
    EXPECT_EQ(Values(Make(Shape::Triangle, 2000, 1, 90))[0], 5000);
    EXPECT_EQ(Values(Make(Shape::Triangle, 2000, 1, 180))[1], -10);
    EXPECT_EQ(Values(Make(Shape::Triangle, 2000, 1, 270))[0], -5000);
    EXPECT_EQ(Values(Make(Shape::Triangle, 2000, 1, 45))[0], 2500);
}

TEST(ShapeMaths, ExponentialsRestartEachCycleBeforeItsEnd)
{
    auto fall = Values(Make(Shape::ExpFall));
    ASSERT_EQ(fall.size(), 2000u);
    EXPECT_EQ(fall[0], 5000);
    EXPECT_NEAR(fall[1999], 5000 * std::exp(-8.0 * 1999 / 2000), 1e-9);

    auto rise = Values(Make(Shape::ExpRise));
    EXPECT_EQ(rise[0], 0);
    EXPECT_NEAR(rise[1999], 5000 * (1 - std::exp(-8.0 * 1999 / 2000)), 1e-9);

    // Two cycles: point 1000 opens the second cycle (a Ramp would end its first one there).
    auto twice = Values(Make(Shape::ExpFall, 2000, 2));
    EXPECT_EQ(twice[1000], 5000);
    EXPECT_NEAR(twice[999], 5000 * std::exp(-8.0 * 999 / 1000), 1e-9);
}

TEST(ShapeMaths, CycleShapesNeedAPhaseWithinOneTurn)
{
    for (int kind : {Shape::Square, Shape::Triangle, Shape::Ramp, Shape::ExpRise, Shape::ExpFall}) {
        EXPECT_TRUE(Values(Make(kind, 2000, 1, -1)).empty()) << kind;
        EXPECT_TRUE(Values(Make(kind, 2000, 1, 361)).empty()) << kind;
        EXPECT_EQ(Values(Make(kind, 2000, 1, 360)).size(), 2000u) << kind;
    }
    EXPECT_EQ(Values(Make(Shape::Sine, 2000, 1, 400)).size(), 2000u);
}

TEST(ShapeMaths, NoiseAndDcFormulas)
{
    ShapeParameters s = Make(Shape::Noise, 4);
    s.offset = 1000;
    EXPECT_EQ(ShapeMillivolts(s, 100, [] { return 0.75; }), std::vector<double>(4, 3500));
    EXPECT_EQ(ShapeMillivolts(s, 100, [] { return 0.0; }), std::vector<double>(4, -4000));
    ShapeParameters dc = Make(Shape::Dc, 3);
    dc.offset = -1000;
    EXPECT_EQ(Values(dc), std::vector<double>(3, -1000));
}

TEST(ShapeMaths, AbsurdParametersEndQuickly)
{
    for (int kind = Shape::Noise; kind <= Shape::DampedSine; ++kind) {
        // A limit caps every shape.
        EXPECT_EQ(Values(Make(kind, 1e9, 1), 16384).size(), 16384u) << kind;
        EXPECT_TRUE(Values(Make(kind, -5, 1)).empty()) << kind;
        // No cycles or far too many: the walked shapes yield nothing rather than walk forever.
        for (double cycles : {0.0, -1.0, 1e12}) {
            auto v = Values(Make(kind, 100, cycles));
            bool walked = kind == Shape::Square || kind == Shape::Triangle || kind == Shape::Ramp ||
                          kind == Shape::ExpRise || kind == Shape::ExpFall;
            EXPECT_EQ(v.size(), walked ? 0u : 100u) << kind << " " << cycles;
        }
    }
    // Many cycles within reach still work: 16 points, 2048 cycles.
    EXPECT_EQ(Values(Make(Shape::Ramp, 16, 2048)).size(), 16u);
}

TEST(ShapeMaths, ClipAndNoiseSource)
{
    EXPECT_EQ(ClipMillivolts(6000), 5000);
    EXPECT_EQ(ClipMillivolts(-7000), -5000);
    EXPECT_EQ(ClipMillivolts(123), 123);
    EXPECT_EQ(ClipMillivolts(std::nan("")), 0);

    UniformSource a = FreshNoiseSource(), b = FreshNoiseSource();
    bool differ = false;
    for (int i = 0; i < 1000; ++i) {
        double x = a();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        differ = differ || x != b();
    }
    EXPECT_TRUE(differ);
}

}  // namespace
}  // namespace tlv
