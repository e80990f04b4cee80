#pragma once

#include <QByteArray>
#include <QString>

#include "instrument/DownloadSequence.h"
#include "instrument/InstrumentLink.h"

// What the program says through a GPIB-USB adapter of the "++" kind on a serial port: lines that
// begin with "++" configure the adapter, every other line goes to the instrument at the
// adapter's address, and CR, LF, ESC and "+" within the bytes for the instrument are escaped by
// an ESC so that a line carries any binary data. The instrument hears what the NI card says:
// the same commands, data words, blocks and waits.
namespace tlv {

inline constexpr char kAdapterEscape = 0x1B;

// Each CR, LF, ESC and "+" of bytes with an ESC before it.
QByteArray AdapterEscape(QByteArrayView bytes);
// One line to the instrument: the escaped bytes and the line's end.
QByteArray AdapterLine(QByteArrayView bytes);
// The adapter's set-up for the instrument at address: controller mode, the address, no reading
// after each line, END on the last byte, nothing appended, and a read time limit.
QByteArray AdapterSetup(int address);

struct AdapterTarget {
    QString device;  // for messages
    int address = 9;
};

// Opens the link, sets the adapter up, asks it "++ver", then asks the instrument "A0?" and
// reads its reply with "++read eoi". Empty when the instrument identified itself; otherwise
// why not (no adapter answering, no instrument at the address, the port failing).
QString IdentifyThroughAdapter(InstrumentLink& link, const AdapterTarget& target);

// "F0" (channelMode 0) or "F1" to the instrument, the link closed after it.
LinkOutcome SendAdapterChannel(InstrumentLink& link, const AdapterTarget& target, int channelMode);

// The download as on the NI card ("T0" after "G0", blocks of 4096 values, its waits), each
// command and block a line to the instrument.
LinkOutcome RunAdapterDownload(InstrumentLink& link, Waiter& waiter, const AdapterTarget& target,
                               const DownloadRequest& request, LinkControl& control);

}  // namespace tlv
