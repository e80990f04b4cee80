// tolvenar-instrument: a virtual KTR6610/2 on a pseudo-terminal or a simulated IEEE-488 bus.
// See docs/instrument.md.
#include <QCoreApplication>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

#include "BusServer.h"
#include "EventLog.h"
#include "LinePacer.h"
#include "AdapterFront.h"
#include "Options.h"
#include "PseudoTerminal.h"
#include "VirtualInstrument.h"

namespace {

using namespace vi;

volatile std::sig_atomic_t gStop = 0;

void OnStopSignal(int)
{
    gStop = 1;
}

// How long to sleep: until the next paced byte arrives, but never so long that a stop signal
// goes unnoticed.
timespec PollTimeout(const LinePacer& pacer, Clock::time_point now)
{
    std::chrono::nanoseconds wait = std::chrono::milliseconds(100);
    if (const auto due = pacer.nextDue())
        wait = std::clamp<std::chrono::nanoseconds>(*due - now, std::chrono::nanoseconds(0), wait);
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
    return {static_cast<time_t>(seconds.count()), static_cast<long>((wait - seconds).count())};
}

// Serves the line until a stop signal, the end of a download with --once, or the disconnect
// fault.
void Serve(const Options& options, PseudoTerminal& pty, EventLog& log)
{
    LinePacer pacer(options.baud);
    const auto toLine = [&pty](const QByteArray& bytes) {
        if (::write(pty.master(), bytes.constData(), static_cast<size_t>(bytes.size())) < 0)
            std::perror("tolvenar-instrument: reply");
    };
    // Behind an adapter the generator's replies wait in the adapter for "++read".
    AdapterFront* adapter = nullptr;
    VirtualInstrument instrument(options, log, [&](const QByteArray& bytes) {
        if (adapter)
            adapter->heard(bytes);
        else
            toLine(bytes);
    });
    AdapterFront front(options, log, instrument, toLine);
    if (options.adapter)
        adapter = &front;
    // Read as the bytes arrive: the program may close the port, which puts the old settings
    // back, before a paced command is taken.
    QString line;
    instrument.setLineSettings([&line] { return line; });
    bool taking = true;
    // A data block with no byte for this long has been given up by its sender.
    constexpr auto kDataGap = std::chrono::seconds(1);
    auto lastTaken = Clock::now();
    char buffer[4096];
    while (!gStop) {
        pollfd fd{pty.master(), static_cast<short>(taking ? POLLIN : 0), 0};
        const timespec timeout = PollTimeout(pacer, Clock::now());
        if (::ppoll(&fd, 1, &timeout, nullptr) > 0 && (fd.revents & POLLIN)) {
            const ssize_t n = ::read(pty.master(), buffer, sizeof buffer);
            if (n > 0) {
                line = pty.lineSettings();
                pacer.push(buffer, static_cast<size_t>(n), Clock::now());
            }
        }
        const auto now = Clock::now();
        while (taking) {
            const auto byte = pacer.next(now);
            if (!byte)
                break;
            lastTaken = now;
            switch (adapter ? adapter->take(*byte) : instrument.take(*byte)) {
            case VirtualInstrument::Next::Continue:
                break;
            case VirtualInstrument::Next::Stall:
                taking = false;
                pacer.clear();
                pty.stopSender();
                break;
            case VirtualInstrument::Next::Disconnect:
                log.write("exit", {{"reason", "disconnect"}});
                return;
            case VirtualInstrument::Next::Finish:
                log.write("exit", {{"reason", "once"}});
                return;
            }
        }
        if (taking && instrument.waitingForData() && !pacer.nextDue() && now - lastTaken > kDataGap)
            instrument.dropData();
    }
    log.write("exit", {{"reason", "signal"}});
}

// The bus mode: the first line printed is the socket, once it takes connections.
int ServeSimulatedBus(const Options& options, EventLog& log)
{
    QJsonObject others;
    for (const auto& [address, identity] : options.others)
        others[QString::number(address)] = QString::fromLatin1(identity);
    QString error;
    const bool served = ServeBus(options, log, gStop, [&] {
        std::printf("%s\n", qPrintable(options.busPath));
        std::fflush(stdout);
        log.write("ready", {{"bus", options.busPath},
                            {"address", options.address},
                            {"others", others},
                            {"fault", FaultName(options.fault)}});
    }, &error);
    if (!served) {
        std::fprintf(stderr, "tolvenar-instrument: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tolvenar-instrument");
    QString error;
    const auto options = ParseOptions(app.arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "tolvenar-instrument: %s\n", qPrintable(error));
        return 2;
    }
    if (!options->helpText.isEmpty()) {
        std::printf("%s", qPrintable(options->helpText));
        return 0;
    }
    EventLog log;
    if (!log.open(options->logPath, &error)) {
        std::fprintf(stderr, "tolvenar-instrument: %s\n", qPrintable(error));
        return 1;
    }
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
    if (!options->busPath.isEmpty())
        return ServeSimulatedBus(*options, log);

    PseudoTerminal pty;
    if (!pty.open(&error)) {
        std::fprintf(stderr, "tolvenar-instrument: %s\n", qPrintable(error));
        return 1;
    }
    if (!options->linkPath.isEmpty() &&
        !PublishLink(options->linkPath, pty.devicePath(), &error)) {
        std::fprintf(stderr, "tolvenar-instrument: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(pty.devicePath()));
    std::fflush(stdout);
    log.write("ready", {{"device", pty.devicePath()},
                        {"baud", options->baud},
                        {"fault", FaultName(options->fault)},
                        {"adapter", options->adapter}});
    Serve(*options, pty, log);
    pty.close();
    if (!options->linkPath.isEmpty())
        WithdrawLink(options->linkPath, pty.devicePath());
    return 0;
}
