#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"
#include "model/Workspace.h"
#include "synthesis/Generators.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeTable.h"

namespace tlv {
namespace {
using test::Messages;

class Generators : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
    }

    // Appends a segment through the dialog's boxes, as its OK would.
    void InsertFromDialog(int kind, std::map<QString, QString> boxes)
    {
        ws.seg.SegKind = kind;
        NewSegmentForm form(ws);
        for (const auto& [box, text] : boxes)
            ASSERT_TRUE(form.type(box, text)) << box.toStdString();
        form.click("cmdOK");
    }

    std::string Text(int i) const { return ws.edit.WaveText[i]; }

    ScriptedPrompter prompter;
    Workspace ws;
};

TEST_F(Generators, ToolbarSineOnAnEmptyDocument)
{
    ws.edit.ToolMode = 2;
    InsertSegment(ws, ShapeOfKind(Shape::Sine)->toolbar);

    EXPECT_EQ(ws.edit.PointCount, 2000);
    EXPECT_EQ(Text(0), "+0.000000E+00");
    EXPECT_EQ(Text(500), "+5.000000E+00");
    EXPECT_EQ(Text(1500), "-5.000000E+00");
    EXPECT_EQ(Text(2000), "999");
    EXPECT_TRUE(ws.edit.PointDefined[1999]);
    EXPECT_FALSE(ws.edit.PointDefined[2000]);
    EXPECT_EQ(ws.edit.ToolMode, 0);
    EXPECT_TRUE(ws.commands.isChecked("mnuEditselect"));

    // Committed into the slot, plotted from every 32nd point, and the commands follow.
    const DocumentSlot& slot = *ws.activeSlot();
    EXPECT_EQ(slot.store[500], 5.0);
    EXPECT_EQ(slot.store[2000], kEndMarker);
    EXPECT_EQ(ws.edit.PlotColumn, 63);
    EXPECT_DOUBLE_EQ(ws.edit.PlotY[0], MillivoltsToPlotY(0));
    EXPECT_DOUBLE_EQ(ws.edit.PlotY[62], MillivoltsToPlotY(ws.edit.WaveText.value(1984) * 1000));
    EXPECT_TRUE(ws.commands.isEnabled("mnuUndo"));
    EXPECT_TRUE(ws.commands.isButtonEnabled(1, 13));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Generators, RoomCheckRefusesOnlyBeyond16383)
{
    InsertFromDialog(Shape::Dc, {{"txtPoint", "14384"}, {"txtOffset", "1"}});
    ws.edit.ToolMode = 1;
    InsertSegment(ws, ShapeOfKind(Shape::Sine)->toolbar);  // 14384 + 2000
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | Shortage Editing Space "});
    EXPECT_EQ(ws.edit.PointCount, 14384);
    EXPECT_EQ(Text(14384), "999");
    EXPECT_EQ(ws.edit.UndoVolts[14384], 0.0);  // no snapshot was taken
    EXPECT_EQ(ws.edit.ToolMode, 0);

    InsertFromDialog(Shape::Dc, {{"txtPoint", "1999"}, {"txtOffset", "-1"}});  // 14384 + 1999
    EXPECT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(ws.edit.PointCount, 16383);
    EXPECT_EQ(Text(14383), "+1.000000E+00");
    EXPECT_EQ(Text(14384), "-1.000000E+00");
    EXPECT_EQ(Text(16383), "999");
    EXPECT_EQ(ws.activeSlot()->store[16383], kEndMarker);
    EXPECT_EQ(ws.edit.UndoVolts[14383], 1.0);
    EXPECT_EQ(ws.edit.UndoVolts[14384], kEndMarker);
}

