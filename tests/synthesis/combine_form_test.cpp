#include <gtest/gtest.h>

#include <functional>

#include "model/CommandNames.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
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

    // A waveform of count points at volts, in place of the last one, with columns from..to
    // selected.
    void Prepare(int count, double volts, int from, int to)
    {
        EditTransaction(ws, EditTransaction::Closing::Redraw).ClearEditBuffer();
        FillWaveform(ws, std::vector<double>(static_cast<size_t>(count), volts));
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

    const std::string& Text(int i) const { return ws.edit.WaveText[i]; }

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

TEST_F(Combining, OkWritesOverTheSelectionOnly)
{
    const struct {
        CombineOperation operation;
        int count;
        double volts;
        int from, to;  // columns
        int first, last, preview;
        const char* standard;
        const char* written;
        const char* after;
    } cases[] = {
        // 1000 points of 0 V + 1 V DC; the columns run past the end.
        {CombineOperation::Add, 1000, 0.0, 0, 40, 0, 999, 1000, "1", "+1.000000E+00", "999"},
        {CombineOperation::Subtract, 200, -1.0, 2, 3, 63, 127, 65, "1", "-2.000000E+00", "-1.000000E+00"},
        // A full buffer: the write stops before its last entry.
        {CombineOperation::Multiply, kMaxPoints, 1.0, 0, 512, 0, kLastPoint - 1, kMaxPoints, "0",
         "+0.000000E+00", "+1.000000E+00"},
    };
    for (const auto& c : cases) {
        Prepare(c.count, c.volts, c.from, c.to);
        ws.commands.enable({Cmd::Cut, Cmd::Copy});
        ws.work.SelectAllActive = true;
        auto form = Open(c.operation);
        ChooseDc(*form, c.standard);
        EXPECT_EQ(ws.seg.PreviewCount, c.preview);
        form->click("cmdOk");
        EXPECT_TRUE(form->isClosed());
        for (int i = c.first; i <= c.last; ++i)
            ASSERT_EQ(Text(i), c.written) << i;
        EXPECT_EQ(Text(c.last + 1), c.after);
        if (c.first > 0)
            EXPECT_EQ(Text(c.first - 1), FormatVoltsText(c.volts));
        EXPECT_EQ(ws.edit.PointCount, c.count);
        EXPECT_EQ(ws.edit.UndoVolts[static_cast<size_t>(c.first)], c.volts);
        EXPECT_TRUE(ws.commands.isEnabled(Cmd::Undo));
        EXPECT_TRUE(ws.commands.isButtonEnabled(1, Tb1::Undo));
        EXPECT_FALSE(ws.commands.isEnabled(Cmd::Cut) || ws.commands.isEnabled(Cmd::Copy));
        EXPECT_FALSE(AnyPending() || ws.work.SelectAllActive);
    }
}

TEST_F(Combining, ResultsAreWrittenClippedToFiveVolts)
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
        {CombineOperation::Multiply, 2.0, "0", "+0.000000E+00"},  // zero throughout is a result too
    };
    for (const auto& c : cases) {
        Prepare(64, c.selection, 0, 0);
        auto form = Open(c.operation);
        ChooseDc(*form, c.standard);
        form->click("cmdOk");
        EXPECT_EQ(Text(0), c.written) << c.selection << " " << c.standard;
        EXPECT_EQ(Text(31), c.written) << c.selection << " " << c.standard;
        EXPECT_NE(Text(32), c.written) << "past the selection";
    }
}

