#pragma once

// The simulated IEEE-488 bus: our libgpib.so.0 and libsicl.so send each call the program makes
// to the virtual instrument (tolvenar-instrument --bus SOCKET) over the local socket named by
// $TOLVENAR_SIMBUS, and give back what it answers.
//
// A request is a line "CALL ARG... LENGTH" and LENGTH bytes of payload; the answer is a line
// "VALUE STATUS ERROR LENGTH" and LENGTH bytes. For the NI calls STATUS is ibsta and ERROR
// iberr, and VALUE the descriptor (ibfind) or the byte count (ibcnt). For SICL, ERROR is 0 or
// one of the numbers below, and VALUE the session (iopen) or the byte count.
namespace simbus {

constexpr const char* kSocketVariable = "TOLVENAR_SIMBUS";

// The NI side, as linux-gpib numbers it: ibsta bits, iberr values, Send's end mode, and the
// address that ends an address list.
constexpr int kErr = 0x8000;
constexpr int kTimo = 0x4000;
constexpr int kEnd = 0x2000;
constexpr int kCmpl = 0x0100;
constexpr int kEdvr = 0;
constexpr int kEnol = 2;
constexpr int kEabo = 6;
constexpr int kNlEnd = 2;
constexpr int kNoAddr = 0xFFFF;

// The SICL error numbers of the simulated bus.
enum SiclErrorNumber {
    kBadAddress = 1,
    kBadSession = 2,
    kNoListener = 3,
    kTimeout = 4,
    kNoBus = 5,
};

inline const char* SiclErrorText(int number)
{
    switch (number) {
    case kBadAddress:
        return "Invalid address";
    case kBadSession:
        return "Invalid session";
    case kNoListener:
        return "No listener at the address";
    case kTimeout:
        return "Timeout";
    case kNoBus:
        return "The simulated bus cannot be reached";
    default:
        return "No error";
    }
}

}  // namespace simbus
