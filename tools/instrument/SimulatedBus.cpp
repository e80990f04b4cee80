#include "SimulatedBus.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <algorithm>

#include "../simbus/Protocol.h"

namespace vi {

namespace {

using namespace simbus;

int Arg(const BusRequest& r, qsizetype i)
{
    return i < r.args.size() ? r.args[i].toInt() : -1;
}

QString Text(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

BusReply Failure(int status, int error)
{
    return {0, status, error, {}};
}

}  // namespace

SimulatedBus::SimulatedBus(const Options& options, EventLog& log)
    : options_(options),
      log_(log),
      generator_(options, log, [this](const QByteArray& reply) { generatorOutput_ += reply; })
{
    for (const auto& [address, identity] : options.others)
        others_[address].identity = identity;
}

bool SimulatedBus::listening(int address) const
{
    if (address == 0)
        return true;
    if (address == options_.address)
        return options_.fault != Fault::NoListener;
    return others_.count(address) > 0;
}

QByteArray& SimulatedBus::output(int address)
{
    return address == options_.address ? generatorOutput_ : others_[address].output;
}

SimulatedBus::Delivery SimulatedBus::deliver(int address, const QByteArray& bytes)
{
    if (address == 0 || !listening(address))
        return Delivery::NoListener;
    // A new message discards an answer not yet read.
    output(address).clear();
    if (address != options_.address) {
        Device& device = others_[address];
        for (char byte : bytes) {
            if (byte != '\n') {
                device.line += byte;
                continue;
            }
            const QByteArray command = std::exchange(device.line, {}).trimmed();
            QJsonObject fields{{"address", address}, {"command", Text(command)}};
            if (command == "*IDN?") {
                device.output = device.identity + "\n";
                fields["reply"] = Text(device.output);
            }
            log_.write("device", fields);
        }
        return Delivery::Taken;
    }
    if (options_.fault == Fault::SendFail && ++generatorMessages_ >= options_.sendFailAt) {
        log_.write("fault", {{"mode", "send-fail"}, {"message", generatorMessages_}});
        return Delivery::Refused;
    }
    for (char byte : bytes) {
        if (generator_.take(byte) == VirtualInstrument::Next::Finish)
            finished_ = true;
    }
    return Delivery::Taken;
}

QByteArray SimulatedBus::take(int address, qsizetype count, int endByte)
{
    QByteArray& pending = output(address);
    qsizetype n = std::min(count, pending.size());
    if (endByte >= 0) {
        const qsizetype end = pending.indexOf(static_cast<char>(endByte));
        if (end >= 0 && end < n)
            n = end + 1;
    }
    const QByteArray taken = pending.left(n);
    pending.remove(0, n);
    return taken;
}

void SimulatedBus::logCall(const BusRequest& request, QJsonObject fields, const BusReply& reply)
{
    fields["call"] = Text(request.call);
    fields["status"] = QString("0x%1").arg(reply.status, 0, 16);
    if (reply.error != 0 || (reply.status & kErr) != 0)
        fields["error"] = reply.error;
    log_.write("bus", fields);
}

BusReply SimulatedBus::handle(const BusRequest& request)
{
    static const QList<QByteArray> kSiclCalls = {"iopen",  "iclose", "itimeout", "itermchr",
                                                 "iprintf", "iwrite", "iread",   "_siclcleanup"};
    return kSiclCalls.contains(request.call) ? sicl(request) : ni(request);
}

BusReply SimulatedBus::ni(const BusRequest& request)
{
    const QByteArray& call = request.call;
    const int board = Arg(request, 0);
    BusReply reply{0, kCmpl, 0, {}};
    if (call == "ibfind") {
        if (request.payload == "GPIB0") {
            online_ = true;
        } else {
            reply = Failure(kErr, kEdvr);
            reply.value = -1;
        }
        logCall(request, {{"name", Text(request.payload)}, {"result", reply.value}}, reply);
        return reply;
    }
    if (call == "ibonl") {
        if (board == 0)
            online_ = Arg(request, 1) != 0;
        else
            reply = Failure(kErr, kEdvr);
        logCall(request, {{"ud", board}, {"online", Arg(request, 1)}}, reply);
        return reply;
    }
    if (!boardReady(board)) {
        reply = Failure(kErr, kEdvr);
        logCall(request, {{"board", board}}, reply);
        return reply;
    }
    if (call == "SendIFC") {
        logCall(request, {}, reply);
    } else if (call == "FindLstn") {
        const int limit = Arg(request, 1);
        QJsonArray found;
        for (const QByteArray& pad : request.payload.split(' ')) {
            if (pad.isEmpty() || found.size() >= limit || !listening(pad.toInt()))
                continue;
            found.append(pad.toInt());
            reply.payload += pad + " ";
        }
        reply.value = found.size();
        logCall(request, {{"listeners", found}}, reply);
    } else if (call == "DevClear") {
        const int address = Arg(request, 1);
        if (address == kNoAddr) {
            generatorOutput_.clear();
            for (auto& [a, device] : others_)
                device.output.clear();
        } else if (listening(address) && address != 0) {
            output(address).clear();
        } else {
            reply = Failure(kErr, kEnol);
        }
        logCall(request, {{"address", address}}, reply);
    } else if (call == "Send") {
        const int address = Arg(request, 1);
        const QByteArray bytes = request.payload + (Arg(request, 2) == kNlEnd ? "\n" : "");
        switch (deliver(address, bytes)) {
        case Delivery::Taken:
            reply.value = bytes.size();
            break;
        case Delivery::NoListener:
            reply = Failure(kErr, kEnol);
            break;
        case Delivery::Refused:
            reply = Failure(kErr | kTimo, kEabo);
            break;
        }
        // What the generator takes, it logs itself.
        if (address != options_.address || reply.status & kErr)
            logCall(request, {{"address", address}, {"bytes", bytes.size()}}, reply);
    } else if (call == "Receive") {
        const int address = Arg(request, 1);
        const int termination = Arg(request, 3);
        if (!listening(address) || address == 0) {
            reply = Failure(kErr, kEnol);
        } else if (output(address).isEmpty()) {
            reply = Failure(kErr | kTimo, kEabo);
        } else {
            reply.payload = take(address, Arg(request, 2), termination < 0x100 ? termination : -1);
            reply.value = reply.payload.size();
            reply.status |= kEnd;
        }
        logCall(request, {{"address", address}, {"raw", Text(reply.payload)}}, reply);
    } else {
        reply = Failure(kErr, kEdvr);
        logCall(request, {{"known", false}}, reply);
    }
    return reply;
}

BusReply SimulatedBus::sicl(const BusRequest& request)
{
    const QByteArray& call = request.call;
    BusReply reply;
    if (call == "iopen") {
        static const QRegularExpression kAddress("^hpib7,([0-9]{1,2})$");
        const auto m = kAddress.match(Text(request.payload));
        const int address = m.hasMatch() ? m.captured(1).toInt() : -1;
        if (address < 0 || address > 30) {
            reply.error = simbus::kBadAddress;
        } else {
            reply.value = nextSession_++;
            sessions_[static_cast<int>(reply.value)] = {request.client, address, -1};
        }
        logCall(request, {{"address", Text(request.payload)}, {"session", reply.value}}, reply);
        return reply;
    }
    if (call == "_siclcleanup") {
        dropClient(request.client);
        logCall(request, {}, reply);
        return reply;
    }
    const int id = Arg(request, 0);
    const auto session = sessions_.find(id);
    if (session == sessions_.end() || session->second.client != request.client) {
        reply.error = simbus::kBadSession;
        logCall(request, {{"session", id}}, reply);
        return reply;
    }
    const int address = session->second.address;
    if (call == "iclose") {
        sessions_.erase(session);
        logCall(request, {{"session", id}}, reply);
    } else if (call == "itermchr") {
        session->second.termchr = Arg(request, 1);
    } else if (call == "itimeout") {
        // Nothing on the simulated bus waits.
    } else if (call == "iprintf" || call == "iwrite") {
        switch (deliver(address, request.payload)) {
        case Delivery::Taken:
            reply.value = request.payload.size();
            break;
        case Delivery::NoListener:
            reply.error = simbus::kNoListener;
            break;
        case Delivery::Refused:
            reply.error = simbus::kTimeout;
            break;
        }
        if (address != options_.address || reply.error != 0)
            logCall(request, {{"session", id}, {"bytes", request.payload.size()}}, reply);
    } else if (call == "iread") {
        if (!listening(address) || address == 0)
            reply.error = simbus::kNoListener;
        else if (output(address).isEmpty())
            reply.error = simbus::kTimeout;
        else
            reply.payload = take(address, Arg(request, 1), session->second.termchr);
        reply.value = reply.payload.size();
        logCall(request, {{"session", id}, {"raw", Text(reply.payload)}}, reply);
    } else {
        reply.error = simbus::kBadSession;
        logCall(request, {{"known", false}}, reply);
    }
    return reply;
}

void SimulatedBus::dropClient(int client)
{
    std::erase_if(sessions_, [client](const auto& entry) { return entry.second.client == client; });
}

}  // namespace vi
