#include <gtest/gtest.h>

#include <functional>

#include "model/CommandNames.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"
#include "synthesis/CombineForm.h"
#include "synthesis/NewSegmentForm.h"

namespace tlv {
namespace {
using test::FillWaveform;

const CombineOperation kOperations[] = {CombineOperation::Add, CombineOperation::Subtract,
                                        CombineOperation::Multiply};

class Combining : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
        // The New Segment dialog opened from optWave runs here: DC at the given offset, unless
        // a test wants it otherwise.
        prompter.setModalRunner([this](DialogForm& form) {
            ++opened;
            if (form.caption() == "New Segment")
                segment(static_cast<NewSegmentForm&>(form));
            else if (dialog)
                dialog(form);
        });
    }

    // A waveform of count points at volts, in place of the last one.
    void Fill(int count, double volts)
    {
        ClearEditBuffer(ws.edit);
        FillWaveform(ws, std::vector<double>(static_cast<size_t>(count), volts));
    }

    void Select(int from, int to)
    {
        ws.edit.SelStartX = static_cast<int16_t>(from);
        ws.edit.SelEndX = static_cast<int16_t>(to);
    }

    // A combine dialog as the Math menu opens it, with the pending flag set.
    std::unique_ptr<CombineForm> Open(CombineOperation operation)
    {
        ws.seg.AddPending = operation == CombineOperation::Add;
        ws.seg.SubtractPending = operation == CombineOperation::Subtract;
        ws.seg.MultiplyPending = operation == CombineOperation::Multiply;
        return std::make_unique<CombineForm>(ws, operation);
    }

    void ChooseDc(CombineForm& form, const char* offset)
    {
        segment = [offset](NewSegmentForm& s) {
            s.pick("cboWaveForm", "DC");
            s.type("txtOffset", offset);
            s.click("cmdOK");
        };
        form.click("optWave");
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < kMaxPoints; ++i)
            texts.push_back(ws.edit.WaveText[i]);
        return texts;
    }

    bool AnyPending() const { return ws.seg.AddPending || ws.seg.SubtractPending || ws.seg.MultiplyPending; }

    ScriptedPrompter prompter;
    Workspace ws;
    std::function<void(NewSegmentForm&)> segment;
    std::function<void(DialogForm&)> dialog;
    int opened = 0;
};

TEST_F(Combining, ZeroPlusOneVoltDcIsOneVoltThroughout)
{
    Fill(1000, 0.0);
    Select(0, 40);  // runs past the end: all 1000 points
    auto form = Open(CombineOperation::Add);
    ChooseDc(*form, "1");
    EXPECT_EQ(ws.seg.PreviewCount, 1000);
    form->click("cmdOk");
    EXPECT_TRUE(form->isClosed());
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(ws.edit.WaveText[i], "+1.000000E+00") << i;
    EXPECT_EQ(ws.edit.WaveText[1000], "999");
    EXPECT_EQ(ws.edit.PointCount, 1000);
    EXPECT_EQ(ws.edit.UndoVolts[999], 0.0);
    EXPECT_EQ(ws.edit.UndoVolts[1000], kEndMarker);
}

TEST_F(Combining, ResultsClipAtFiveVolts)
{
    const struct {
        CombineOperation operation;
        double selection;
        const char* standard;
        const char* written;
    } cases[] = {
        {CombineOperation::Multiply, 3.0, "3", "+5.000000E+00"},
        {CombineOperation::Subtract, -3.0, "4", "-5.000000E+00"},
        {CombineOperation::Add, 3.996, "1", "+4.996000E+00"},
        {CombineOperation::Add, 4.004, "1", "+5.000000E+00"},
        {CombineOperation::Add, -3.996, "-1", "-4.996000E+00"},
        {CombineOperation::Add, -4.004, "-1", "-5.000000E+00"},
        {CombineOperation::Multiply, -2.0, "2.5", "-5.000000E+00"},
    };
    for (const auto& c : cases) {
        Fill(64, c.selection);
        Select(0, 0);
        auto form = Open(c.operation);
        ChooseDc(*form, c.standard);
        form->click("cmdOk");
        EXPECT_EQ(ws.edit.WaveText[0], c.written) << c.selection << " " << c.standard;
        EXPECT_EQ(ws.edit.WaveText[31], c.written) << c.selection << " " << c.standard;
        EXPECT_NE(ws.edit.WaveText[32], c.written) << "past the selection";
    }
}