TEST_F(Generators, OnlyPointZeroMarkedIsWrittenOver)
{
    {
        EditTransaction tx(ws, EditTransaction::Closing::Redraw);
        tx.WritePointText(0, "+1.000000E+00");
        tx.PlaceEndMarker(1);
    }
    InsertSegment(ws, ShapeOfKind(Shape::Dc)->toolbar);
    EXPECT_EQ(ws.edit.PointCount, 2000);
    EXPECT_EQ(Text(0), "+0.000000E+00");
    // The snapshot reaches only up to the write position.
    EXPECT_EQ(ws.edit.UndoVolts[0], 1.0);
    EXPECT_EQ(ws.edit.UndoVolts[1], 0.0);
}

TEST_F(Generators, NoiseIsUniformAndIndependent)
{
    InsertSegment(ws, ShapeOfKind(Shape::Noise)->toolbar);
    ASSERT_EQ(ws.edit.PointCount, 2000);
    double sum = 0;
    int longestRun = 1, run = 1;
    for (int i = 0; i < 2000; ++i) {
        double v = ws.edit.WaveText.value(i);
        ASSERT_GE(v, -5.0);
        ASSERT_LE(v, 5.0);
        sum += v;
        run = i > 0 && ws.edit.WaveText[i] == ws.edit.WaveText[i - 1] ? run + 1 : 1;
        longestRun = std::max(longestRun, run);
    }
    // The mean of 2000 uniform values in -5..+5 V has a spread of about 0.065 V.
    EXPECT_LT(std::abs(sum / 2000), 0.4);
    EXPECT_LE(longestRun, 2);

    std::string first = Text(0) + Text(1) + Text(2);
    InsertSegment(ws, ShapeOfKind(Shape::Noise)->toolbar);
    EXPECT_NE(Text(2000) + Text(2001) + Text(2002), first);
}

// Each preview reads the same boxes as its writing twin and yields the same values, except
// that the damping is a tenth of the typed one.
TEST_F(Generators, PreviewsMatchTheirWritingTwins)
{
    for (const ShapeRow& c : Shapes()) {
        if (c.random)
            continue;
        Workspace w;
        w.prompter = &prompter;
        w.New();
        w.seg.SegKind = c.kind;
        NewSegmentForm form(w);
        form.type("txtPoint", "700");
        form.type("txtCycles", "3");
        form.type("txtPhase", "30");
        form.type("txtAmplitude", "4");
        form.type("txtOffset", "0.5");
        form.type("txtDuty", "30");
        form.type("txtDamp", "-2");
        PreviewSegment(w, form.parameters(c.kind, 10));
        form.type("txtDamp", "-0.2");
        InsertSegment(w, form.parameters(c.kind, 1));

        ASSERT_EQ(w.seg.PreviewCount, 700) << c.kind;
        ASSERT_EQ(w.edit.PointCount, 700) << c.kind;
        for (int i = 0; i < 700; ++i)
            ASSERT_NEAR(w.work.WorkVolts[static_cast<size_t>(i)], w.edit.WaveText.value(i), 5e-7)
                << c.kind << " point " << i;
        EXPECT_EQ(w.work.WorkVolts[700], 0.0);
    }
}

TEST_F(Generators, PreviewsLeaveTheDocumentAlone)
{
    InsertSegment(ws, ShapeOfKind(Shape::Sine)->toolbar);
    ws.seg.SegKind = Shape::Sine;
    NewSegmentForm form(ws);
    form.type("txtPoint", "99999");  // a box as it stands, never checked
    form.type("txtAmplitude", "9");
    PreviewSegment(ws, form.parameters(Shape::Sine, 10));
    EXPECT_EQ(ws.seg.PreviewCount, 16384);
    EXPECT_EQ(ws.work.WorkVolts[16000], 5.0);  // clipped
    EXPECT_EQ(ws.edit.PointCount, 2000);
    EXPECT_EQ(Text(2000), "999");
    EXPECT_FALSE(ws.edit.PointDefined[2000]);

    PreviewSegment(ws, form.parameters(Shape::Noise, 10));
    for (int i = 0; i < ws.seg.PreviewCount; ++i)
        ASSERT_LE(std::abs(ws.work.WorkVolts[static_cast<size_t>(i)]), 5.0);
}

}  // namespace
}  // namespace tlv