// OK before any standard wave, and Cancel after a preview, in each dialog.
TEST_F(Combining, ClosingWithoutAResultLeavesWaveformAndUndoAlone)
{
    for (CombineOperation operation : kOperations)
        for (bool preview : {false, true}) {
            Prepare(100, 1.5, 0, 1);
            ws.edit.UndoVolts.assign(kMaxPoints, 0.25);
            const std::vector<std::string> before = Texts();
            auto form = Open(operation);
            ws.work.SelectAllActive = true;
            if (preview)
                ChooseDc(*form, "1");
            form->click(preview ? "cmdCancel" : "cmdOk");
            EXPECT_TRUE(form->isClosed());
            EXPECT_EQ(Texts(), before);
            EXPECT_EQ(ws.edit.UndoVolts, std::vector<double>(kMaxPoints, 0.25));
            EXPECT_FALSE(AnyPending() || ws.work.SelectAllActive);

            // The next dialog does not write a result the cancelled one computed.
            Open(CombineOperation::Subtract)->click("cmdOk");
            EXPECT_EQ(Texts(), before);
        }
}

TEST_F(Combining, RedoThenOkDiffersBetweenAddAndTheOthers)
{
    const std::pair<CombineOperation, const char*> cases[] = {
        {CombineOperation::Add, "+1.500000E+00"},       // forgotten: nothing written
        {CombineOperation::Subtract, "-5.000000E-01"},  // the last result is written
        {CombineOperation::Multiply, "+3.000000E+00"},
    };
    for (const auto& [operation, written] : cases) {
        Prepare(100, 1.5, 0, 0);
        auto form = Open(operation);
        ChooseDc(*form, "2");
        form->click("optWave");  // already chosen: opens nothing
        EXPECT_EQ(opened, 1);
        opened = 0;
        ws.work.WorkVolts[600] = 0.75;
        form->click("cmdRedo");
        EXPECT_FALSE(form->control("optWave")->selected);
        const bool add = operation == CombineOperation::Add;
        EXPECT_EQ(ws.work.WorkVolts[0], add ? 0.0 : 2.0);  // Subtract and Multiply clear 1..512
        EXPECT_EQ(ws.work.WorkVolts[512], 0.0);
        EXPECT_EQ(ws.work.WorkVolts[600], add ? 0.0 : 0.75);
        form->click("cmdOk");
        EXPECT_EQ(Text(0), written);
        EXPECT_EQ(Text(31), written);
    }
}

TEST_F(Combining, PicturesFollowEachOperationsRowRule)
{
    // 2 V combined with -1.5 V, and -5 V with -5 V; rows worked out by hand from the plot scale,
    // kept within rows 0..90.
    const struct {
        CombineOperation operation;
        double resultRow, lowResultRow;
    } cases[] = {
        {CombineOperation::Add, 41.830, 90.0},
        {CombineOperation::Subtract, 13.928, 46.491},
        {CombineOperation::Multiply, 74.403, 0.0},
    };
    for (const auto& [operation, resultRow, lowResultRow] : cases) {
        Prepare(100, 2.0, 0, 0);
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

        Prepare(64, -5.0, 0, 0);
        auto low = Open(operation);
        ChooseDc(*low, "-5");
        EXPECT_EQ(low->pictureTrace("Picture1").front().y(), 90.0);
        EXPECT_EQ(low->pictureTrace("Picture3").front().y(), 90.0);
        EXPECT_NEAR(low->pictureTrace("Picture2").front().y(), lowResultRow, 5e-4);
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
        Prepare(100, 1.0, 0, 0);
        ws.edit.SelVolts[100] = ws.edit.SelVolts[600] = 4.0;
        ws.work.WorkVolts.assign(kMaxPoints, 0.5);  // the clipboard
        ws.seg.AddPending = ws.seg.SubtractPending = ws.seg.MultiplyPending = true;
        dialog = [&](DialogForm& form) {
            EXPECT_EQ(form.caption(), c.caption);
            EXPECT_EQ(ws.seg.AddPending, c.add);
            EXPECT_EQ(ws.seg.SubtractPending, c.subtract);
            EXPECT_EQ(ws.seg.MultiplyPending, c.multiply);
            // Add clears the buffers entirely; the others only entries 1..512.
            EXPECT_EQ(ws.edit.SelVolts[100], 0.0);
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

}  // namespace
}  // namespace tlv
