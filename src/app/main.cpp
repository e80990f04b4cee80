#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "app/Application.h"
#include "app/GuiPrompter.h"
#include "app/MainWindow.h"
#include "app/ScriptDriver.h"

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: tolvenar [--script FILE [--keep-going]]   (FILE - reads standard input)\n");
    return 2;
}

// A script's output is the program's answer: Qt's own chatter about the headless platform is
// kept off it; warnings and errors still reach standard error.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (message.contains("propagateSizeHints") || message.contains("XDG_RUNTIME_DIR"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

int RunScript(const QString& scriptPath, bool keepGoing)
{
    QStringList lines;
    QFile file;
    bool opened = scriptPath == "-" ? file.open(stdin, QIODevice::ReadOnly)
                                    : (file.setFileName(scriptPath), file.open(QIODevice::ReadOnly));
    if (!opened) {
        std::fprintf(stderr, "tolvenar: cannot read %s: %s\n", qPrintable(scriptPath),
                     qPrintable(file.errorString()));
        return 2;
    }
    QTextStream in(&file);
    while (!in.atEnd())
        lines << in.readLine();

    QTextStream out(stdout);
    QTextStream err(stderr);
    tlv::Application app(QCoreApplication::applicationDirPath());
    tlv::ScriptDriver driver(app.workspace(), app.commands(), app.frame(), out, err);
    if (keepGoing)
        driver.keepGoing();
    app.setPrompter(&driver.prompter());
    app.startUp();
    app.frame().show();
    return driver.run(lines);
}

}  // namespace

int main(int argc, char** argv)
{
    QString script;
    bool keepGoing = false;
    for (int i = 1; i < argc; ++i) {
        QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == "--script" && i + 1 < argc)
            script = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--keep-going")
            keepGoing = true;
        else if (arg == "--help" || arg == "-h")
            return Usage(), 0;
        else if (arg.startsWith("--"))
            return Usage();
    }
    // A script runs headless: no window is shown and no display is needed.
    if (!script.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
    }

    QApplication qapp(argc, argv);
    QApplication::setApplicationName("Tolvenar");
    if (!script.isEmpty())
        return RunScript(script, keepGoing);

    tlv::Application app(QCoreApplication::applicationDirPath());
    tlv::GuiPrompter prompter(&app.frame());
    app.setPrompter(&prompter);
    app.startUp();
    app.frame().show();
    return qapp.exec();
}
