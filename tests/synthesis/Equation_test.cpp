#include <gtest/gtest.h>

#include <cmath>

#include "model/Scale.h"
#include "synthesis/Equation.h"
#include "synthesis/SegmentKinds.h"
#include "synthesis/SegmentPreview.h"
#include "synthesis/ShapeMaths.h"

namespace tlv {
namespace {

// Every noise() call draws the next of these.
UniformSource Draws(std::vector<double> values)
{
    auto next = std::make_shared<size_t>(0);
    return [values, next] { return values[(*next)++ % values.size()]; };
}

std::variant<EquationSegment, EquationError> Evaluate(const QString& expression, int points,
                                                 UniformSource noise = FreshNoiseSource())
{
    Equation equation(std::move(noise));
    if (auto error = equation.compile(expression))
        return *error;
    return equation.evaluate(points);
}

EquationSegment Segment(const QString& expression, int points)
{
    auto result = Evaluate(expression, points);
    if (auto* error = std::get_if<EquationError>(&result)) {
        ADD_FAILURE() << expression.toStdString() << ": " << error->text.toStdString();
        return {};
    }
    return std::get<EquationSegment>(result);
}

EquationError Error(const QString& expression, int points = 1000)
{
    auto result = Evaluate(expression, points);
    if (!std::holds_alternative<EquationError>(result)) {
        ADD_FAILURE() << expression.toStdString() << " was accepted";
        return {};
    }
    return std::get<EquationError>(result);
}

// The shape as the toolbar's defaults make it: 1000 points, one cycle, 0 degrees, 5 V, no offset.
std::vector<double> ShapeVolts(int kind, double cycles)
{
    const ShapeParameters shape{.kind = kind, .points = 1000, .cycles = cycles, .phase = 0,
                                .amplitude = 5000, .offset = 0, .damp = 0, .duty = 0.5};
    std::vector<double> volts;
    for (double mv : ShapeMillivolts(shape, kMaxPoints, {}))
        volts.push_back(mv / 1000);
    return volts;
}

TEST(Equation, SineEqualsTheSineShapeToTheTextsSevenDigits)
{
    const EquationSegment segment = Segment("5*sin(2*pi*t)", 1000);
    const std::vector<double> sine = ShapeVolts(Shape::Sine, 1);
    ASSERT_EQ(segment.volts.size(), 1000u);
    ASSERT_EQ(sine.size(), 1000u);
    // Half a unit of the seventh digit at full scale; the shape's ten-digit pi differs from pi by
    // 4e-10, which moves no value by more than 5e-9 V.
    for (size_t j = 0; j < sine.size(); ++j)
        ASSERT_NEAR(segment.volts[j], sine[j], 5e-7) << "n = " << j;
    EXPECT_EQ(segment.clipped, 0);
}

TEST(Equation, PeriodicFunctionsFollowTheProgramsShapes)
{
    // Four cycles of 250 points: square like Square at 50 % duty, triangle like Triangle.
    const EquationSegment square = Segment("5*square(4*t)", 1000);
    const EquationSegment triangle = Segment("5*triangle(4*t)", 1000);
    const std::vector<double> squareShape = ShapeVolts(Shape::Square, 4);
    const std::vector<double> triangleShape = ShapeVolts(Shape::Triangle, 4);
    ASSERT_EQ(squareShape.size(), 1000u);
    ASSERT_EQ(triangleShape.size(), 1000u);
    for (size_t j = 0; j < 1000; ++j) {
        ASSERT_EQ(square.volts[j], squareShape[j]) << "n = " << j;
        ASSERT_NEAR(triangle.volts[j], triangleShape[j], 1e-9) << "n = " << j;
    }
    // sawtooth rises from -1 at each whole number; Ramp also ends each cycle on its top point,
    // which sawtooth gives to the next cycle's start.
    const EquationSegment saw = Segment("5*sawtooth(4*t)", 1000);
    const std::vector<double> ramp = ShapeVolts(Shape::Ramp, 4);
    for (size_t j = 0; j < 1000; ++j) {
        if (j % 250 == 0 && j > 0)
            ASSERT_EQ(saw.volts[j], -5.0) << "n = " << j;
        else
            ASSERT_NEAR(saw.volts[j], ramp[j], 1e-9) << "n = " << j;
    }
    EXPECT_DOUBLE_EQ(saw.volts[249], 5.0 * (2 * 249.0 / 250 - 1));
}

TEST(Equation, SquareGivesFourPeriodsOfTwoVoltsWithEveryEdgeInPlace)
{
    const EquationSegment segment = Segment("square(t*4)*2", 1000);
    ASSERT_EQ(segment.volts.size(), 1000u);
    for (int j = 0; j < 1000; ++j) {
        // +2 V from each quarter's start up to its middle, -2 V on to its end.
        const double expected = (j % 250) < 125 ? 2.0 : -2.0;
        ASSERT_EQ(segment.volts[static_cast<size_t>(j)], expected) << "n = " << j;
    }
    int edges = 0;
    for (size_t j = 1; j < 1000; ++j)
        edges += segment.volts[j] != segment.volts[j - 1];
    EXPECT_EQ(edges, 7);
}

TEST(Equation, VariablesConstantsAndFunctions)
{
    struct Case {
        const char* expression;
        int points;
        int n;
        double volts;
    };
    const Case cases[] = {
        {"n", 5, 4, 4},
        {"N", 4, 3, 4},
        {"t", 8, 2, 0.25},
        {"pi", 1, 0, M_PI},
        {"e", 1, 0, M_E},
        {"sin(pi/2) + cos(0) + tan(pi/4)", 1, 0, 3},
        {"exp(1) - e", 1, 0, 0},
        {"log(e*e)", 1, 0, 2},
        {"sqrt(2)^2", 1, 0, 2},
        {"abs(-1.5)", 1, 0, 1.5},
        {"min(3, -2, 4) + max(1, 2)", 1, 0, 0},
        {"floor(-0.5) + floor(2.5)", 1, 0, 1},
        {"sign(-3) + 2*sign(0) + 4*sign(2)", 1, 0, 3},
        {"triangle(0.25) + triangle(0.5) - triangle(0.75)", 1, 0, 2},
        {"square(0.49999) - square(0.5) + square(1)", 1, 0, 3},
        {"sawtooth(0.75)", 1, 0, 0.5},
        // Negative arguments continue the period.
        {"square(-0.25)", 1, 0, -1},
        {"triangle(-0.25)", 1, 0, -1},
        {"sawtooth(-0.25)", 1, 0, 0.5},
        {"1e-3 * 2", 1, 0, 0.002},
        {"n < 2 ? 1 : -1", 4, 2, -1},
    };
    for (const Case& c : cases) {
        const EquationSegment segment = Segment(c.expression, c.points);
        ASSERT_EQ(segment.volts.size(), static_cast<size_t>(c.points)) << c.expression;
        EXPECT_NEAR(segment.volts[static_cast<size_t>(c.n)], c.volts, 1e-12) << c.expression;
    }
}

TEST(Equation, NoiseDrawsAnewAtEveryPointWithinMinusOneToOne)
{
    auto result = Evaluate("noise()", 4, Draws({0.0, 0.25, 0.5, 0x1.fffffffffffffp-1}));
    const auto& segment = std::get<EquationSegment>(result);
    EXPECT_EQ(segment.volts, (std::vector<double>{-1.0, -0.5, 0.0, 1.0 - 0x1.0p-52}));

    // A real source: not one value repeated, and inside [-1, 1).
    const EquationSegment fresh = Segment("noise()", 16383);
    double low = 1, high = -1;
    for (double v : fresh.volts) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_GE(low, -1.0);
    EXPECT_LT(high, 1.0);
    EXPECT_LT(low, -0.99);
    EXPECT_GT(high, 0.99);
}

TEST(Equation, AnExpressionThatCannotBeReadIsRefusedWithItsPosition)
{
    struct Case {
        const char* expression;
        int position;
    };
    const Case cases[] = {
        {"5*sin(2*pi*t", 12},   // a parenthesis is missing at the end
        {"5*sin(2*pi*q)", 11},  // an unknown name
        {"2 3", 2},
        {"5*+", 3},
        {"5*", 2},
        {"sin(1, 2)", 8},
        {"foo(t)", 0},
    };
    for (const Case& c : cases) {
        const EquationError error = Error(c.expression);
        EXPECT_EQ(error.position, c.position) << c.expression;
        EXPECT_EQ(error.point, -1) << c.expression;
        EXPECT_TRUE(error.text.startsWith("The expression cannot be read: ")) << c.expression;
        EXPECT_TRUE(error.text.contains(QString("position %1").arg(c.position)))
            << error.text.toStdString();
    }
    EXPECT_EQ(Error("5*sin(2*pi*q)").text,
              "The expression cannot be read: Unexpected token \"q\" at position 11.");
    EXPECT_EQ(Error("sin(1, 2)").text, "The expression cannot be read: Too many parameters for "
                                       "function \"sin\" at position 8.");
    EXPECT_EQ(Error("5*sin(2*pi*t").text,
              "The expression cannot be read: Missing parenthesis at position 12.");
    EXPECT_EQ(Error("5*+").text, "The expression cannot be read: Unexpected end of expression at "
                                 "position 3.");
    EXPECT_EQ(Error("").text, "The expression cannot be read: Expression is empty.");
}

TEST(Equation, ANonNumberRefusesTheSegmentAtTheFirstBadPoint)
{
    struct Case {
        const char* expression;
        int point;
    };
    const Case cases[] = {
        {"1/0", 0},
        {"log(-1)", 0},
        {"1/(n - 700)", 700},
        {"log(500 - n)", 500},
        {"square(1/(999 - n))", 999},
        {"triangle(1/(n - 3))", 3},
        {"sawtooth(1/(n - 4))", 4},
        {"exp(n)", 710},  // e^710 overflows a double
    };
    for (const Case& c : cases) {
        const EquationError error = Error(c.expression, 1000);
        EXPECT_EQ(error.point, c.point) << c.expression;
        EXPECT_EQ(error.position, -1) << c.expression;
        EXPECT_EQ(error.text, QString("The expression gives no number at n = %1.").arg(c.point));
    }
}

TEST(Equation, ClippingAtFiveVoltsIsCountedExactly)
{
    // n = 0..5: +5, +5.0001, +7, -5, -5.0001, -7
    const EquationSegment segment =
        Segment("n == 0 ? 5 : n == 1 ? 5.0001 : n == 2 ? 7 : n == 3 ? -5 : n == 4 ? -5.0001 : -7", 6);
    EXPECT_EQ(segment.volts, (std::vector<double>{5, 5, 5, -5, -5, -5}));
    EXPECT_EQ(segment.clipped, 4);
}

TEST(Equation, PointsOutsideOneTo16383AreRefused)
{
    EXPECT_EQ(Error("t", 0).text, "The points must be 1 to 16383.");
    EXPECT_EQ(Error("t", 16384).text, "The points must be 1 to 16383.");
    EXPECT_EQ(Segment("t", 16383).volts.back(), 16382.0 / 16383);
    EXPECT_EQ(Segment("t", 1).volts, std::vector<double>{0.0});
}

TEST(SegmentPreview, ColumnsKeepTheExtremesOfTheirShare)
{
    // 10 points into 4 columns: shares 0-1, 2-4, 5-6, 7-9.
    const std::vector<double> volts{5, -5, 0, 1, 2, 3, 3, -1, 4, -2};
    const std::vector<PreviewColumn> columns = PreviewColumns(volts, 4);
    ASSERT_EQ(columns.size(), 4u);
    const auto row = [](double v) { return MillivoltsToPlotY(v * 1000); };
    EXPECT_EQ(columns[0].top, row(5));
    EXPECT_EQ(columns[0].bottom, row(-5));
    EXPECT_EQ(columns[1].top, row(2));
    EXPECT_EQ(columns[1].bottom, row(0));
    EXPECT_EQ(columns[2].top, row(3));
    EXPECT_EQ(columns[2].bottom, row(3));
    EXPECT_EQ(columns[3].top, row(4));
    EXPECT_EQ(columns[3].bottom, row(-2));
    // Fewer points than columns: one column a point; nothing for nothing.
    EXPECT_EQ(PreviewColumns(volts, 512).size(), 10u);
    EXPECT_TRUE(PreviewColumns({}, 512).empty());
}

}  // namespace
}  // namespace tlv
