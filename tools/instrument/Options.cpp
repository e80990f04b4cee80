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
    case Fault::WrongIdentity:
        return "wrong-identity";
    case Fault::NoListener:
        return "no-listener";
    case Fault::SendFail:
        return "send-fail";
    case Fault::None:
        break;
    }
    return "none";
}

namespace {

// The bus and the line have options of their own; each refuses the other's.
bool ParseBusOptions(const QCommandLineParser& parser, Options& o, QString* error)
{
    o.busPath = parser.value("bus");
    const bool bus = !o.busPath.isEmpty();
    const bool lineFault = o.fault == Fault::Disconnect || o.fault == Fault::Stall;
    const bool busFault = o.fault == Fault::NoListener || o.fault == Fault::SendFail;
    if (bus && (parser.isSet("link") || parser.isSet("baud") || lineFault)) {
        *error = "--bus takes no --link, --baud, disconnect or stall";
        return false;
    }
    o.adapter = parser.isSet("adapter");
    if (bus && o.adapter) {
        *error = "--bus and --adapter serve different links; choose one";
        return false;
    }
    // The adapter stands before a bus of its own: it takes the address and no-listener too.
    if (!bus && (parser.isSet("other") || o.fault == Fault::SendFail ||
                 (!o.adapter && (parser.isSet("address") || busFault)))) {
        *error = "--address, --other, no-listener and send-fail need --bus (--address and no-listener: or --adapter)";
        return false;
    }
    bool ok = true;
    if (parser.isSet("address")) {
        o.address = parser.value("address").toInt(&ok);
        if (!ok || o.address < 1 || o.address > 30) {
            *error = "--address needs an address 1..30";
            return false;
        }
    }
    for (const QString& other : parser.values("other")) {
        const int address = other.section(':', 0, 0).toInt(&ok);
        if (!ok || address < 1 || address > 30 || !other.contains(':') ||
            address == o.address || o.others.count(address) > 0) {
            *error = QString("--other %1: needs ADDR:IDN with a free address 1..30").arg(other);
            return false;
        }
        o.others[address] = other.section(':', 1).toLatin1();
    }
    return true;
}

}  // namespace

std::optional<Options> ParseOptions(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A virtual KTR6610/2 arbitrary waveform generator on a pseudo-terminal, or with --bus\n"
        "on a simulated IEEE-488 bus.\n"
        "The first line on standard output is the device to point the program's port at\n"
        "(with --bus: the socket to put in TOLVENAR_SIMBUS).");
    parser.addHelpOption();
    parser.addOptions({
        {"link", "Also publish the device as a symlink at PATH.", "PATH"},
        {"log", "Write the JSON event log to FILE instead of standard output.", "FILE"},
        {"csv-dir", "Write received waveforms to DIR/ch1.csv and DIR/ch2.csv (default .).",
         "DIR"},
        {"baud", "Take bytes no faster than a line at N baud, 8N2 (11 bits a byte).", "N"},
        {"fault",
         "silent (never answer), wrong-identity (answer with a character before the identity); "
         "on the line: disconnect=K (close after K data bytes), stall (stop taking bytes when "
         "the data begins); on the bus: no-listener (the generator takes no part), "
         "send-fail[=K] (messages to the generator fail from the K-th on, default 1).",
         "MODE"},
        {"once", "Exit after one download (its closing A4)."},
        {"bus", "Serve a simulated IEEE-488 bus on the local socket SOCKET.", "SOCKET"},
        {"address", "With --bus or --adapter: the generator's address, 1..30 (default 1).", "N"},
        {"adapter",
         "Play a GPIB-USB adapter of the \"++\" kind on the pseudo-terminal, with the generator "
         "behind it at --address; the faults silent (the adapter answers nothing) and "
         "no-listener (nothing at the address) apply to it."},
        {"other",
         "With --bus: another device at ADDR answering \"*IDN?\" with IDN (may be repeated).",
         "ADDR:IDN"},
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
    } else if (fault == "wrong-identity") {
        o.fault = Fault::WrongIdentity;
    } else if (fault == "no-listener") {
        o.fault = Fault::NoListener;
    } else if (fault == "send-fail" || fault.startsWith("send-fail=")) {
        o.fault = Fault::SendFail;
        if (fault != "send-fail")
            o.sendFailAt = fault.mid(10).toLongLong(&ok);
        if (!ok || o.sendFailAt < 1) {
            *error = "--fault send-fail=K needs a whole number K >= 1";
            return std::nullopt;
        }
    } else if (!fault.isEmpty()) {
        *error = "--fault is silent, wrong-identity, stall, disconnect=K, no-listener or "
                 "send-fail[=K]";
        return std::nullopt;
    }
    if (!ParseBusOptions(parser, o, error))
        return std::nullopt;
    return o;
}

}  // namespace vi