TEST_F(Combining, TheResultCoversTheSelectionAndNoMore)
{
    Fill(200, -1.0);
    Select(2, 3);  // points 63..127
    auto form = Open(CombineOperation::Subtract);
    ChooseDc(*form, "1");
    EXPECT_EQ(ws.seg.PreviewCount, 65);
    form->click("cmdOk");
    EXPECT_EQ(ws.edit.WaveText[62], "-1.000000E+00");
    EXPECT_EQ(ws.edit.WaveText[63], "-2.000000E+00");
    EXPECT_EQ(ws.edit.WaveText[127], "-2.000000E+00");
    EXPECT_EQ(ws.edit.WaveText[128], "-1.000000E+00");
    EXPECT_EQ(ws.edit.PointCount, 200);
}

TEST_F(Combining, AFullBufferKeepsItsLastEntry)
{
    Fill(kMaxPoints, 1.0);
    Select(0, 512);
    auto form = Open(CombineOperation::Add);
    ChooseDc(*form, "1");
    EXPECT_EQ(ws.seg.PreviewCount, kMaxPoints);
    form->click("cmdOk");
    EXPECT_EQ(ws.edit.WaveText[kLastPoint - 1], "+2.000000E+00");
    EXPECT_EQ(ws.edit.WaveText[kLastPoint], "+1.000000E+00");
}

// OK before any standard wave, and Cancel after a preview, in each dialog.
TEST_F(Combining, ClosingWithoutAResultLeavesWaveformAndUndoAlone)
{
    for (CombineOperation operation : kOperations)
        for (bool preview : {false, true}) {
            Fill(100, 1.5);
            ws.edit.UndoVolts.assign(kMaxPoints, 0.25);
            const std::vector<std::string> before = Texts();
            Select(0, 1);
            auto form = Open(operation);
            ws.work.SelectAllActive = true;
            if (preview)
                ChooseDc(*form, "1");
            form->click(preview ? "cmdCancel" : "cmdOk");
            EXPECT_TRUE(form->isClosed());
            EXPECT_EQ(Texts(), before);
            EXPECT_EQ(ws.edit.UndoVolts, std::vector<double>(kMaxPoints, 0.25));
            EXPECT_FALSE(AnyPending());
            EXPECT_FALSE(ws.work.SelectAllActive);

            // The next dialog does not write a result the cancelled one computed.
            auto next = Open(CombineOperation::Subtract);
            next->click("cmdOk");
            EXPECT_EQ(Texts(), before);
        }
}

TEST_F(Combining, AResultOfZeroVoltsIsWritten)
{
    Fill(64, 2.0);
    Select(0, 0);
    auto form = Open(CombineOperation::Multiply);
    ChooseDc(*form, "0");
    form->click("cmdOk");
    EXPECT_EQ(ws.edit.WaveText[0], "+0.000000E+00");
    EXPECT_EQ(ws.edit.WaveText[31], "+0.000000E+00");
    EXPECT_EQ(ws.edit.WaveText[32], "+2.000000E+00");
}

