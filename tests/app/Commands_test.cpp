#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/Commands.h"
#include "model/Workspace.h"
#include "support/RecordingPrompter.h"

using namespace tlv;

class CommandsTest : public ::testing::Test {
protected:
    CommandsTest() : commands(ws, folder.path())
    {
        qputenv("TOLVENAR_CONFIG_DIR", folder.path().toLocal8Bit());
        ws.prompter = &prompter;
        for (const char* name : {"mnuSave", "mnuUndo", "mnuCut", "mnuCopy", "mnuPaste", "mnuPrint",
                                 "mnuFreehand", "mnuLine", "mnuSend", "mnuImport"}) {
            QString item = name;
            commands.add(item, [this, item] { ran << item; });
        }
        commands.startUp();
    }

    QTemporaryDir folder;
    Workspace ws;
    RecordingPrompter prompter;
    Commands commands;
    QStringList ran;
};

TEST_F(CommandsTest, DocumentButtonsDoNothingWithoutADocument)
{
    for (int index : {3, 7, 9, 10, 11, 15})
        ws.commands.setButtonEnabled(1, index, true);
    ws.SelLast = 5;
    ws.ClipboardFull = true;
    ws.PointCount = 10;
    for (int index : {3, 7, 9, 10, 11, 15})
        EXPECT_EQ(commands.click(1, index), Commands::Result::Ran);
    EXPECT_TRUE(ran.isEmpty());
    ws.commands.setButtonEnabled(1, 13, true);
    EXPECT_EQ(commands.click(1, 13), Commands::Result::Ran);  // the download needs no window
    EXPECT_EQ(ran, QStringList{"mnuSend"});
}

TEST_F(CommandsTest, ToolbarGuardsFollowTheDocumentState)
{
    ws.New();
    for (int index : {3, 7, 9, 10, 11, 15})
        ws.commands.setButtonEnabled(1, index, true);
    ws.SelLast = 0;
    ws.ClipboardFull = false;
    ws.PointCount = 0;
    for (int index : {9, 10, 11, 15})
        commands.click(1, index);
    EXPECT_TRUE(ran.isEmpty());

    ws.SelLast = 3;
    ws.ClipboardFull = true;
    ws.PointCount = 4;
    commands.click(1, 7);
    EXPECT_FALSE(ws.commands.isButtonEnabled(1, 7));
    EXPECT_FALSE(ws.commands.isEnabled("mnuUndo"));
    commands.click(1, 9);
    EXPECT_FALSE(ws.commands.isButtonEnabled(1, 9));
    commands.click(1, 10);
    commands.click(1, 11);
    commands.click(1, 15);
    commands.click(1, 3);
    EXPECT_EQ(ran, (QStringList{"mnuUndo", "mnuCut", "mnuCopy", "mnuPaste", "mnuPrint", "mnuSave"}));
    EXPECT_EQ(commands.click(1, 9), Commands::Result::Disabled);
    EXPECT_EQ(commands.click(1, 4), Commands::Result::Ran);  // a separator does nothing
    EXPECT_EQ(commands.click(1, 18), Commands::Result::Unknown);
}

TEST_F(CommandsTest, ToolButtonsPressOneAtATimeAndSetEditSelect)
{
    ws.New();
    commands.click(2, 3);
    EXPECT_TRUE(ws.commands.isButtonPressed(2, 3));
    EXPECT_FALSE(ws.commands.isButtonPressed(2, 1));
    EXPECT_FALSE(ws.commands.isChecked("mnuEditselect"));
    commands.click(2, 4);
    EXPECT_TRUE(ws.commands.isButtonPressed(2, 4));
    EXPECT_FALSE(ws.commands.isButtonPressed(2, 3));
    ws.ToolMode = 2;
    commands.click(2, 1);
    EXPECT_TRUE(ws.commands.isButtonPressed(2, 1));
    EXPECT_FALSE(ws.commands.isButtonPressed(2, 4));
    EXPECT_TRUE(ws.commands.isChecked("mnuEditselect"));
    EXPECT_EQ(ws.ToolMode, 0);
    EXPECT_EQ(ran, (QStringList{"mnuFreehand", "mnuLine"}));

    int inserted = 0;
    commands.addShapeButton(6, [&] { ++inserted; });
    commands.click(2, 3);
    commands.click(2, 6);
    EXPECT_EQ(inserted, 1);
    EXPECT_FALSE(ws.commands.isButtonPressed(2, 3));  // every click releases the tools first
}

TEST_F(CommandsTest, MenuItemsRunOnlyWhenEnabledAndShortcutsFindTheirItem)
{
    EXPECT_EQ(commands.run("mnuSave"), Commands::Result::Disabled);
    EXPECT_EQ(commands.run("mnuBogus"), Commands::Result::Unknown);
    EXPECT_EQ(commands.run("mnuImport"), Commands::Result::Ran);
    ws.commands.enable({"mnuCut"});
    EXPECT_EQ(commands.key("Ctrl+X"), Commands::Result::Ran);
    EXPECT_EQ(commands.key("Ctrl+Z"), Commands::Result::Disabled);
    EXPECT_EQ(commands.key("Ctrl+Q"), Commands::Result::Unknown);
    EXPECT_EQ(ran, (QStringList{"mnuImport", "mnuCut"}));
}

TEST_F(CommandsTest, FrameCloseWritesSettingsWithZeroesMadeOne)
{
    ws.New();
    ws.InterfaceType = 2;
    ws.ComPortNo = 0;
    ws.GpibAddress = 0;
    bool linkClosed = false;
    ws.closeInstrumentLink = [&] { linkClosed = true; };
    commands.closeFrame();
    EXPECT_TRUE(linkClosed);
    EXPECT_TRUE(ws.Exiting);
    EXPECT_TRUE(ws.windows().empty());
    EXPECT_EQ(ws.ComPortNo, 1);
    QFile file(commands.settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("2\r\n1\r\n1\r\n"));
}
