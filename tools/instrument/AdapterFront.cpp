#include "AdapterFront.h"

#include <QJsonObject>

namespace vi {

namespace {
constexpr char kEscape = 0x1B;
}

AdapterFront::AdapterFront(const Options& options, EventLog& log, VirtualInstrument& instrument, Reply reply)
    : options_(options), log_(log), instrument_(instrument), reply_(std::move(reply))
{
}

VirtualInstrument::Next AdapterFront::take(char byte)
{
    if (escaped_) {
        escaped_ = false;
        lineEscaped_ = lineEscaped_ || line_.size() < 2;
        line_ += byte;
        return VirtualInstrument::Next::Continue;
    }
    if (byte == kEscape) {
        escaped_ = true;
        return VirtualInstrument::Next::Continue;
    }
    if (byte == '\r' || byte == '\n')
        return endLine();
    line_ += byte;
    return VirtualInstrument::Next::Continue;
}

VirtualInstrument::Next AdapterFront::endLine()
{
    const QByteArray line = line_;
    const bool escaped = lineEscaped_;
    line_.clear();
    lineEscaped_ = false;
    if (line.isEmpty())
        return VirtualInstrument::Next::Continue;
    if (line.startsWith("++") && !escaped) {
        command(line);
        return VirtualInstrument::Next::Continue;
    }
    const bool listener = address_ == options_.address && options_.fault != Fault::NoListener;
    log_.write("adapter-data", {{"bytes", line.size()}, {"address", address_}, {"delivered", listener}});
    if (!listener)
        return VirtualInstrument::Next::Continue;
    for (char c : line)
        if (const auto next = instrument_.take(c); next != VirtualInstrument::Next::Continue)
            return next;
    return VirtualInstrument::Next::Continue;
}

void AdapterFront::command(const QByteArray& text)
{
    log_.write("adapter", {{"command", QString::fromLatin1(text)}});
    if (options_.fault == Fault::Silent)
        return;
    if (text == "++ver") {
        reply_("Tolvenar virtual GPIB-USB adapter 1.0\r\n");
    } else if (text.startsWith("++addr ")) {
        address_ = text.mid(7).trimmed().toInt();
    } else if (text.startsWith("++read")) {
        reply_(heard_);
        heard_.clear();
    }
}

}  // namespace vi
