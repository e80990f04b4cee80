#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QScopeGuard>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "app/Application.h"
#include "app/GuiPrompter.h"
#include "app/LinkCommand.h"
#include "app/MainWindow.h"
#include "app/ScriptDriver.h"

namespace {

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

// The script to read, standard input for "-"; nullptr with errno set when it cannot be read.
std::FILE* OpenScript(const QString& path)
{
    if (path == "-")
        return stdin;
    std::FILE* file = std::fopen(QFile::encodeName(path), "r");
    struct stat status {};
    if (file && fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fclose(file);
        errno = EISDIR;
        return nullptr;
    }
    return file;
}

int RunScript(const QString& scriptPath, bool keepGoing, const QStringList& files)
{
    // The script is read line by line as it runs, so that a pipe can drive the program one
    // command at a time.
    std::FILE* script = OpenScript(scriptPath);
    if (!script) {
        std::fprintf(stderr, "tolvenar: cannot read %s: %s\n", qPrintable(scriptPath),
                     std::strerror(errno));
        return 2;
    }
    const auto closeScript = qScopeGuard([script] {
        if (script != stdin)
            std::fclose(script);
    });

    QTextStream out(stdout);
    QTextStream err(stderr);
    tlv::Application app(QCoreApplication::applicationDirPath());
    tlv::ScriptDriver driver(app.workspace(), app.commands(), app.frame(), out, err);
    if (keepGoing)
        driver.keepGoing();
    app.setPrompter(&driver.prompter());
    app.startUp();
    app.frame().show();
    app.openFiles(files);
    return driver.run(script);
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (tlv::IsLinkCommand(arguments)) {
        // No window and no display: the instrument alone.
        QCoreApplication core(argc, argv);
        return tlv::RunLinkCommand(arguments);
    }
    QCommandLineParser parser;
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption scriptOption(
        "script", "Runs the script FILE headless (- reads standard input).", "FILE");
    parser.addOption(scriptOption);
    const QCommandLineOption keepGoingOption(
        "keep-going", "With --script: skips a line that does not fit the program's state.");
    parser.addOption(keepGoingOption);
    parser.addPositionalArgument("FILE", "A waveform file (.afc, .csv or .prn) to open in its own window.",
                                 "[FILE...]");
    parser.setApplicationDescription(
        "Tolvenar composes arbitrary waveforms for the KTR6610/2.\n\n"
        "tolvenar send FILE [--channel 1|2] LINK   sends a waveform file without a window\n"
        "tolvenar identify LINK                    says whether the instrument answers\n"
        "LINK: --serial DEVICE [--baud N] | --adapter DEVICE [--address N] | --gpib N | --sicl N\n"
        "(tolvenar send --help tells more).");
    QCoreApplication::setApplicationName("Tolvenar");
    QCoreApplication::setApplicationVersion(TOLVENAR_VERSION);
    // The options are read before the application object exists (a script must choose the
    // headless platform first), so the help names the program itself.
    const QString help = parser.helpText().replace("<executable_name>", "tolvenar");
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "tolvenar: %s\n%s", qPrintable(parser.errorText()), qPrintable(help));
        return 2;
    }
    if (parser.isSet(helpOption)) {
        std::fprintf(stdout, "%s", qPrintable(help));
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::fprintf(stdout, "Tolvenar %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    const QString script = parser.value(scriptOption);
    // A script runs headless: no window is shown and no display is needed.
    if (parser.isSet(scriptOption)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
    }

    QApplication qapp(argc, argv);
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(scriptOption))
        return RunScript(script, parser.isSet(keepGoingOption), files);

    tlv::Application app(QCoreApplication::applicationDirPath());
    tlv::GuiPrompter prompter(&app.frame());
    app.setPrompter(&prompter);
    app.startUp();
    app.frame().show();
    app.openFiles(files);
    return qapp.exec();
}
