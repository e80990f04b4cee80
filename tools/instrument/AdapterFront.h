#pragma once

#include <QByteArray>
#include <functional>

#include "EventLog.h"
#include "Options.h"
#include "VirtualInstrument.h"

namespace vi {

// A GPIB-USB adapter of the "++" kind before the generator. From the controller's side a line
// ends at an unescaped CR or LF: one beginning with "++" is the adapter's command ("++ver" is
// answered, "++addr N" chooses the listener, "++read eoi" sends back what the generator said),
// any other line goes to the generator at the address, with each ESC-escaped byte taken
// literally. An unescaped CR or LF never reaches the generator: it ends the line, as the real
// adapter strips it.
class AdapterFront {
public:
    using Reply = std::function<void(const QByteArray&)>;
    AdapterFront(const Options& options, EventLog& log, VirtualInstrument& instrument, Reply reply);

    VirtualInstrument::Next take(char byte);
    // What the generator says waits here for "++read".
    void heard(const QByteArray& bytes) { heard_ += bytes; }

private:
    VirtualInstrument::Next endLine();
    void command(const QByteArray& text);

    const Options& options_;
    EventLog& log_;
    VirtualInstrument& instrument_;
    Reply reply_;
    QByteArray line_;
    bool escaped_ = false;
    bool lineEscaped_ = false;  // the line's first bytes came escaped: no "++" command
    int address_ = 0;
    QByteArray heard_;
};

}  // namespace vi
