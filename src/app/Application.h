#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "commands/Commands.h"
#include "model/Workspace.h"

namespace tlv {

class Instrument;
class MainWindow;
class Prompter;

// The program's object graph: the one workspace, the command table and the frame. The GUI and
// the script driver build the same graph and differ only in the prompter they give it.
class Application {
public:
    explicit Application(const QString& programFolder);
    ~Application();

    Workspace& workspace() { return workspace_; }
    Commands& commands() { return commands_; }
    MainWindow& frame() { return *frame_; }
    void setPrompter(Prompter* prompter) { workspace_.prompter = prompter; }
    // Start-up work of the frame's Load.
    void startUp();
    // Opens each file given on the command line in its own window, as Open would.
    void openFiles(const QStringList& paths);

private:
    Workspace workspace_;
    Commands commands_;
    // Declared before the frame, so that it outlives anything the frame's closing does.
    std::unique_ptr<Instrument> instrument_;
    // The plot's mouse tools (ws.mouseTools); they outlive the frame that sends them input.
    std::unique_ptr<PlotInputHandler> mouseTools_;
    std::unique_ptr<MainWindow> frame_;
};

}  // namespace tlv
