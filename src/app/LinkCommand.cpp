#include "app/LinkCommand.h"

#include <QCommandLineParser>
#include <QThread>
#include <cstdio>

#include "files/FileCommands.h"
#include "instrument/Instrument.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {

// Messages go to standard error as lines; the download's progress as one line rewritten.
class ConsolePrompter : public ScriptedPrompter {
public:
    Answer message(const QString& text, const QString&, Buttons, Icon) override
    {
        std::fprintf(stderr, "tolvenar: %s\n", qPrintable(QString(text).replace('\n', ' ')));
        return Answer::Ok;
    }
    void showDownload(ProgressWork& work) override
    {
        work.start();
        while (!work.finished()) {
            std::fprintf(stderr, "\r%s", qPrintable(work.progressText()));
            std::fflush(stderr);
            QThread::msleep(100);
        }
        work.wait();
        std::fprintf(stderr, "\r%s\n", qPrintable(work.progressText()));
    }
};

int Usage(const QString& error, const QString& help)
{
    std::fprintf(stderr, "tolvenar: %s\n%s", qPrintable(error), qPrintable(help));
    return 2;
}

}  // namespace

bool IsLinkCommand(const QStringList& arguments)
{
    return arguments.size() > 1 && (arguments[1] == "send" || arguments[1] == "identify");
}

int RunLinkCommand(const QStringList& arguments)
{
    const bool send = arguments[1] == "send";
    QCommandLineParser parser;
    parser.setApplicationDescription(send ? "Sends a waveform file (.afc, .csv or .prn) to the KTR6610/2."
                                          : "Says whether a KTR6610/2 answers on the link.");
    parser.addHelpOption();
    parser.addOptions({
        {"channel", "With send: the channel, 1 (default) or 2.", "1|2"},
        {"serial", "The serial line on DEVICE.", "DEVICE"},
        {"baud", "With --serial: 2400, 4800, 9600 (default) or 19200.", "N"},
        {"adapter", "A GPIB-USB adapter on the serial DEVICE.", "DEVICE"},
        {"address", "With --adapter: the instrument's GPIB address, 1..30 (default 9).", "N"},
        {"gpib", "The National Instruments card (linux-gpib); N is the instrument's address.", "N"},
        {"sicl", "The Agilent card (SICL); N is the instrument's address.", "N"},
    });
    if (send)
        parser.addPositionalArgument("FILE", "The waveform file.");
    QStringList rest = arguments;
    rest.removeAt(1);
    const QString help = parser.helpText().replace(arguments.front(), "tolvenar " + arguments[1]);
    if (!parser.parse(rest))
        return Usage(parser.errorText(), help);
    if (parser.isSet("help")) {
        std::fprintf(stdout, "%s", qPrintable(help));
        return 0;
    }
    const QStringList links = {"serial", "adapter", "gpib", "sicl"};
    QStringList chosen;
    for (const QString& link : links)
        if (parser.isSet(link))
            chosen << link;
    if (chosen.size() != 1)
        return Usage("name one link: --serial, --adapter, --gpib or --sicl", help);
    if (send != (parser.positionalArguments().size() == 1))
        return Usage(send ? "name one waveform file" : "identify takes no file", help);
    const QString channel = parser.value("channel");
    if (!channel.isEmpty() && channel != "1" && channel != "2")
        return Usage("--channel takes 1 or 2", help);

    ConsolePrompter prompter;
    Workspace ws;
    ws.prompter = &prompter;
    Instrument instrument(ws);
    instrument.useIeeeCards();
    int type = Instrument::Serial;
    bool number = true;
    if (parser.isSet("serial")) {
        ws.link.SerialDevice = parser.value("serial");
        ws.link.ComBaudText = parser.isSet("baud") ? parser.value("baud") : QString("9600");
    } else if (parser.isSet("adapter")) {
        type = Instrument::UsbAdapter;
        ws.link.AdapterDevice = parser.value("adapter");
        ws.link.AdapterAddress = parser.isSet("address") ? parser.value("address").toInt(&number) : 9;
        if (!number || ws.link.AdapterAddress < 1 || ws.link.AdapterAddress > 30)
            return Usage("--address takes 1..30", help);
    } else {
        type = parser.isSet("gpib") ? Instrument::NiCard : Instrument::AgilentCard;
        ws.link.GpibAddress = parser.value(chosen.front()).toInt(&number);
        if (!number || ws.link.GpibAddress < 1 || ws.link.GpibAddress > 30)
            return Usage("--" + chosen.front() + " takes the address 1..30", help);
    }

    if (send) {
        // The file is read as File > Open reads it, into a document of its own.
        FileCommands files(ws);
        prompter.queueChoice(parser.positionalArguments().front());
        files.Open();
        if (!ws.activeWindow())
            return 1;
    }
    if (!instrument.Identify(type))
        return 1;
    if (!send) {
        std::fprintf(stdout, "KTR6610/2 answers on the %s.\n", qPrintable(Instrument::InterfaceName(type)));
        return 0;
    }
    ws.link.ChannelMode = channel == "2";
    instrument.SendWaveform();
    if (ws.DownloadReport.isEmpty())
        return 1;
    std::fprintf(stdout, "%s\n", qPrintable(ws.DownloadReport));
    return 0;
}

}  // namespace tlv
