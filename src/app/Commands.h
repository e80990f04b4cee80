#pragma once

#include <QString>
#include <functional>
#include <map>

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
    void add(const QString& menuItem, std::function<void()> handler);
    // Registers a Toolbar2 shape button (6..14); the click releases the tool buttons first.
    void addShapeButton(int index, std::function<void()> handler);

    Result run(const QString& menuItem);
    Result click(int toolbar, int index);
    // Runs the menu item that owns the shortcut; Unknown when none has it.
    Result key(const QString& shortcut);
    bool knows(const QString& menuItem) const;

    // Start-up: status bar, enabling, system name, slots and com.ini.
    void startUp();
    // The frame's close (its close box, or after Exit): settings, link, windows.
    void closeFrame();
    bool frameClosed() const { return frameClosed_; }

    QString programFolder() const { return programFolder_; }
    QString settingsPath() const;

private:
    void registerFrameCommands();
    void runHandler(const QString& menuItem);
    void clickToolbar1(int index);
    void clickToolbar2(int index);
    void writeSettings(bool fixZeroes);
    void exit();

    Workspace& ws_;
    QString programFolder_;
    FrameHost* frame_ = nullptr;
    std::map<QString, std::function<void()>> handlers_;
    std::map<int, std::function<void()>> shapeButtons_;
    bool frameClosed_ = false;
};

}  // namespace tlv
