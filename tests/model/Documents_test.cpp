#include <gtest/gtest.h>

#include "model/VoltsText.h"
#include "model/EditTransaction.h"
#include "model/Workspace.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;
using tlv::test::Messages;

class DocumentsTest : public ::testing::Test, public DocumentSaver {
protected:
    DocumentsTest()
    {
        ws.prompter = &prompter;
        ws.saver = this;
    }
    // A save that works marks the document saved, as the file commands do.
    void SaveActiveDocument() override
    {
        ++saves;
        ws.activeSlot()->markSaved(static_cast<int>(ws.edit.PointCount));
    }

    void write(const std::vector<double>& volts)
    {
        EditTransaction(ws).WritePoints(0, volts);
    }

    Workspace ws;
    ScriptedPrompter prompter;
    int saves = 0;
};

TEST_F(DocumentsTest, SwitchingWindowsRestoresEachWaveformExactly)
{
    DocumentWindow* a = ws.New();
    std::vector<double> first = {0.1, -1.0 / 3, 4.999999, -5.0, 0.0};
    {
        EditTransaction tx(ws);
        for (size_t i = 0; i < first.size(); ++i)
            tx.WritePointText(static_cast<int>(i), GeneralNumberText(first[i]), false);
        tx.PlaceEndMarker(5);
    }
    DocumentWindow* b = ws.New();
    write({2.5, 2.5});
    EXPECT_EQ(ws.edit.PointCount, 2);

    for (int round = 0; round < 3; ++round) {
        ws.ActivateWindow(a);
        ASSERT_EQ(ws.edit.PointCount, 5);
        for (size_t i = 0; i < first.size(); ++i)
            EXPECT_EQ(ws.edit.WaveText.value(static_cast<int>(i)), first[i]);
        EXPECT_EQ(ws.edit.WaveText[5], "999");
        EXPECT_TRUE(ws.edit.PointDefined[4]);
        EXPECT_FALSE(ws.edit.PointDefined[5]);
        EXPECT_TRUE(ws.commands.isEnabled("mnuSave"));
        EXPECT_FALSE(ws.commands.isEnabled("mnuUndo"));
        ws.ActivateWindow(b);
        ASSERT_EQ(ws.edit.PointCount, 2);
        EXPECT_EQ(ws.edit.WaveText.value(1), 2.5);
        EXPECT_EQ(ws.edit.WaveText[3], "0");
    }
}

TEST_F(DocumentsTest, CloseAsksOnlyForAChangedDocument)
{
    ws.New();
    ws.CloseWindow(ws.activeWindow());  // new and empty
    EXPECT_TRUE(prompter.shown.isEmpty());

    ws.New();
    write({1.0, 2.0});
    ws.activeSlot()->markSaved(2);  // as just saved
    ws.CloseWindow(ws.activeWindow());
    EXPECT_TRUE(prompter.shown.isEmpty());

    ws.New();
    write({1.0, 2.0});
    prompter.queueAnswer("yes");
    ws.CloseWindow(ws.activeWindow());
    EXPECT_EQ(Messages(prompter.shown), QStringList{"TLV | Save changes to Untitled Waveform Data 3?"});
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(ws.docs.DocSlots[2].used);
    EXPECT_EQ(ws.docs.DocSlots[2].store[0], 0.0);
}

TEST_F(DocumentsTest, AShortenedDocumentCountsAsChanged)
{
    ws.New();
    write({1.0, 2.0, 3.0});
    ws.activeSlot()->markSaved(3);
    EditTransaction(ws).ClearEditBuffer(3);  // everything cleared: no points left
    ws.CloseWindow(ws.activeWindow());
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(Messages(prompter.shown)[0].startsWith("TLV | Save changes to "));
    EXPECT_EQ(saves, 0);  // answered No
}

TEST_F(DocumentsTest, ClosingTheLastWindowDisablesTheDocumentCommands)
{
    ws.New();
    write({1.0});
    DocumentWindow* other = ws.New();
    ws.CloseWindow(other);
    EXPECT_TRUE(ws.commands.isToolbarEnabled(2));
    EXPECT_EQ(ws.edit.PointCount, 1);  // the remaining window is active again
    ws.Close();  // asks, takes No
    EXPECT_TRUE(ws.windows().empty());
    EXPECT_FALSE(ws.commands.isToolbarEnabled(2));
    for (const char* item : {"mnuClose", "mnuSave", "mnuSine", "mnuFreehand", "mnuClear", "mnuExpand"})
        EXPECT_FALSE(ws.commands.isEnabled(item)) << item;
    EXPECT_FALSE(ws.commands.isButtonEnabled(1, 3));
    EXPECT_FALSE(ws.commands.isButtonPressed(2, 1));
    ws.Close();  // nothing left: nothing happens
    EXPECT_TRUE(ws.windows().empty());
}

TEST_F(DocumentsTest, ExitAsksForEachChangedDocumentWithTheProgramTitle)
{
    ws.New();
    write({1.0});
    ws.New();
    ws.New();
    write({-1.0, 0.5});
    prompter.queueAnswer("yes");
    prompter.queueAnswer("no");
    EXPECT_TRUE(ws.CloseAllForExit());
    EXPECT_EQ(Messages(prompter.shown), (QStringList{"Tolvenar | Save changes to Untitled Waveform Data 3?",
                                           "Tolvenar | Save changes to Untitled Waveform Data 1?"}));
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(ws.windows().empty());
    EXPECT_TRUE(ws.edit.Exiting);
    for (const DocumentSlot& slot : ws.docs.DocSlots)
        EXPECT_FALSE(slot.used);
}

TEST_F(DocumentsTest, NewRestoresAMaximisedWindowAndOffersTheWaveformCommands)
{
    DocumentWindow* first = ws.New();
    ws.SetWindowState(first, WindowState::Maximized);
    ws.New();
    EXPECT_EQ(first->state, WindowState::Normal);
    EXPECT_TRUE(ws.commands.isEnabled("mnuSine"));
    EXPECT_TRUE(ws.commands.isEnabled("mnuClose"));
    EXPECT_FALSE(ws.commands.isEnabled("mnuSave"));
    EXPECT_TRUE(ws.commands.isToolbarEnabled(2));
    EXPECT_TRUE(ws.commands.isButtonPressed(2, 1));
}
