// The equation: its reading, its values, and the Equation dialog that writes them.
#include <gtest/gtest.h>

#include <cmath>

#include "model/ScriptedPrompter.h"
#include "model/Scale.h"
#include "support/Prompts.h"
#include "synthesis/Equation.h"
#include "synthesis/EquationForm.h"
#include "synthesis/SegmentPreview.h"

namespace tlv {
namespace {
using test::FillWaveform;
using test::Messages;

std::variant<EquationSegment, EquationError> Evaluate(const QString& expression, int points,
                                                      UniformSource noise = FreshNoiseSource())
{
    Equation equation(std::move(noise));
    if (auto error = equation.compile(expression))
        return *error;
    return equation.evaluate(points);
}

// std::get throws, and so fails the test, when the equation gave the other result.
std::vector<double> Volts(const QString& expression, int points)
{
    return std::get<EquationSegment>(Evaluate(expression, points)).volts;
}

EquationError Error(const QString& expression, int points = 1000)
{
    return std::get<EquationError>(Evaluate(expression, points));
}

TEST(Equation, VariablesConstantsAndFunctions)
{
    const struct {
        const char* expression;
        int points, n;
        double volts;
    } cases[] = {
        {"n", 5, 4, 4}, {"N", 4, 3, 4}, {"t", 8, 2, 0.25}, {"pi", 1, 0, M_PI}, {"n < 2 ? 1 : -1", 4, 2, -1},
        {"sin(pi/2) + cos(0) + tan(pi/4)", 1, 0, 3}, {"log(e*e)", 1, 0, 2},
        {"exp(1) - e + sqrt(4) + abs(-1.5) + sawtooth(0.75)", 1, 0, 4}, {"floor(-0.5) + floor(2.5)", 1, 0, 1},
        {"sign(-3) + 2*sign(0) + 4*sign(2)", 1, 0, 3}, {"square(0.49999) - square(0.5) + square(1)", 1, 0, 3},
        {"triangle(0.25) + triangle(0.5) - triangle(0.75)", 1, 0, 2}, {"min(3, -2, 4) + max(1, 2)", 1, 0, 0},
        // The periodic functions start their period where the shapes of the same name do (a
        // sawtooth where a Ramp does), and negative arguments continue the period.
        {"square(0)", 1, 0, 1}, {"triangle(0)", 1, 0, 0}, {"sawtooth(0)", 1, 0, -1}, {"sawtooth(1)", 1, 0, -1},
        {"5*sin(2*pi*t)", 4, 1, 5}, {"5*sin(2*pi*t)", 4, 3, -5}, {"triangle(0.125)", 1, 0, 0.5},
        {"square(-0.25)", 1, 0, -1}, {"triangle(-0.25)", 1, 0, -1}, {"sawtooth(-0.25)", 1, 0, 0.5},
    };
    for (const auto& c : cases)
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

// Unreadable text is refused with its position, a value that is no number with its first point.
TEST(Equation, RefusalsNameWhereTheyHappen)
{
    const struct {
        const char* expression;
        const char* reason;
        int position, point;
    } cases[] = {
        {"5*sin(2*pi*t", "cannot be read: Missing parenthesis at position 12", 12, -1},  // the end
        {"5*sin(2*pi*q)", "cannot be read: Unexpected token \"q\" at position 11", 11, -1},
        {"2 3", "cannot be read: Unexpected value \"3\" at position 2", 2, -1},
        {"5*", "cannot be read: Unexpected end of expression at position 2", 2, -1},
        {"sin(1, 2)", "cannot be read: Too many parameters for function \"sin\" at position 8", 8, -1},
        {"foo(t)", "cannot be read: Unexpected token \"foo\" at position 0", 0, -1},
        {"", "cannot be read: Expression is empty", -1, -1},
        {"1/0", "gives no number at n = 0", -1, 0}, {"log(-1)", "gives no number at n = 0", -1, 0},
        {"exp(n)", "gives no number at n = 710", -1, 710},  // e^710 overflows a double
        {"1/(n - 700)", "gives no number at n = 700", -1, 700},
        {"triangle(1/(n - 3))", "gives no number at n = 3", -1, 3},
        {"square(1/(999 - n))", "gives no number at n = 999", -1, 999},
        {"sawtooth(1/(n - 4))", "gives no number at n = 4", -1, 4},
    };
    for (const auto& c : cases) {
        const EquationError error = Error(c.expression);
        EXPECT_EQ(error.text, QString("The expression %1.").arg(c.reason));
        EXPECT_EQ(error.position, c.position) << c.expression;
        EXPECT_EQ(error.point, c.point) << c.expression;
    }
}

TEST(Equation, TRunsFromZeroToJustShortOfOneOverOneTo16383Points)
{
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

class EquationDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
    }

    // Types both boxes and presses OK; the form stays open when OK refused the boxes.
    std::unique_ptr<EquationForm> Ok(const QString& expression, const QString& points)
    {
        auto form = std::make_unique<EquationForm>(ws);
        EXPECT_TRUE(form->type("txtExpression", expression));
        EXPECT_TRUE(form->type("txtPoint", points));
        EXPECT_TRUE(form->click("cmdOK"));
        return form;
    }

    ScriptedPrompter prompter;
    Workspace ws;
};

TEST_F(EquationDialog, ClippedPointsAreCountedAtTheirBoundaries)
{
    // 5 V and -5 V stay; 5.000001 V and -5.000001 V are clipped, and so are 7 V and -9 V.
    Ok("n==0 ? 5 : n==1 ? -5 : n==2 ? 5.000001 : n==3 ? -5.000001 : n==4 ? 7 : -9", "6");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ws.edit.WaveText.value(i), i % 2 ? -5.0 : 5.0) << i;
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | 4 points were clipped to +/-5 V."});
    prompter.shown.clear();
    Ok("6", "1");
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | 1 point was clipped to +/-5 V."});
    EXPECT_EQ(ws.edit.WaveText.value(6), 5.0);
}

TEST_F(EquationDialog, RefusedBoxesChangeNothing)
{
    FillWaveform(ws, {0.5});
    const QString points = "TLV | The points must be a whole number from 1 to 16383.";
    const struct {
        QString expression, points, message;
    } refused[] = {
        {"5*sin(2*pi*t", "100", "TLV | The expression cannot be read: Missing parenthesis at position 12."},
        {"1", "0", points}, {"1", "16384", points}, {"1", "1.5", points}, {"1", "", points},
    };
    for (const auto& [expression, count, message] : refused) {
        prompter.shown.clear();
        auto form = Ok(expression, count);
        EXPECT_FALSE(form->isClosed()) << expression.toStdString();
        EXPECT_EQ(Messages(prompter.shown), QStringList{message});
        EXPECT_EQ(ws.edit.PointCount, 1);
        EXPECT_EQ(ws.edit.WaveText.value(1), 999.0);
        EXPECT_EQ(ws.edit.UndoVolts[0], 0.0);  // no snapshot was taken
    }
}

// The room check is NewSegment's, through the same append.
TEST_F(EquationDialog, BoxesAreKeptForTheRunByCancelAndOkAndTheMostPointsFillAnEmptyDocument)
{
    EquationForm first(ws);
    first.type("txtExpression", "3*triangle(2*t)");
    first.type("txtPoint", "700");
    first.click("cmdCancel");
    EXPECT_EQ(ws.edit.PointCount, 0);
    EXPECT_EQ(EquationForm(ws).control("txtPoint")->text, "700");
    Ok("-1", "16383");
    EXPECT_EQ(ws.edit.PointCount, 16383);
    EXPECT_EQ(ws.edit.WaveText.value(16382), -1.0);
    EquationForm third(ws);
    EXPECT_EQ(third.control("txtExpression")->text, "-1");
    EXPECT_EQ(third.control("txtPoint")->text, "16383");
}

TEST_F(EquationDialog, PreviewFollowsTheBoxes)
{
    EquationForm form(ws);
    EXPECT_EQ(form.preview().columns.size(), 448u);
    form.type("txtPoint", "100");
    ASSERT_EQ(form.preview().columns.size(), 100u);
    form.type("txtExpression", "n < 50 ? 2.5 : 9");
    // +2.5 V is a quarter down the 304 rows, and the clipped 9 V at the top.
    EXPECT_NEAR(form.preview().columns[0].top, 76, 0.1);
    EXPECT_NEAR(form.preview().columns[99].top, 0, 0.1);
    EXPECT_EQ(form.control("lblReading")->text, "100 points. 50 points were clipped to +/-5 V.");

    form.type("txtExpression", "1/(n-7)");
    EXPECT_TRUE(form.preview().columns.empty());
    form.type("txtPoint", "x");
    EXPECT_EQ(form.control("lblReading")->text, "The points must be a whole number from 1 to 16383.");
    EXPECT_TRUE(prompter.shown.isEmpty());  // the preview never shows a message box
}

// Offered with the shapes: the script shows it disabled before the first document.
TEST_F(EquationDialog, CommandGoesWithTheLastDocument)
{
    EXPECT_TRUE(ws.commands.isEnabled(Cmd::Equation));
    ws.Close();
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Equation));
}

}  // namespace
}  // namespace tlv
