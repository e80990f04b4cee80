#include <gtest/gtest.h>

#include <cmath>

#include "model/Scale.h"
#include "synthesis/Equation.h"
#include "synthesis/ShapeTable.h"
#include "synthesis/SegmentPreview.h"

namespace tlv {
namespace {

std::variant<EquationSegment, EquationError> Evaluate(const QString& expression, int points,
                                                      UniformSource noise = FreshNoiseSource())
{
    Equation equation(std::move(noise));
    if (auto error = equation.compile(expression))
        return *error;
    return equation.evaluate(points);
}

std::vector<double> Volts(const QString& expression, int points, int clipped = 0)
{
    auto result = Evaluate(expression, points);
    const auto* segment = std::get_if<EquationSegment>(&result);
    if (!segment) {
        ADD_FAILURE() << expression.toStdString() << ": "
                      << std::get<EquationError>(result).text.toStdString();
        return std::vector<double>(static_cast<size_t>(points));
    }
    EXPECT_EQ(segment->clipped, clipped) << expression.toStdString();
    return segment->volts;
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

// A shape of 1000 points at 0 degrees, 5 V and no offset: the toolbar's defaults but the cycles.
std::vector<double> ShapeVolts(int kind, double cycles)
{
    const ShapeParameters shape{.kind = kind, .points = 1000, .cycles = cycles, .phase = 0,
                                .amplitude = 5000, .offset = 0, .damp = 0, .duty = 0.5};
    std::vector<double> volts;
    for (double mv : ShapeMillivolts(shape, kMaxPoints, {}))
        volts.push_back(mv / 1000);
    return volts;
}

TEST(Equation, SineAndThePeriodicFunctionsFollowTheProgramsShapes)
{
    struct Case {
        const char* expression;
        int kind;
        double cycles;
        // Half a unit of the texts' seventh digit at full scale for the sine: the shape's
        // ten-digit pi moves no value by more than 5e-9 V.
        double tolerance;
    };
    const Case cases[] = {{"5*sin(2*pi*t)", Shape::Sine, 1, 5e-7},
                          {"5*square(4*t)", Shape::Square, 4, 0},
                          {"5*triangle(4*t)", Shape::Triangle, 4, 1e-9},
                          {"5*sawtooth(4*t)", Shape::Ramp, 4, 1e-9}};
    for (const Case& c : cases) {
        const std::vector<double> volts = Volts(c.expression, 1000);
        const std::vector<double> shape = ShapeVolts(c.kind, c.cycles);
        ASSERT_EQ(shape.size(), 1000u);
        for (size_t j = 0; j < 1000; ++j) {
            // Ramp ends each cycle on its top point; sawtooth starts the next cycle there.
            const double expected = c.kind == Shape::Ramp && j % 250 == 0 && j > 0 ? -5 : shape[j];
            ASSERT_NEAR(volts[j], expected, c.tolerance) << c.expression << " at n = " << j;
        }
    }
}

TEST(Equation, SquareGivesFourPeriodsOfTwoVoltsWithEveryEdgeInPlace)
{
    const std::vector<double> volts = Volts("square(t*4)*2", 1000);
    for (int j = 0; j < 1000; ++j)
        ASSERT_EQ(volts[static_cast<size_t>(j)], j % 250 < 125 ? 2.0 : -2.0) << "n = " << j;
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
        {"n < 2 ? 1 : -1", 4, 2, -1},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Volts(c.expression, c.points)[static_cast<size_t>(c.n)], c.volts, 1e-12)
            << c.expression;
}

TEST(Equation, NoiseDrawsAnewAtEveryPointWithinMinusOneToOne)
{
    // Reading the expression draws nothing: the first point takes the first draw.
    const std::vector<double> draws{0.0, 0.25, 0.5, 0x1.fffffffffffffp-1};
    auto next = std::make_shared<size_t>(0);
    auto result = Evaluate("noise()", 4, [draws, next] { return draws[(*next)++]; });
    EXPECT_EQ(std::get<EquationSegment>(result).volts,
              (std::vector<double>{-1.0, -0.5, 0.0, 1.0 - 0x1.0p-52}));
}

TEST(Equation, AnExpressionThatCannotBeReadIsRefusedWithItsPosition)
{
    struct Case {
        const char* expression;
        const char* reason;
        int position;
    };
    const Case cases[] = {
        {"5*sin(2*pi*t", "Missing parenthesis at position 12", 12},  // the end of the text
        {"5*sin(2*pi*q)", "Unexpected token \"q\" at position 11", 11},
        {"2 3", "Unexpected value \"3\" at position 2", 2},
        {"5*", "Unexpected end of expression at position 2", 2},
        {"5*+", "Unexpected end of expression at position 3", 3},
        {"sin(1, 2)", "Too many parameters for function \"sin\" at position 8", 8},
        {"foo(t)", "Unexpected token \"foo\" at position 0", 0},
        {"", "Expression is empty", -1},
    };
    for (const Case& c : cases) {
        const EquationError error = Error(c.expression);
        EXPECT_EQ(error.text, QString("The expression cannot be read: %1.").arg(c.reason));
        EXPECT_EQ(error.position, c.position) << c.expression;
        EXPECT_EQ(error.point, -1) << c.expression;
    }
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
        {"exp(n)", 710},  // e^710 overflows a double
        {"square(1/(999 - n))", 999},
        {"triangle(1/(n - 3))", 3},
        {"sawtooth(1/(n - 4))", 4},
    };
    for (const Case& c : cases) {
        const EquationError error = Error(c.expression, 1000);
        EXPECT_EQ(error.text, QString("The expression gives no number at n = %1.").arg(c.point));
        EXPECT_EQ(error.point, c.point) << c.expression;
        EXPECT_EQ(error.position, -1) << c.expression;
    }
}

TEST(Equation, ClippingAtFiveVoltsIsCountedAndThePointsAreChecked)
{
    EXPECT_EQ(Volts("n == 0 ? 5 : n == 1 ? 5.0001 : n == 2 ? 7 : n == 3 ? -5 : n == 4 ? -5.0001 : -7",
                    6, 4),
              (std::vector<double>{5, 5, 5, -5, -5, -5}));
    EXPECT_EQ(Volts("t", 16383).back(), 16382.0 / 16383);
    EXPECT_EQ(Volts("t", 1), std::vector<double>{0.0});
    EXPECT_EQ(Error("t", 0).text, "The points must be 1 to 16383.");
    EXPECT_EQ(Error("t", 16384).text, "The points must be 1 to 16383.");
}

TEST(SegmentPreview, ColumnsKeepTheExtremesOfTheirShare)
{
    // 10 points into 4 columns: shares 0-1, 2-4, 5-6, 7-9.
    const std::vector<double> volts{5, -5, 0, 1, 2, 3, 3, -1, 4, -2};
    const std::vector<PreviewColumn> columns = PreviewColumns(volts, 4);
    const std::pair<double, double> expected[] = {{5, -5}, {2, 0}, {3, 3}, {4, -2}};
    ASSERT_EQ(columns.size(), 4u);
    for (size_t c = 0; c < 4; ++c) {
        EXPECT_EQ(columns[c].top, MillivoltsToPlotY(expected[c].first * 1000)) << c;
        EXPECT_EQ(columns[c].bottom, MillivoltsToPlotY(expected[c].second * 1000)) << c;
    }
    // Fewer points than columns: one column a point; nothing for nothing.
    EXPECT_EQ(PreviewColumns(volts, 512).size(), 10u);
    EXPECT_TRUE(PreviewColumns({}, 512).empty());
}

}  // namespace
}  // namespace tlv