TEST_F(Combining, RedoThenOkDiffersBetweenAddAndTheOthers)
{
    const std::pair<CombineOperation, const char*> cases[] = {
        {CombineOperation::Add, "+1.500000E+00"},       // forgotten: nothing written
        {CombineOperation::Subtract, "-5.000000E-01"},  // the last result is written
        {CombineOperation::Multiply, "+3.000000E+00"},
    };
    for (const auto& [operation, written] : cases) {
        Fill(100, 1.5);
        Select(0, 0);
        auto form = Open(operation);
        ChooseDc(*form, "2");
        ws.work.WorkVolts[600] = 0.75;
        form->click("cmdRedo");
        EXPECT_FALSE(form->control("optWave")->selected);
        EXPECT_TRUE(form->pictureTrace("Picture2").empty());
        EXPECT_TRUE(form->pictureTrace("Picture3").empty());
        EXPECT_FALSE(form->pictureTrace("Picture1").empty());
        const bool add = operation == CombineOperation::Add;
        EXPECT_EQ(ws.work.WorkVolts[0], add ? 0.0 : 2.0);  // Subtract and Multiply clear 1..512
        EXPECT_EQ(ws.work.WorkVolts[512], 0.0);
        EXPECT_EQ(ws.work.WorkVolts[600], add ? 0.0 : 0.75);
        form->click("cmdOk");
        EXPECT_EQ(ws.edit.WaveText[0], written);
        EXPECT_EQ(ws.edit.WaveText[31], written);
    }
}

TEST_F(Combining, RedoLetsAnotherStandardWaveBeChosen)
{
    Fill(100, 1.0);
    Select(0, 0);
    auto form = Open(CombineOperation::Add);
    ChooseDc(*form, "1");
    EXPECT_TRUE(form->control("optWave")->selected);
    form->click("optWave");  // already chosen: opens nothing
    EXPECT_EQ(opened, 1);
    form->click("cmdRedo");
    ChooseDc(*form, "-2");
    EXPECT_EQ(opened, 2);
    form->click("cmdOk");
    EXPECT_EQ(ws.edit.WaveText[0], "-1.000000E+00");
}

TEST_F(Combining, CancellingTheNewSegmentDialogClearsTheOption)
{
    Fill(100, 1.0);
    Select(0, 0);
    auto form = Open(CombineOperation::Multiply);
    segment = [this](NewSegmentForm& s) {
        EXPECT_EQ(ws.seg.SegKind, 2);  // opened on Sine
        EXPECT_EQ(s.control("cboWaveForm")->text, "Sine");
        s.click("cmdCancel");
    };
    form->click("optWave");
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(form->control("optWave")->selected);
    EXPECT_TRUE(form->pictureTrace("Picture3").empty());
    ChooseDc(*form, "2");
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(form->control("optWave")->selected);
    EXPECT_EQ(form->pictureTrace("Picture3").size(), 32u);
}

TEST_F(Combining, PicturesFollowEachOperationsRowRule)
{
    // 2 V combined with -1.5 V; rows worked out by hand from the plot scale.
    const std::pair<CombineOperation, double> cases[] = {
        {CombineOperation::Add, 41.830},
        {CombineOperation::Subtract, 13.928},
        {CombineOperation::Multiply, 74.403},
    };
    for (const auto& [operation, resultRow] : cases) {
        Fill(100, 2.0);
        Select(0, 0);
        auto form = Open(operation);
        const std::vector<QPointF> selection = form->pictureTrace("Picture1");
        ASSERT_EQ(selection.size(), 32u);
        EXPECT_NEAR(selection.back().x(), 140.0, 1e-9);  // x = k * 140 / SelLast
        EXPECT_NEAR(selection.front().y(), 27.887, 5e-4);
        EXPECT_TRUE(form->pictureTrace("Picture3").empty());
        EXPECT_TRUE(form->pictureTrace("Picture2").empty());

        ChooseDc(*form, "-1.5");
        const std::vector<QPointF> standard = form->pictureTrace("Picture3");
        const std::vector<QPointF> result = form->pictureTrace("Picture2");
        ASSERT_EQ(standard.size(), 32u);
        ASSERT_EQ(result.size(), 32u);
        EXPECT_NEAR(standard.back().x(), 135.625, 1e-9);  // x = k * 140 / PreviewCount
        EXPECT_NEAR(standard.back().y(), 60.443, 5e-4);
        EXPECT_NEAR(result.back().x(), 135.625, 1e-9);
        EXPECT_NEAR(result.back().y(), resultRow, 5e-4);
        EXPECT_TRUE(form->pictureTrace("Image1").empty());
    }
}

