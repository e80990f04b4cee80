// The combine dialogs: the selection's edges, a full buffer, clipping, and closing without a result.
#include <gtest/gtest.h>

#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "support/Prompts.h"
#include "synthesis/CombineForm.h"

namespace tlv {
namespace {
using Op = CombineOperation;

class Combining : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ASSERT_NE(ws.New(), nullptr);
        // The New Segment dialog opened from optWave runs here: DC at the chosen offset.
        prompter.setModalRunner([this](DialogForm& segment) {
            segment.pick("cboWaveForm", "DC");
            segment.type("txtOffset", dcOffset);
            segment.click("cmdOK");
        });
    }

    // A waveform of count points at volts, in place of the last one, with columns from..to selected.
    void Prepare(int count, double volts, int from, int to)
    {
        EditTransaction(ws, EditTransaction::Closing::Redraw).ClearEditBuffer();
        test::FillWaveform(ws, std::vector<double>(static_cast<size_t>(count), volts));
        ws.edit.SelStartX = static_cast<int16_t>(from);
        ws.edit.SelEndX = static_cast<int16_t>(to);
    }

    // A combine dialog as the Math menu opens it, with DC at offset chosen unless offset is null.
    std::unique_ptr<CombineForm> Open(Op operation, const char* offset)
    {
        ws.seg.AddPending = operation == Op::Add;
        ws.seg.SubtractPending = operation == Op::Subtract;
        ws.seg.MultiplyPending = operation == Op::Multiply;
        auto form = std::make_unique<CombineForm>(ws, operation);
        dcOffset = offset;
        if (offset)
            form->click("optWave");
        return form;
    }

    const std::string& Text(int i) const { return ws.edit.WaveText[i]; }
    std::vector<std::string> Texts() const { return {&ws.edit.WaveText[0], &ws.edit.WaveText[0] + kMaxPoints}; }
    bool AnyPending() const { return ws.seg.AddPending || ws.seg.SubtractPending || ws.seg.MultiplyPending; }

    ScriptedPrompter prompter;
    Workspace ws;
    const char* dcOffset = nullptr;
};

TEST_F(Combining, OkWritesOverTheSelectionOnly)
{
    const struct {
        Op operation;
        int count;
        double volts;
        int from, to, first, last, preview;  // columns from..to, points first..last
        const char *standard, *written, *after;
    } cases[] = {
        // 1000 points of 0 V + 1 V DC; the columns run past the end.
        {Op::Add, 1000, 0.0, 0, 40, 0, 999, 1000, "1", "+1.000000E+00", "999"},
        {Op::Subtract, 200, -1.0, 2, 3, 63, 127, 65, "1", "-2.000000E+00", "-1.000000E+00"},
        // A full buffer: the write stops before its last entry.
        {Op::Multiply, kMaxPoints, 1.0, 0, 512, 0, kLastPoint - 1, kMaxPoints, "0", "+0.000000E+00",
         "+1.000000E+00"},
    };
    for (const auto& c : cases) {
        Prepare(c.count, c.volts, c.from, c.to);
        ws.commands.enable({Cmd::Cut, Cmd::Copy});
        ws.work.SelectAllActive = true;
        auto form = Open(c.operation, c.standard);
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
        EXPECT_FALSE(ws.commands.isEnabled(Cmd::Cut) || ws.commands.isEnabled(Cmd::Copy));
        EXPECT_FALSE(AnyPending() || ws.work.SelectAllActive);
    }
}

TEST_F(Combining, ResultsAreWrittenClippedToFiveVolts)
{
    const struct {
        Op operation;
        double selection;
        const char *standard, *written;
    } cases[] = {
        {Op::Subtract, -3.0, "4", "-5.000000E+00"}, {Op::Add, 3.996, "1", "+4.996000E+00"},
        {Op::Add, 4.004, "1", "+5.000000E+00"},     {Op::Add, -4.004, "-1", "-5.000000E+00"},
        {Op::Multiply, -2.0, "2.5", "-5.000000E+00"},
        {Op::Multiply, 2.0, "0", "+0.000000E+00"},  // zero throughout is a result too
    };
    for (const auto& c : cases) {
        Prepare(64, c.selection, 0, 0);
        Open(c.operation, c.standard)->click("cmdOk");
        EXPECT_EQ(Text(0) + Text(31), std::string(c.written) + c.written) << c.selection << " " << c.standard;
        EXPECT_NE(Text(32), c.written) << "past the selection";
    }
}

// OK before any standard wave, and Cancel after a preview, in each dialog.
TEST_F(Combining, ClosingWithoutAResultLeavesWaveformAndUndoAlone)
{
    for (Op operation : {Op::Add, Op::Subtract, Op::Multiply})
        for (bool preview : {false, true}) {
            Prepare(100, 1.5, 0, 1);
            ws.edit.UndoVolts.assign(kMaxPoints, 0.25);
            const std::vector<std::string> before = Texts();
            ws.work.SelectAllActive = true;
            auto form = Open(operation, preview ? "1" : nullptr);
            form->click(preview ? "cmdCancel" : "cmdOk");
            EXPECT_TRUE(form->isClosed());
            EXPECT_EQ(Texts(), before);
            EXPECT_EQ(ws.edit.UndoVolts, std::vector<double>(kMaxPoints, 0.25));
            EXPECT_FALSE(AnyPending() || ws.work.SelectAllActive);
            // The next dialog does not write a result the cancelled one computed.
            Open(Op::Subtract, nullptr)->click("cmdOk");
            EXPECT_EQ(Texts(), before);
        }
}

}  // namespace
}  // namespace tlv
