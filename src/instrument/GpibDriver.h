#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// The NI-488.2 calls the program makes, as linux-gpib's libgpib.so.0 offers them. The program
// talks to an IEEE-488 card only through this interface; tests put a fake behind it.
namespace tlv {

// A primary address as the 488.2 calls take it; kNoAddr ends an address list.
using Addr4882 = std::uint16_t;
constexpr Addr4882 kNoAddr = 0xFFFF;

namespace gpib {
// Bits of ibsta.
constexpr int ERR = 0x8000;   // the call failed; iberr says why
constexpr int TIMO = 0x4000;  // time limit reached
constexpr int END = 0x2000;   // END or the end character came
constexpr int CMPL = 0x0100;  // I/O complete

// Values of iberr.
constexpr int EDVR = 0;  // no driver, no such board or descriptor
constexpr int ENOL = 2;  // no listener on the bus
constexpr int EABO = 6;  // I/O aborted (time limit)

// End modes of Send, numbered as linux-gpib numbers them (the NI library numbers NLend 1).
constexpr int NULLend = 0;  // no END
constexpr int DABend = 1;   // END with the last byte
constexpr int NLend = 2;    // a line feed, sent with END

// Receive's termination: a byte value 0..255 ends the read at that byte; STOPend only at END.
constexpr int STOPend = 0x100;
}  // namespace gpib

// The status the driver leaves after a call.
struct GpibStatus {
    int ibsta = 0;
    int iberr = 0;
    long ibcnt = 0;  // bytes moved

    bool failed() const { return (ibsta & gpib::ERR) != 0; }
};

class GpibDriver {
public:
    virtual ~GpibDriver() = default;

    // The descriptor of the board with this name; -1 when there is none.
    virtual int ibfind(const QByteArray& name) = 0;
    // online 0 takes the board or device offline.
    virtual void ibonl(int ud, int online) = 0;
    virtual void SendIFC(int board) = 0;
    // pads ends with kNoAddr; the listeners found are written to the front of results (at most
    // limit of them), the rest of it left as it is.
    virtual void FindLstn(int board, const std::vector<Addr4882>& pads,
                          std::vector<Addr4882>& results, int limit) = 0;
    virtual void DevClear(int board, Addr4882 address) = 0;
    virtual void Send(int board, Addr4882 address, const QByteArray& data, int eotMode) = 0;
    // At most count bytes, up to the termination; what arrived.
    virtual QByteArray Receive(int board, Addr4882 address, long count, int termination) = 0;

    // ibsta, iberr and ibcnt as the latest call on this thread left them.
    virtual GpibStatus status() const = 0;

    // The block transfer: count + 1 words from first to the instrument at address on the board.
    // On the bus each word is its 12-bit value in two bytes, low byte first (the serial line's
    // order), the block one message with END on its last byte. Returns the Send's ibsta.
    virtual std::int32_t Test1(int board, const std::int32_t* first, std::int32_t count,
                               std::int32_t address);
};

// The bytes Test1 puts on the bus for count + 1 words.
QByteArray BlockBytes(const std::int32_t* first, std::int32_t count);

}  // namespace tlv
