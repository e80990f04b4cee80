#pragma once

#include <QString>
#include <functional>
#include <map>

#include "model/CommandNames.h"

namespace tlv {

class Workspace;

// What the commands need of the frame window itself.
class FrameHost {
public:
    virtual ~FrameHost() = default;
    virtual void cascade() = 0;
    virtual void tile() = 0;
    // The frame has done its closing work; the application ends.
    virtual void quit() = 0;
};

// Every command of the menus and toolbars, run by name. Menus, toolbar buttons, shortcut keys
// and the script driver all come through here, so they run the very same handlers.
class Commands {
public:
    enum class Result { Ran, Disabled, Unknown };

    Commands(Workspace& workspace, QString programFolder);

    void setFrame(FrameHost* frame) { frame_ = frame; }
    // Registers the handler a menu item runs. Items without one run nothing yet.
    void add(CommandId menuItem, std::function<void()> handler);
    // Registers what a button that names no menu command runs (the shape buttons of Toolbar2).
    void addButton(int toolbar, int index, std::function<void()> handler);

    Result run(const QString& menuItem);
    Result click(int toolbar, int index);
    // Runs the menu item that owns the shortcut; Unknown when none has it.
    Result key(const QString& shortcut);
    bool knows(const QString& menuItem) const;

    // Start-up: status bar, enabling, system name, slots, com.ini and the recent files.
    void startUp();
    // The frame's close (its close box, or after Exit): settings, link, windows.
    void closeFrame();
    bool frameClosed() const { return frameClosed_; }

    QString programFolder() const { return programFolder_; }
    QString settingsPath() const;

private:
    void registerFrameCommands();
    void runHandler(const QString& menuItem);
    bool guardHolds(Guard guard) const;
    void clickButton(int toolbar, const ButtonDefinition& button);
    void writeSettings(bool fixZeroes);
    void exit();

    Workspace& ws_;
    QString programFolder_;
    FrameHost* frame_ = nullptr;
    std::map<QString, std::function<void()>> handlers_;
    std::map<std::pair<int, int>, std::function<void()>> buttonHandlers_;
    bool frameClosed_ = false;
};

}  // namespace tlv
