#include "commands/Commands.h"

#include <QDate>
#include <QDir>
#include <cstdio>

#include "model/DataFiles.h"
#include "model/CommandNames.h"
#include "model/CommandSets.h"
#include "model/OsVersion.h"
#include "model/Prompter.h"
#include "model/RecentFiles.h"
#include "model/Settings.h"
#include "model/Workspace.h"

namespace tlv {

Commands::Commands(Workspace& workspace, QString programFolder)
    : ws_(workspace), programFolder_(std::move(programFolder))
{
    registerFrameCommands();
}

void Commands::add(CommandId menuItem, std::function<void()> handler)
{
    handlers_[menuItem.text()] = std::move(handler);
}

void Commands::addButton(int toolbar, int index, std::function<void()> handler)
{
    buttonHandlers_[{toolbar, index}] = std::move(handler);
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
    for (const ButtonDefinition& button : ToolbarButtons(toolbar))
        if (button.index == index)
            clickButton(toolbar, button);
    return Result::Ran;
}

bool Commands::guardHolds(Guard guard) const
{
    const bool document = ws_.activeWindow() != nullptr;
    switch (guard) {
    case Guard::Always: return true;
    case Guard::Document: return document;
    case Guard::Selection: return document && ws_.edit.SelLast != 0;
    case Guard::Clipboard: return document && ws_.work.ClipboardFull;
    case Guard::DocumentWithPoints: return document && ws_.edit.PointCount != 0;
    }
    return false;
}

void Commands::clickButton(int toolbar, const ButtonDefinition& button)
{
    CommandState& state = ws_.commands;
    // Any click on Toolbar2 releases the tools; a tool button then presses itself, and only the
    // Marker keeps Edit Select checked.
    if (toolbar == 2)
        for (int tool : {Tb2::Marker, Tb2::FreeHand, Tb2::Line})
            state.setButtonPressed(2, tool, false);
    if (button.separator())
        return;
    if (button.tool) {
        state.setButtonPressed(2, button.index, true);
        state.setChecked(Cmd::EditSelect, !button.command);
        if (!button.command)
            ws_.edit.ToolMode = 0;
    }
    if (!guardHolds(button.guard))
        return;
    if (button.command)
        runHandler(button.command->text());
    else if (auto it = buttonHandlers_.find({toolbar, button.index}); it != buttonHandlers_.end())
        it->second();
    if (button.afterward != Afterward::Nothing)
        state.setButtonEnabled(toolbar, button.index, false);
    if (button.afterward == Afterward::DisableButtonAndItem && button.command)
        state.setEnabled(*button.command, false);
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
    state.disableButtons(1, Sets::DocumentButtons);
    state.disable(Sets::NoDocumentItems);
    state.disable(Sets::WaveformItems);
    state.setToolbarEnabled(2, false);

    ws_.OsVersionText = ReadOsVersionText();
    for (DocumentSlot& slot : ws_.docs.DocSlots) {
        slot.used = false;
        slot.title.clear();
    }

    QString error;
    InterfaceSettings settings = LoadSettings(settingsPath(), &error);
    if (!error.isEmpty())
        std::fprintf(stderr, "tolvenar: %s: %s\n", qPrintable(settingsPath()), qPrintable(error));
    ws_.link.InterfaceType = settings.interfaceType;
    ws_.link.ComPortNo = settings.comPortNo;
    ws_.link.GpibAddress = settings.gpibAddress;
    for (auto [path, device] : {std::pair{SerialDeviceSettingPath(), &ws_.link.SerialDevice},
                                std::pair{AdapterDeviceSettingPath(), &ws_.link.AdapterDevice}}) {
        QString deviceError;
        *device = LoadSerialDevice(path, &deviceError);
        if (!deviceError.isEmpty())
            std::fprintf(stderr, "tolvenar: %s: %s\n", qPrintable(path), qPrintable(deviceError));
    }

    if (QString recentError = ws_.file.Recent.load(RecentFilesPath()); !recentError.isEmpty())
        std::fprintf(stderr, "tolvenar: %s: %s\n", qPrintable(RecentFilesPath()),
                     qPrintable(recentError));
}

void Commands::writeSettings(bool fixZeroes)
{
    if (fixZeroes) {
        if (ws_.link.ComPortNo == 0)
            ws_.link.ComPortNo = 1;
        if (ws_.link.GpibAddress == 0)
            ws_.link.GpibAddress = 1;
    }
    QString error;
    // A settings file that cannot be written never stops the exit.
    // com.ini names the serial line and the two cards only: behind an adapter it says the serial
    // line, and the adapter's device is kept apart.
    const int interfaceType = ws_.link.InterfaceType <= 2 ? ws_.link.InterfaceType : 0;
    if (!SaveSettings(settingsPath(), {interfaceType, ws_.link.ComPortNo, ws_.link.GpibAddress}, &error))
        std::fprintf(stderr, "tolvenar: cannot write %s: %s\n", qPrintable(settingsPath()),
                     qPrintable(error));
    for (auto [path, device] : {std::pair{SerialDeviceSettingPath(), ws_.link.SerialDevice},
                                std::pair{AdapterDeviceSettingPath(), ws_.link.AdapterDevice}})
        if (!SaveSerialDevice(path, device, &error))
            std::fprintf(stderr, "tolvenar: cannot write %s: %s\n", qPrintable(path), qPrintable(error));
}

void Commands::exit()
{
    writeSettings(false);
    ws_.edit.Exiting = true;
    closeFrame();
}

void Commands::closeFrame()
{
    if (frameClosed_)
        return;
    frameClosed_ = true;
    writeSettings(true);
    ws_.edit.Exiting = true;
    // Cancel at a save question, or a Yes that did not end in a save, stops the exit there; the
    // instrument stays ready for the program that goes on.
    if (!ws_.CloseAllForExit()) {
        frameClosed_ = false;
        return;
    }
    if (ws_.linkCloser)
        ws_.linkCloser->closeInstrumentLink();
    if (frame_)
        frame_->quit();
}

void Commands::registerFrameCommands()
{
    add(Cmd::New, [this] { ws_.New(); });
    add(Cmd::Close, [this] { ws_.Close(); });
    add(Cmd::Exit, [this] { exit(); });
    add(Cmd::Cascade, [this] {
        if (frame_)
            frame_->cascade();
    });
    add(Cmd::Tile, [this] {
        if (frame_)
            frame_->tile();
    });
    add(Cmd::About, [this] { ws_.prompter->showAbout("Tolvenar Ver2.0", "2001.05"); });
    add(Cmd::HelpIndex, [this] {
        QString path = DataFilePath(programFolder_, "help.hlp");
        if (!ws_.prompter->showHelp(path))
            ws_.prompter->message("Cannot open the help file " + QDir::toNativeSeparators(path) + ".",
                                  "TLV", Buttons::Ok, Icon::Exclamation);
    });
}

}  // namespace tlv
