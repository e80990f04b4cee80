#pragma once

#include <QByteArray>
#include <QList>
#include <map>

#include "EventLog.h"
#include "Options.h"
#include "VirtualInstrument.h"

namespace vi {

// One call of the simulated bus's libraries (see tools/simbus/Protocol.h).
struct BusRequest {
    int client = 0;
    QByteArray call;
    QList<QByteArray> args;
    QByteArray payload;
};

struct BusReply {
    qint64 value = 0;
    int status = 0;
    int error = 0;
    QByteArray payload;
};

// An IEEE-488 bus with its controller, the board GPIB0, at address 0, the generator at its
// address and the other devices of the options. The NI calls address the board; the SICL
// sessions ("hpib7,N") belong to the connection that opened them. The generator is the same
// VirtualInstrument as on the line: it takes the bytes of every message sent to it.
class SimulatedBus {
public:
    SimulatedBus(const Options& options, EventLog& log);

    BusReply handle(const BusRequest& request);
    // A connection went away: its sessions go with it.
    void dropClient(int client);
    // With --once: the download has ended.
    bool finished() const { return finished_; }

private:
    enum class Delivery { Taken, NoListener, Refused };

    struct Device {
        QByteArray identity;
        QByteArray line;
        QByteArray output;
    };
    struct Session {
        int client = 0;
        int address = 0;
        int termchr = -1;
    };

    BusReply ni(const BusRequest& request);
    BusReply sicl(const BusRequest& request);
    bool boardReady(int board) const { return board == 0 && online_; }
    bool listening(int address) const;
    Delivery deliver(int address, const QByteArray& bytes);
    // What the device at address has to say: at most count bytes, up to the end byte (-1: none).
    QByteArray take(int address, qsizetype count, int endByte);
    QByteArray& output(int address);
    void logCall(const BusRequest& request, QJsonObject fields, const BusReply& reply);

    const Options& options_;
    EventLog& log_;
    VirtualInstrument generator_;
    QByteArray generatorOutput_;
    std::map<int, Device> others_;
    bool online_ = true;
    qint64 generatorMessages_ = 0;
    std::map<int, Session> sessions_;
    int nextSession_ = 1;
    bool finished_ = false;
};

}  // namespace vi
