#pragma once

#include <QString>
#include <memory>

#include "commands/Commands.h"
#include "model/Workspace.h"

namespace tlv {

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

private:
    Workspace workspace_;
    Commands commands_;
    // The plot's mouse tools (ws.mouseTools); they outlive the frame that sends them input.
    std::unique_ptr<PlotInputHandler> mouseTools_;
    std::unique_ptr<MainWindow> frame_;
};

}  // namespace tlv
