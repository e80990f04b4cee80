#pragma once

#include <QByteArray>
#include <functional>

#include "EventLog.h"
#include "Options.h"

namespace vi {

// The KTR6610/2 as seen from its serial input, one byte at a time: commands end with a line
// feed (a carriage return before it is dropped); "V2" and a count n make the next 2n bytes the
// data words of the current channel. It answers "A0?" and "*IDN?" with "KTR6610/2" CR LF.
class VirtualInstrument {
public:
    enum class Next {
        Continue,
        Stall,       // the stall fault begins: take no more bytes
        Disconnect,  // the disconnect fault: close the line now
        Finish,      // --once: the download is over
    };

    using Reply = std::function<void(const QByteArray&)>;
    VirtualInstrument(const Options& options, EventLog& log, Reply reply);

    Next take(char byte);
    // A data block that stopped coming (the sender cancelled) is dropped, so that the next
    // command is read as one.
    bool waitingForData() const { return inData_; }
    void dropData();
    // What every command event gives as "line": the settings the program set the line to.
    void setLineSettings(std::function<QString()> line) { lineSettings_ = std::move(line); }

private:
    Next command(const QByteArray& raw);
    Next dataByte(char byte);
    void finishData();

    const Options& options_;
    EventLog& log_;
    Reply reply_;
    std::function<QString()> lineSettings_;
    QByteArray line_;
    int channel_ = 1;
    bool inData_ = false;
    qint64 expected_ = 0;
    QByteArray data_;
    qint64 dataBytesSeen_ = 0;  // over the whole run, for the disconnect fault
    bool downloaded_ = false;
};

}  // namespace vi
