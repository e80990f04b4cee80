#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "support/RecordingPrompter.h"
#include "model/Workspace.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/SegmentKinds.h"

namespace tlv {
namespace {

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
        ws.SegKind = kind;
        NewSegmentForm form(ws);
        for (const auto& [box, text] : boxes)
            ASSERT_TRUE(form.type(box, text)) << box.toStdString();
        form.click("cmdOK");
    }

    std::string Text(int i) const { return ws.WaveText[i]; }

    RecordingPrompter prompter;
    Workspace ws;
};

TEST_F(Generators, ToolbarSineOnAnEmptyDocument)
{
    ws.ToolMode = 2;
    ws.ToolbarSine = true;
    ws.InsertSine();

    EXPECT_EQ(ws.PointCount, 2000);
    EXPECT_EQ(Text(0), "+0.000000E+00");
    EXPECT_EQ(Text(500), "+5.000000E+00");
    EXPECT_EQ(Text(1500), "-5.000000E+00");
    EXPECT_EQ(Text(2000), "999");
    EXPECT_TRUE(ws.PointDefined[1999]);
    EXPECT_FALSE(ws.PointDefined[2000]);
    EXPECT_FALSE(ws.ToolbarSine);
    EXPECT_EQ(ws.ToolMode, 0);
    EXPECT_TRUE(ws.commands.isChecked("mnuEditselect"));

    // Committed into the slot, plotted from every 32nd point, and the commands follow.
    const DocumentSlot& slot = *ws.activeSlot();
    EXPECT_EQ(slot.store[500], 5.0);
    EXPECT_EQ(slot.store[2000], kEndMarker);
    EXPECT_EQ(ws.PlotColumn, 63);
    EXPECT_DOUBLE_EQ(ws.PlotY[0], MillivoltsToPlotY(0));
    EXPECT_DOUBLE_EQ(ws.PlotY[62], MillivoltsToPlotY(ws.WaveText.value(1984) * 1000));
    EXPECT_TRUE(ws.commands.isEnabled("mnuUndo"));
    EXPECT_TRUE(ws.commands.isButtonEnabled(1, 13));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Generators, RoomCheckRefusesOnlyBeyond16383)
{
    InsertFromDialog(Shape::Dc, {{"txtPoint", "14384"}, {"txtOffset", "1"}});
    ws.ToolMode = 1;
    ws.ToolbarSine = true;
    ws.InsertSine();  // 14384 + 2000
    EXPECT_EQ(prompter.shown, QStringList{"TLV | Shortage Editing Space "});
    EXPECT_EQ(ws.PointCount, 14384);
    EXPECT_EQ(Text(14384), "999");
    EXPECT_EQ(ws.UndoVolts[14384], 0.0);  // no snapshot was taken
    EXPECT_FALSE(ws.ToolbarSine);
    EXPECT_EQ(ws.ToolMode, 0);

    InsertFromDialog(Shape::Dc, {{"txtPoint", "1999"}, {"txtOffset", "-1"}});  // 14384 + 1999
    EXPECT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(ws.PointCount, 16383);
    EXPECT_EQ(Text(14383), "+1.000000E+00");
    EXPECT_EQ(Text(14384), "-1.000000E+00");
    EXPECT_EQ(Text(16383), "999");
    EXPECT_EQ(ws.activeSlot()->store[16383], kEndMarker);
    EXPECT_EQ(ws.UndoVolts[14383], 1.0);
    EXPECT_EQ(ws.UndoVolts[14384], kEndMarker);
}

TEST_F(Generators, OnlyPointZeroMarkedIsWrittenOver)
{
    ws.WaveText.set(0, "+1.000000E+00");
    ws.PointDefined[0] = true;
    ws.WaveText.setEndMarker(1);
    ws.ToolbarDc = true;
    ws.InsertDc();
    EXPECT_EQ(ws.PointCount, 2000);
    EXPECT_EQ(Text(0), "+0.000000E+00");
    // The snapshot reaches only up to the write position.
    EXPECT_EQ(ws.UndoVolts[0], 1.0);
    EXPECT_EQ(ws.UndoVolts[1], 0.0);
}

