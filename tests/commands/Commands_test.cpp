// The dispatcher: tool buttons, enabled menu items and keys, and the frame's close.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <stdexcept>

#include "commands/Commands.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"

using namespace tlv;

class CommandsTest : public ::testing::Test {
protected:
    CommandsTest() : commands(ws, folder.path())
    {
        qputenv("TOLVENAR_CONFIG_DIR", folder.path().toLocal8Bit());
        ws.prompter = &prompter;
        for (CommandId item : {Cmd::Save, Cmd::Undo, Cmd::Cut, Cmd::Copy, Cmd::Paste, Cmd::Print,
                               Cmd::Freehand, Cmd::Line, Cmd::Send, Cmd::Import})
            commands.add(item, [this, item] { ran << item.text(); });
        commands.startUp();
    }

    QTemporaryDir folder;
    Workspace ws;
    ScriptedPrompter prompter;
    Commands commands;
    QStringList ran;
};

TEST_F(CommandsTest, ToolButtonsPressOneAtATimeAndSetEditSelect)
{
    ws.New();
    ws.edit.ToolMode = 2;
    // Marker (1), Free hand (3), Line (4): each releases the others; only Marker is Edit Select.
    for (int pressed : {3, 4, 1, 3, 1, 4}) {
        commands.click(2, pressed);
        for (int tool : {1, 3, 4})
            EXPECT_EQ(ws.commands.isButtonPressed(2, tool), tool == pressed) << pressed << " " << tool;
        EXPECT_EQ(ws.commands.isChecked(Cmd::EditSelect), pressed == 1) << pressed;
    }
    EXPECT_EQ(ws.edit.ToolMode, 0);  // Marker set it back
    EXPECT_EQ(ran, (QStringList{"mnuFreehand", "mnuLine", "mnuFreehand", "mnuLine"}));

    int inserted = 0;
    commands.addButton(2, 6, [&] { ++inserted; });
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
    ws.commands.enable({Cmd::Cut});
    EXPECT_EQ(commands.key("Ctrl+X"), Commands::Result::Ran);
    EXPECT_EQ(commands.key("Ctrl+Z"), Commands::Result::Disabled);
    EXPECT_EQ(commands.key("Ctrl+Q"), Commands::Result::Unknown);
    EXPECT_EQ(commands.click(1, 18), Commands::Result::Unknown);
    EXPECT_EQ(ran, (QStringList{"mnuImport", "mnuCut"}));
}

TEST_F(CommandsTest, AnUnknownNameOrButtonIsAProgrammingError)
{
    EXPECT_THROW(ws.commands.setEnabled(CommandId{"mnuBogus"}, true), std::logic_error);
    EXPECT_THROW(ws.commands.disable({Cmd::Cut, CommandId{"mnuCutt"}}), std::logic_error);
    EXPECT_THROW(ws.commands.setButtonEnabled(1, 18, true), std::logic_error);
    EXPECT_THROW(ws.commands.isEnabled(QString("mnuBogus")), std::logic_error);
}

TEST_F(CommandsTest, FrameCloseWritesSettingsWithZeroesMadeOne)
{
    ws.New();
    ws.link.InterfaceType = 2;
    ws.link.ComPortNo = 0;
    ws.link.GpibAddress = 0;
    struct Link : LinkCloser {
        void closeInstrumentLink() override { closed = true; }
        bool closed = false;
    } link;
    ws.linkCloser = &link;
    commands.closeFrame();
    EXPECT_TRUE(link.closed);
    EXPECT_TRUE(ws.edit.Exiting);
    EXPECT_TRUE(ws.windows().empty());
    EXPECT_EQ(ws.link.ComPortNo, 1);
    QFile file(commands.settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("2\r\n1\r\n1\r\n"));
}
