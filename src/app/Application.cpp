#include "app/Application.h"

#include <QDir>
#include <QFileInfo>

#include "app/MainWindow.h"
#include "editing/MathCommands.h"
#include "editing/EditCommands.h"
#include "files/FileCommands.h"
#include "instrument/Instrument.h"
#include "instrument/InstrumentCommands.h"
#include "synthesis/SynthesisCommands.h"

namespace tlv {

// Each subsystem registers the handlers of its own menu items and buttons here.
static void RegisterSubsystems(Workspace& ws, Commands& commands)
{
    RegisterSynthesisCommands(ws, commands);
    RegisterFileCommands(ws, commands);
    RegisterMathCommands(ws, commands);
}

Application::Application(const QString& programFolder)
    : commands_(workspace_, programFolder),
      frame_(std::make_unique<MainWindow>(workspace_, commands_))
{
    RegisterSubsystems(workspace_, commands_);
    instrument_ = RegisterInstrumentCommands(workspace_, commands_);
    mouseTools_ = RegisterEditingCommands(workspace_, commands_);
}

Application::~Application() = default;

void Application::startUp()
{
    commands_.startUp();
    frame_->syncCommands();
    frame_->statusChanged();
}

void Application::openFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        workspace_.opener->OpenFile(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
        frame_->syncCommands();
    }
}

}  // namespace tlv
