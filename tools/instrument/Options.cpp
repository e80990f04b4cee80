#include "Options.h"

#include <QCommandLineParser>

namespace vi {

QString FaultName(Fault fault)
{
    switch (fault) {
    case Fault::Silent:
        return "silent";
    case Fault::Disconnect:
        return "disconnect";
    case Fault::Stall:
        return "stall";
    case Fault::None:
        break;
    }
    return "none";
}

std::optional<Options> ParseOptions(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A virtual KTR6610/2 arbitrary waveform generator on a pseudo-terminal.\n"
        "The first line on standard output is the device to point the program's port at.");
    parser.addHelpOption();
    parser.addOptions({
        {"link", "Also publish the device as a symlink at PATH.", "PATH"},
        {"log", "Write the JSON event log to FILE instead of standard output.", "FILE"},
        {"csv-dir", "Write received waveforms to DIR/ch1.csv and DIR/ch2.csv (default .).",
         "DIR"},
        {"baud", "Take bytes no faster than a line at N baud, 8N2 (11 bits a byte).", "N"},
        {"fault",
         "silent (never answer), disconnect=K (close after K data bytes), stall (stop taking "
         "bytes when the data begins).",
         "MODE"},
        {"once", "Exit after one download (its closing A4)."},
    });
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    Options o;
    if (parser.isSet("help")) {
        o.helpText = parser.helpText();
        return o;
    }
    o.linkPath = parser.value("link");
    o.logPath = parser.value("log");
    if (parser.isSet("csv-dir"))
        o.csvDir = parser.value("csv-dir");
    o.once = parser.isSet("once");
    bool ok = true;
    if (parser.isSet("baud")) {
        o.baud = parser.value("baud").toInt(&ok);
        if (!ok || o.baud <= 0) {
            *error = "--baud needs a positive whole number";
            return std::nullopt;
        }
    }
    const QString fault = parser.value("fault");
    if (fault == "silent") {
        o.fault = Fault::Silent;
    } else if (fault == "stall") {
        o.fault = Fault::Stall;
    } else if (fault.startsWith("disconnect=")) {
        o.fault = Fault::Disconnect;
        o.disconnectAfter = fault.mid(11).toLongLong(&ok);
        if (!ok || o.disconnectAfter < 1) {
            *error = "--fault disconnect=K needs a whole number K >= 1";
            return std::nullopt;
        }
    } else if (!fault.isEmpty()) {
        *error = "--fault is silent, stall or disconnect=K";
        return std::nullopt;
    }
    return o;
}

}  // namespace vi