TEST_F(Combining, PicturesKeepTheirTraceWithinRowsZeroToNinety)
{
    const std::pair<double, const char*> cases[] = {{-5.0, "-5"}, {5.0, "5"}};
    for (const auto& [volts, offset] : cases) {
        Fill(64, volts);
        Select(0, 0);
        auto form = Open(CombineOperation::Add);
        ChooseDc(*form, offset);
        for (const char* picture : {"Picture1", "Picture2", "Picture3"})
            for (const QPointF& vertex : form->pictureTrace(picture)) {
                EXPECT_GE(vertex.y(), 0.0) << picture;
                EXPECT_LE(vertex.y(), 90.0) << picture;
            }
        EXPECT_EQ(form->pictureTrace("Picture2").front().y(), volts < 0 ? 90.0 : 0.0);
    }
}

TEST_F(Combining, TheMenuMarksOnePendingAndLoadingClearsAsTheDialogSays)
{
    const struct {
        CombineOperation operation;
        const char* caption;
        bool add, subtract, multiply;
    } cases[] = {
        {CombineOperation::Add, "Add", true, false, false},
        {CombineOperation::Subtract, "Subtract", false, true, false},
        {CombineOperation::Multiply, "Multiply", false, false, true},
    };
    for (const auto& c : cases) {
        Fill(100, 1.0);
        Select(0, 0);
        ws.edit.SelVolts[0] = ws.edit.SelVolts[100] = ws.edit.SelVolts[600] = 4.0;
        ws.work.WorkVolts.assign(kMaxPoints, 0.5);  // the clipboard
        ws.seg.AddPending = ws.seg.SubtractPending = ws.seg.MultiplyPending = true;
        dialog = [&](DialogForm& form) {
            EXPECT_EQ(form.caption(), c.caption);
            EXPECT_EQ(ws.seg.AddPending, c.add);
            EXPECT_EQ(ws.seg.SubtractPending, c.subtract);
            EXPECT_EQ(ws.seg.MultiplyPending, c.multiply);
            EXPECT_EQ(ws.edit.SelVolts[0], 1.0);  // captured
            EXPECT_EQ(ws.edit.SelVolts[100], 0.0);
            // Add clears the buffers entirely; the others only entries 1..512.
            EXPECT_EQ(ws.edit.SelVolts[600], c.add ? 0.0 : 4.0);
            EXPECT_EQ(ws.work.WorkVolts[0], c.add ? 0.0 : 0.5);
            EXPECT_EQ(ws.work.WorkVolts[512], 0.0);
            EXPECT_EQ(ws.work.WorkVolts[513], c.add ? 0.0 : 0.5);
            form.click("cmdCancel");
        };
        OpenCombineDialog(ws, c.operation);
        EXPECT_FALSE(AnyPending());
    }
}

TEST_F(Combining, OkSetsTheUndoAndClipboardCommands)
{
    Fill(100, 1.0);
    Select(0, 0);
    ws.commands.enable({Cmd::Cut, Cmd::Copy});
    ws.commands.enableButtons(1, {Tb1::Cut, Tb1::Copy});
    ws.work.SelectAllActive = true;
    auto form = Open(CombineOperation::Add);
    ChooseDc(*form, "1");
    form->click("cmdOk");
    EXPECT_TRUE(ws.commands.isEnabled(Cmd::Undo));
    EXPECT_TRUE(ws.commands.isButtonEnabled(1, Tb1::Undo));
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Cut));
    EXPECT_FALSE(ws.commands.isEnabled(Cmd::Copy));
    EXPECT_FALSE(ws.commands.isButtonEnabled(1, Tb1::Cut));
    EXPECT_FALSE(ws.commands.isButtonEnabled(1, Tb1::Copy));
    EXPECT_FALSE(AnyPending());
    EXPECT_FALSE(ws.work.SelectAllActive);
    EXPECT_EQ(ws.activeSlot()->store[0], 2.0);
    EXPECT_EQ(ws.edit.UndoVolts[0], 1.0);
}

}  // namespace
}  // namespace tlv
