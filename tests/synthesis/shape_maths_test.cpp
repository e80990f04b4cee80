// The shapes' formulas where the segments_values and segments_toolbar scripts do not reach them:
// phases, a duty cycle from 180 degrees, an exponential's later cycles, and the refusals.
#include <gtest/gtest.h>

#include <cmath>

#include "synthesis/ShapeMaths.h"
#include "synthesis/ShapeTable.h"

namespace tlv {
namespace {

ShapeParameters Make(int kind, double cycles = 1, double phase = 0, double points = 2000, double duty = 0.5)
{
    return {.kind = kind, .points = points, .cycles = cycles, .phase = phase, .amplitude = 5000,
            .offset = 0, .damp = kind == Shape::DampedSine ? -0.5 : -0.1, .duty = duty};
}

std::vector<double> Values(const ShapeParameters& s, int limit = 16384)
{
    return ShapeMillivolts(s, limit, [] { return 0.5; });
}

TEST(ShapeMaths, PointsOfEachShape)
{
    const struct {
        ShapeParameters shape;
        int index;
        double millivolts, tolerance;
    } cases[] = {
        // 6.283185308 is a little above 2 pi: half a period lands just past the zero crossing.
        {Make(Shape::Sine), 1000, -2.051034e-6, 1e-11}, {Make(Shape::Sine, 1, 90), 0, 5000, 1e-6},
        // The low half comes first from 180 degrees whatever the duty cycle.
        {Make(Shape::Square, 1, 180, 2000, 0.25), 999, -5000, 0},
        {Make(Shape::Square, 1, 180, 2000, 0.25), 1499, 5000, 0},
        {Make(Shape::Square, 1, 180, 2000, 0.25), 1500, -5000, 0},
        {Make(Shape::Triangle, 1, 45), 0, 2500, 0}, {Make(Shape::Triangle, 1, 270), 0, -5000, 0},
        // An exponential's cycle ends before its end point, a Ramp's on it.
        {Make(Shape::ExpFall, 2), 1000, 5000, 0}, {Make(Shape::Ramp, 2), 1000, 5000, 0},
    };
    for (const auto& c : cases) {
        std::vector<double> v = Values(c.shape);
        ASSERT_EQ(v.size(), 2000u) << c.shape.kind;
        EXPECT_NEAR(v[static_cast<size_t>(c.index)], c.millivolts, c.tolerance)
            << "kind " << c.shape.kind << " phase " << c.shape.phase << " point " << c.index;
    }
}

TEST(ShapeMaths, CycleShapesNeedSaneCyclesAndPhase)
{
    for (int kind = Shape::Noise; kind <= Shape::DampedSine; ++kind) {
        const bool walked = kind != Shape::Sine && kind != Shape::DampedSine &&
                            kind != Shape::Noise && kind != Shape::Dc;
        const size_t none = walked ? 0 : 2000;
        EXPECT_EQ(Values(Make(kind, 1, -1)).size(), none) << kind;
        EXPECT_EQ(Values(Make(kind, 1, 361)).size(), none) << kind;
        EXPECT_EQ(Values(Make(kind, 1, 360)).size(), 2000u) << kind;
        // No cycles or far too many: nothing rather than a walk without end.
        for (double cycles : {0.0, -1.0, 1e12})
            EXPECT_EQ(Values(Make(kind, cycles)).size(), none) << kind << " " << cycles;
        EXPECT_EQ(Values(Make(kind, 1, 0, 1e9), 16384).size(), 16384u) << kind;
        EXPECT_TRUE(Values(Make(kind, 1, 0, -5)).empty()) << kind;
    }
    EXPECT_EQ(Values(Make(Shape::Ramp, 2048, 0, 16)).size(), 16u);
}

TEST(ShapeMaths, NoiseSpansTheAmplitudeAboutTheOffsetAndClipsAtFiveVolts)
{
    ShapeParameters noise = Make(Shape::Noise, 1, 0, 4);
    noise.offset = 1000;
    EXPECT_EQ(ShapeMillivolts(noise, 100, [] { return 0.75; }), std::vector<double>(4, 3500));
    EXPECT_EQ(ShapeMillivolts(noise, 100, [] { return 0.0; }), std::vector<double>(4, -4000));
    EXPECT_EQ(ClipMillivolts(6000), 5000);
    EXPECT_EQ(ClipMillivolts(-7000), -5000);
    EXPECT_EQ(ClipMillivolts(std::nan("")), 0);
    // Two segments' draws differ: NewSegment's NoiseIsUniformAndIndependent.
    UniformSource source = FreshNoiseSource();
    for (int i = 0; i < 1000; ++i) {
        const double x = source();
        ASSERT_TRUE(x >= 0 && x < 1) << x;
    }
}

}  // namespace
}  // namespace tlv
