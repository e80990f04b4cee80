#include <gtest/gtest.h>

#include "model/EditTransaction.h"
#include "model/ScriptedPrompter.h"
#include "model/VoltsText.h"
#include "model/Workspace.h"
#include "support/Prompts.h"

using namespace tlv;
using tlv::test::Messages;

// Which documents ask at Close and at exit, with which title, and what Yes does when the save
// does not happen, are shown by the documents-edit and close-keeps-unsaved scripts; the five
// slots and the commands left once every window is closed by the documents script.
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
    void write(const std::vector<double>& volts) { EditTransaction(ws).WritePoints(0, volts); }

    ScriptedPrompter prompter;
    Workspace ws;
    int saves = 0;
};

TEST_F(DocumentsTest, SwitchingWindowsRestoresEachWaveformExactly)
{
    DocumentWindow* a = ws.New();
    const std::vector<double> first = {0.1, -1.0 / 3, 4.999999, -5.0, 0.0};
    {
        EditTransaction tx(ws);
        for (size_t i = 0; i < first.size(); ++i)
            tx.WritePointText(static_cast<int>(i), GeneralNumberText(first[i]), false);
        tx.PlaceEndMarker(5);
    }
    DocumentWindow* b = ws.New();
    write({2.5, 2.5});
    for (int round = 0; round < 3; ++round) {
        ws.ActivateWindow(a);
        ASSERT_EQ(ws.edit.PointCount, 5);
        for (size_t i = 0; i < first.size(); ++i)
            EXPECT_EQ(ws.edit.WaveText.value(static_cast<int>(i)), first[i]);
        EXPECT_FALSE(ws.edit.PointDefined[5]);
        EXPECT_FALSE(ws.commands.isEnabled("mnuUndo"));
        ws.ActivateWindow(b);
        ASSERT_EQ(ws.edit.PointCount, 2);
        EXPECT_EQ(ws.edit.WaveText[3], "0");
    }
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
    ws.CloseWindow(ws.New());
    EXPECT_TRUE(ws.commands.isToolbarEnabled(2));
    EXPECT_EQ(ws.edit.PointCount, 1);  // the remaining window is active again
    ws.Close();  // asks, takes No
    EXPECT_TRUE(ws.windows().empty());
    for (const char* item : {"mnuClose", "mnuSave", "mnuSine", "mnuFreehand", "mnuClear", "mnuExpand"})
        EXPECT_FALSE(ws.commands.isEnabled(item)) << item;
    ws.Close();  // nothing left: nothing happens
    EXPECT_TRUE(ws.windows().empty());
}

TEST_F(DocumentsTest, NewRestoresAMaximisedWindowAndOffersTheWaveformCommands)
{
    DocumentWindow* first = ws.New();
    ws.SetWindowState(first, WindowState::Maximized);
    ws.New();
    EXPECT_EQ(first->state, WindowState::Normal);
    EXPECT_TRUE(ws.commands.isEnabled("mnuSine"));
    EXPECT_FALSE(ws.commands.isEnabled("mnuSave"));
    EXPECT_TRUE(ws.commands.isButtonPressed(2, 1));
}