TEST_F(Generators, NoiseIsUniformAndIndependent)
{
    ws.ToolbarNoise = true;
    ws.InsertNoise();
    ASSERT_EQ(ws.PointCount, 2000);
    double sum = 0;
    int longestRun = 1, run = 1;
    for (int i = 0; i < 2000; ++i) {
        double v = ws.WaveText.value(i);
        ASSERT_GE(v, -5.0);
        ASSERT_LE(v, 5.0);
        sum += v;
        run = i > 0 && ws.WaveText[i] == ws.WaveText[i - 1] ? run + 1 : 1;
        longestRun = std::max(longestRun, run);
    }
    // The mean of 2000 uniform values in -5..+5 V has a spread of about 0.065 V.
    EXPECT_LT(std::abs(sum / 2000), 0.4);
    EXPECT_LE(longestRun, 2);

    std::string first = Text(0) + Text(1) + Text(2);
    ws.ToolbarNoise = true;
    ws.InsertNoise();
    EXPECT_NE(Text(2000) + Text(2001) + Text(2002), first);
}

// Each preview reads the same boxes as its writing twin and yields the same values, except
// that the damping is a tenth of the typed one.
TEST_F(Generators, PreviewsMatchTheirWritingTwins)
{
    struct Case {
        int kind;
        void (Workspace::*insert)();
        void (Workspace::*preview)();
    };
    const Case cases[] = {
        {Shape::Sine, &Workspace::InsertSine, &Workspace::PreviewSine},
        {Shape::Triangle, &Workspace::InsertTriangle, &Workspace::PreviewTriangle},
        {Shape::Square, &Workspace::InsertSquare, &Workspace::PreviewSquare},
        {Shape::Ramp, &Workspace::InsertRamp, &Workspace::PreviewRamp},
        {Shape::DampedSine, &Workspace::InsertDampedSine, &Workspace::PreviewDampedSine},
        {Shape::ExpRise, &Workspace::InsertExpRise, &Workspace::PreviewExpRise},
        {Shape::ExpFall, &Workspace::InsertExpFall, &Workspace::PreviewExpFall},
        {Shape::Dc, &Workspace::InsertDc, &Workspace::PreviewDc},
    };
    for (const Case& c : cases) {
        Workspace w;
        w.prompter = &prompter;
        w.New();
        w.SegKind = c.kind;
        NewSegmentForm form(w);
        form.type("txtPoint", "700");
        form.type("txtCycles", "3");
        form.type("txtPhase", "30");
        form.type("txtAmplitude", "4");
        form.type("txtOffset", "0.5");
        form.type("txtDuty", "30");
        form.type("txtDamp", "-2");
        (w.*c.preview)();
        form.type("txtDamp", "-0.2");
        (w.*c.insert)();

        ASSERT_EQ(w.PreviewCount, 700) << c.kind;
        ASSERT_EQ(w.PointCount, 700) << c.kind;
        for (int i = 0; i < 700; ++i)
            ASSERT_NEAR(w.WorkVolts[static_cast<size_t>(i)], w.WaveText.value(i), 5e-7)
                << c.kind << " point " << i;
        EXPECT_EQ(w.WorkVolts[700], 0.0);
    }
}

TEST_F(Generators, PreviewsLeaveTheDocumentAlone)
{
    ws.ToolbarSine = true;
    ws.InsertSine();
    ws.SegKind = Shape::Sine;
    NewSegmentForm form(ws);
    form.type("txtPoint", "99999");  // a box as it stands, never checked
    form.type("txtAmplitude", "9");
    ws.ToolbarSine = true;  // the previews never take the toolbar defaults
    ws.PreviewSine();
    EXPECT_EQ(ws.PreviewCount, 16384);
    EXPECT_EQ(ws.WorkVolts[16000], 5.0);  // clipped
    EXPECT_EQ(ws.PointCount, 2000);
    EXPECT_EQ(Text(2000), "999");
    EXPECT_FALSE(ws.PointDefined[2000]);

    ws.PreviewNoise();
    for (int i = 0; i < ws.PreviewCount; ++i)
        ASSERT_LE(std::abs(ws.WorkVolts[static_cast<size_t>(i)]), 5.0);
}

}  // namespace
}  // namespace tlv
