// The simulated bus's libgpib.so.0: the NI-488.2 calls of linux-gpib that Tolvenar makes, each
// sent to the virtual instrument. Without a bus every call fails as a driver with no board.
#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>

#include "BusClient.h"
#include "Protocol.h"

#define SIMBUS_EXPORT extern "C" __attribute__((visibility("default")))

typedef unsigned short Addr4882_t;

// The status of older programs, and the per-thread status linux-gpib reads back.
extern "C" {
__attribute__((visibility("default"))) volatile int ibsta = 0;
__attribute__((visibility("default"))) volatile int iberr = 0;
__attribute__((visibility("default"))) volatile int ibcnt = 0;
__attribute__((visibility("default"))) volatile long ibcntl = 0;
}

namespace {

thread_local int tIbsta = 0;
thread_local int tIberr = 0;
thread_local long tIbcnt = 0;

void SetStatus(int status, int error, long count)
{
    ibsta = tIbsta = status;
    iberr = tIberr = error;
    ibcnt = static_cast<int>(count);
    ibcntl = tIbcnt = count;
}

// One call; a bus that cannot be reached fails it with EDVR.
simbus::Reply Bus(const std::string& request, const std::string& payload = {})
{
    simbus::Reply reply = simbus::Call(request, payload);
    if (reply.reached)
        SetStatus(reply.status, reply.error, reply.value);
    else
        SetStatus(simbus::kErr, simbus::kEdvr, 0);
    return reply;
}

std::string Words(std::initializer_list<long> values)
{
    std::string out;
    for (long v : values)
        out += " " + std::to_string(v);
    return out;
}

}  // namespace

SIMBUS_EXPORT int ThreadIbsta(void)
{
    return tIbsta;
}

SIMBUS_EXPORT int ThreadIberr(void)
{
    return tIberr;
}

SIMBUS_EXPORT int ThreadIbcnt(void)
{
    return static_cast<int>(tIbcnt);
}

SIMBUS_EXPORT long ThreadIbcntl(void)
{
    return tIbcnt;
}

SIMBUS_EXPORT int ibfind(const char* name)
{
    const simbus::Reply reply = Bus("ibfind", name ? name : "");
    if (!reply.reached)
        return -1;
    // ibcnt is not the descriptor.
    SetStatus(reply.status, reply.error, 0);
    return static_cast<int>(reply.value);
}

SIMBUS_EXPORT int ibonl(int ud, int online)
{
    Bus("ibonl" + Words({ud, online}));
    return ibsta;
}

SIMBUS_EXPORT void SendIFC(int board)
{
    Bus("SendIFC" + Words({board}));
}

SIMBUS_EXPORT void FindLstn(int board, const Addr4882_t pads[], Addr4882_t results[], int limit)
{
    std::string list;
    for (int i = 0; pads && pads[i] != simbus::kNoAddr; ++i)
        list += std::to_string(pads[i]) + " ";
    const simbus::Reply reply = Bus("FindLstn" + Words({board, limit}), list);
    std::istringstream found(reply.payload);
    unsigned address = 0;
    for (int i = 0; i < limit && found >> address; ++i)
        results[i] = static_cast<Addr4882_t>(address);
}

SIMBUS_EXPORT void DevClear(int board, Addr4882_t address)
{
    Bus("DevClear" + Words({board, address}));
}

SIMBUS_EXPORT void Send(int board, Addr4882_t address, const void* data, long count, int eotMode)
{
    const std::string bytes(static_cast<const char*>(data), static_cast<size_t>(std::max(0L, count)));
    Bus("Send" + Words({board, address, eotMode}), bytes);
}

SIMBUS_EXPORT void Receive(int board, Addr4882_t address, void* buffer, long count, int termination)
{
    const simbus::Reply reply = Bus("Receive" + Words({board, address, count, termination}));
    const size_t n = std::min(reply.payload.size(), static_cast<size_t>(std::max(0L, count)));
    std::memcpy(buffer, reply.payload.data(), n);
}
