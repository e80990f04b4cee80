// The Equation dialog through the workspace: what OK writes, what it refuses, and the preview.
#include <gtest/gtest.h>

#include "commands/Commands.h"
#include "model/CommandSets.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"
#include "synthesis/EquationForm.h"
#include "synthesis/SynthesisCommands.h"

namespace tlv {
namespace {
using test::FillWaveform;
using test::Messages;

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

    std::vector<double> Volts(int from, int to) const
    {
        std::vector<double> volts;
        for (int i = from; i <= to; ++i)
            volts.push_back(ws.edit.WaveText.value(i));
        return volts;
    }

    ScriptedPrompter prompter;
    Workspace ws;
};

TEST_F(EquationDialog, OkAppendsTheSegmentThroughTheEditPath)
{
    FillWaveform(ws, {1.0, 1.5});
    auto form = Ok("square(t*4)*2", "8");
    EXPECT_TRUE(form->isClosed());
    EXPECT_EQ(ws.edit.PointCount, 10);
    EXPECT_EQ(Volts(0, 9), (std::vector<double>{1, 1.5, 2, -2, 2, -2, 2, -2, 2, -2}));
    EXPECT_EQ(ws.edit.WaveText.value(10), 999.0);
    // The undo snapshot holds the waveform as it was, the plot and the slot the new one.
    EXPECT_EQ(ws.edit.UndoVolts[0], 1.0);
    EXPECT_EQ(ws.edit.UndoVolts[2], 999.0);
    EXPECT_EQ(ws.activeSlot()->store[9], -2.0);
    EXPECT_EQ(ws.edit.PlotColumn, 1);
    EXPECT_TRUE(ws.commands.isEnabled(Cmd::Undo));
    EXPECT_TRUE(ws.commands.isEnabled(Cmd::ExportImage));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(EquationDialog, ClippedPointsAreCountedAtTheirBoundaries)
{
    // 5 V and -5 V stay; 5.000001 V and -5.000001 V are clipped, and so are 7 V and -9 V.
    Ok("n==0 ? 5 : n==1 ? -5 : n==2 ? 5.000001 : n==3 ? -5.000001 : n==4 ? 7 : -9", "6");
    EXPECT_EQ(Volts(0, 5), (std::vector<double>{5, -5, 5, -5, 5, -5}));
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
        {"5*q", "100", "TLV | The expression cannot be read: Unexpected token \"q\" at position 2."},
        {"", "100", "TLV | The expression cannot be read: Expression is empty."},
        {"1/(n-3)", "100", "TLV | The expression gives no number at n = 3."},
        {"log(t-0.5)", "100", "TLV | The expression gives no number at n = 0."},
        {"sqrt(98-n)", "100", "TLV | The expression gives no number at n = 99."},
        {"1", "0", points},
        {"1", "16384", points},
        {"1", "1.5", points},
        {"1", "-1", points},
        {"1", "abc", points},
        {"1", "", points},
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

TEST_F(EquationDialog, PointsFromOneToTheRoomLeft)
{
    Ok("1", "2");
    EXPECT_EQ(ws.edit.PointCount, 2);
    // 2 + 16381 points end at point 16382, the last the room check lets a segment reach.
    Ok("2", "16382");
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | Shortage Editing Space "});
    EXPECT_EQ(ws.edit.PointCount, 2);
    Ok("2", "16381");
    EXPECT_EQ(ws.edit.PointCount, 16383);
    EXPECT_EQ(ws.edit.WaveText.value(16382), 2.0);
    EXPECT_EQ(ws.edit.WaveText.value(16383), 999.0);

    ASSERT_NE(ws.New(), nullptr);
    Ok("-1", "16383");
    EXPECT_EQ(ws.edit.PointCount, 16383);
}

TEST_F(EquationDialog, BoxesAreKeptForTheRun)
{
    EquationForm first(ws);
    EXPECT_EQ(first.control("txtExpression")->text, "5*sin(2*pi*t)");
    EXPECT_EQ(first.control("txtPoint")->text, "2000");
    first.type("txtExpression", "3*triangle(2*t)");
    first.type("txtPoint", "700");
    first.click("cmdCancel");
    EXPECT_TRUE(first.isClosed());
    EXPECT_EQ(ws.edit.PointCount, 0);

    EquationForm second(ws);
    EXPECT_EQ(second.control("txtExpression")->text, "3*triangle(2*t)");
    EXPECT_EQ(second.control("txtPoint")->text, "700");
    Ok("sawtooth(t)", "10");
    EquationForm third(ws);
    EXPECT_EQ(third.control("txtExpression")->text, "sawtooth(t)");
    EXPECT_EQ(third.control("txtPoint")->text, "10");
}

TEST_F(EquationDialog, PreviewFollowsTheBoxes)
{
    EquationForm form(ws);
    EXPECT_EQ(form.preview().columns.size(), 448u);
    EXPECT_EQ(form.control("lblReading")->text, "2000 points.");

    form.type("txtPoint", "100");
    ASSERT_EQ(form.preview().columns.size(), 100u);
    form.type("txtExpression", "n < 50 ? 2.5 : 9");
    // +2.5 V is a quarter down the 304 rows, and the clipped 9 V at the top.
    EXPECT_NEAR(form.preview().columns[0].top, 76, 0.1);
    EXPECT_NEAR(form.preview().columns[99].top, 0, 0.1);
    EXPECT_EQ(form.control("lblReading")->text, "100 points. 50 points were clipped to +/-5 V.");

    form.type("txtExpression", "1/(n-7)");
    EXPECT_TRUE(form.preview().columns.empty());
    EXPECT_EQ(form.control("lblReading")->text, "The expression gives no number at n = 7.");
    form.type("txtPoint", "x");
    EXPECT_EQ(form.control("lblReading")->text, "The points must be a whole number from 1 to 16383.");
    EXPECT_TRUE(prompter.shown.isEmpty());  // the preview never shows a message box
}

TEST(EquationCommand, EnabledExactlyWithTheShapes)
{
    ScriptedPrompter prompter;
    Workspace ws;
    ws.prompter = &prompter;
    Commands commands(ws, QString());
    RegisterSynthesisCommands(ws, commands);
    auto sameAsSine = [&ws] {
        return ws.commands.isEnabled(Cmd::Equation) == ws.commands.isEnabled(Cmd::Sine);
    };
    ws.commands.disable(Sets::WaveformItems);
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Equation));
    EXPECT_EQ(commands.run("mnuEquation"), Commands::Result::Disabled);
    ws.New();
    EXPECT_TRUE(ws.commands.isEnabled(Cmd::Equation));
    EXPECT_TRUE(sameAsSine());
    ws.Close();
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Equation));
    EXPECT_TRUE(sameAsSine());
}

}  // namespace
}  // namespace tlv
