// The simulated bus's libsicl.so: the SICL calls Tolvenar makes, each sent to the virtual
// instrument. The error numbers and texts are the simulated bus's own (Protocol.h).
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "BusClient.h"
#include "Protocol.h"

#define SIMBUS_EXPORT extern "C" __attribute__((visibility("default")))

typedef int INST;

namespace {

thread_local int tErrno = 0;

// 0 when the bus did the call, otherwise the error number, kept for igeterrno.
int Result(const simbus::Reply& reply)
{
    const int error = reply.reached ? reply.error : simbus::kNoBus;
    if (error != 0)
        tErrno = error;
    return error;
}

std::string Id(INST id)
{
    return " " + std::to_string(id);
}

}  // namespace

SIMBUS_EXPORT INST iopen(char* address)
{
    const simbus::Reply reply = simbus::Call("iopen", address ? address : "");
    return Result(reply) == 0 ? static_cast<INST>(reply.value) : 0;
}

SIMBUS_EXPORT int iclose(INST id)
{
    return Result(simbus::Call("iclose" + Id(id)));
}

SIMBUS_EXPORT int itimeout(INST id, long milliseconds)
{
    return Result(simbus::Call("itimeout" + Id(id) + " " + std::to_string(milliseconds)));
}

SIMBUS_EXPORT int itermchr(INST id, int character)
{
    return Result(simbus::Call("itermchr" + Id(id) + " " + std::to_string(character)));
}

SIMBUS_EXPORT int ivprintf(INST id, char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int size = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (size < 0)
        return Result({true, 0, 0, simbus::kBadAddress, {}});
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.pop_back();
    return Result(simbus::Call("iprintf" + Id(id) + " 1", text));
}

SIMBUS_EXPORT int iprintf(INST id, char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = ivprintf(id, format, args);
    va_end(args);
    return result;
}

SIMBUS_EXPORT int iread(INST id, char* buffer, unsigned long size, int* reason,
                        unsigned long* count)
{
    const simbus::Reply reply = simbus::Call("iread" + Id(id) + " " + std::to_string(size));
    const int result = Result(reply);
    const size_t n = result == 0 ? std::min<size_t>(reply.payload.size(), size) : 0;
    std::memcpy(buffer, reply.payload.data(), n);
    if (count)
        *count = n;
    if (reason)
        *reason = 0;
    return result;
}

SIMBUS_EXPORT int iwrite(INST id, char* buffer, unsigned long length, int end, unsigned long* count)
{
    const int result = Result(simbus::Call("iwrite" + Id(id) + " " + std::to_string(end),
                                           std::string(buffer, length)));
    if (count)
        *count = result == 0 ? length : 0;
    return result;
}

SIMBUS_EXPORT int _siclcleanup(void)
{
    return Result(simbus::Call("_siclcleanup"));
}

SIMBUS_EXPORT int igeterrno(void)
{
    return tErrno;
}

SIMBUS_EXPORT char* igeterrstr(int error)
{
    return const_cast<char*>(simbus::SiclErrorText(error));
}
