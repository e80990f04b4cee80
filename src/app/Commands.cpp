#include "app/Commands.h"

#include <QDate>
#include <QDir>
#include <cstdio>

#include "model/CommandNames.h"
#include "model/DataFiles.h"
#include "model/OsVersion.h"
#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/Workspace.h"

namespace tlv {

Commands::Commands(Workspace& workspace, QString programFolder)
    : ws_(workspace), programFolder_(std::move(programFolder))
{
    registerFrameCommands();
}

void Commands::add(const QString& menuItem, std::function<void()> handler)
{
    handlers_[menuItem] = std::move(handler);
}

void Commands::addShapeButton(int index, std::function<void()> handler)
{
    shapeButtons_[index] = std::move(handler);
}

bool Commands::knows(const QString& menuItem) const
{
    for (const MenuItemDefinition& item : MenuItems())
        if (item.name == menuItem)
            return true;
    return false;
}

void Commands::runHandler(const QString& menuItem)
{
    auto it = handlers_.find(menuItem);
    if (it != handlers_.end())
        it->second();
}

Commands::Result Commands::run(const QString& menuItem)
{
    if (!knows(menuItem))
        return Result::Unknown;
    if (!ws_.commands.isEnabled(menuItem))
        return Result::Disabled;
    runHandler(menuItem);
    return Result::Ran;
}

Commands::Result Commands::key(const QString& shortcut)
{
    QString item = MenuItemForShortcut(shortcut);
    if (item.isEmpty())
        return Result::Unknown;
    return run(item);
}

Commands::Result Commands::click(int toolbar, int index)
{
    if ((toolbar != 1 && toolbar != 2) || index < 1 ||
        index > static_cast<int>(ToolbarButtons(toolbar).size()))
        return Result::Unknown;
    if (!ws_.commands.canClick(toolbar, index))
        return Result::Disabled;
    if (toolbar == 1)
        clickToolbar1(index);
    else
        clickToolbar2(index);
    return Result::Ran;
}

void Commands::clickToolbar1(int index)
{
    const bool document = ws_.activeWindow() != nullptr;
    switch (index) {
    case 1: runHandler("mnuNew"); break;
    case 2: runHandler("mnuOpen"); break;
    case 3:
        if (document)
            runHandler("mnuSave");
        break;
    case 5: runHandler("mnuImport"); break;
    case 7:
        if (document) {
            runHandler("mnuUndo");
            ws_.commands.setButtonEnabled(1, 7, false);
            ws_.commands.setEnabled("mnuUndo", false);
        }
        break;
    case 9:
        if (document && ws_.SelLast != 0) {
            runHandler("mnuCut");
            ws_.commands.setButtonEnabled(1, 9, false);
        }
        break;
    case 10:
        if (document && ws_.SelLast != 0)
            runHandler("mnuCopy");
        break;
    case 11:
        if (document && ws_.ClipboardFull)
            runHandler("mnuPaste");
        break;
    case 13: runHandler("mnuSend"); break;
    case 15:
        if (document && ws_.PointCount != 0)
            runHandler("mnuPrint");
        break;
    case 17: runHandler("mnuIndex"); break;
    default: break;  // separators
    }
}

void Commands::clickToolbar2(int index)
{
    CommandState& state = ws_.commands;
    for (int tool : {1, 3, 4})
        state.setButtonPressed(2, tool, false);
    switch (index) {
    case 1:
        state.setButtonPressed(2, 1, true);
        ws_.ToolMode = 0;
        state.setChecked("mnuEditselect", true);
        break;
    case 3:
        state.setButtonPressed(2, 3, true);
        state.setChecked("mnuEditselect", false);
        runHandler("mnuFreehand");
        break;
    case 4:
        state.setButtonPressed(2, 4, true);
        state.setChecked("mnuEditselect", false);
        runHandler("mnuLine");
        break;
    default:
        if (auto it = shapeButtons_.find(index); it != shapeButtons_.end())
            it->second();
        break;
    }
}

QString Commands::settingsPath() const
{
    return SettingsPath(programFolder_);
}

void Commands::startUp()
{
    ws_.SetStatusPanel(1, "For Help, Press F1");
    ws_.SetStatusPanel(5, QDate::currentDate().toString("yyyy-MM-dd"));

    CommandState& state = ws_.commands;
    state.disableButtons(1, {9, 10, 11, 3, 7, 13, 15});
    state.disable({"mnuSave", "mnuSaveAs", "mnuUndo", "mnuPrint", "mnuCut", "mnuCopy", "mnuPaste",
                   "mnuSend", "mnuClose", "mnuFreehand", "mnuLine", "mnuSine", "mnuTriangle",
                   "mnuSquare", "mnuExpfall", "mnuExprise", "mnuDc", "mnuNoise", "mnuDamped",
                   "mnuRamp"});
    state.setToolbarEnabled(2, false);

    ws_.OsVersionText = ReadOsVersionText();
    for (DocumentSlot& slot : ws_.DocSlots) {
        slot.used = false;
        slot.title.clear();
    }

    QString error;
    InterfaceSettings settings = LoadSettings(settingsPath(), &error);
    if (!error.isEmpty())
        std::fprintf(stderr, "tolvenar: %s: %s\n", qPrintable(settingsPath()), qPrintable(error));
    ws_.InterfaceType = settings.interfaceType;
    ws_.ComPortNo = settings.comPortNo;
    ws_.GpibAddress = settings.gpibAddress;
}

void Commands::writeSettings(bool fixZeroes)
{
    if (fixZeroes) {
        if (ws_.ComPortNo == 0)
            ws_.ComPortNo = 1;
        if (ws_.GpibAddress == 0)
            ws_.GpibAddress = 1;
    }
    QString error;
    // A settings file that cannot be written never stops the exit.
    if (!SaveSettings(settingsPath(), {ws_.InterfaceType, ws_.ComPortNo, ws_.GpibAddress}, &error))
        std::fprintf(stderr, "tolvenar: cannot write %s: %s\n", qPrintable(settingsPath()),
                     qPrintable(error));
}

void Commands::exit()
{
    writeSettings(false);
    ws_.Exiting = true;
    closeFrame();
}

void Commands::closeFrame()
{
    if (frameClosed_)
        return;
    frameClosed_ = true;
    writeSettings(true);
    if (ws_.closeInstrumentLink)
        ws_.closeInstrumentLink();
    ws_.Exiting = true;
    ws_.CloseAllForExit();
    if (frame_)
        frame_->quit();
}

void Commands::registerFrameCommands()
{
    add("mnuNew", [this] { ws_.New(); });
    add("mnuClose", [this] { ws_.Close(); });
    add("mnuExit", [this] { exit(); });
    add("mnuCascade", [this] {
        if (frame_)
            frame_->cascade();
    });
    add("mnuTile", [this] {
        if (frame_)
            frame_->tile();
    });
    add("mnuAbout", [this] { ws_.prompter->showAbout("Tolvenar Ver2.0", "2001.05"); });
    add("mnuIndex", [this] {
        QString path = DataFilePath(programFolder_, "help.hlp");
        if (!ws_.prompter->showHelp(path))
            ws_.prompter->message("Cannot open the help file " + QDir::toNativeSeparators(path) + ".",
                                  "TLV", Buttons::Ok, Icon::Exclamation);
    });
}

}  // namespace tlv
