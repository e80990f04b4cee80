#pragma once

#include <string>

namespace simbus {

struct Reply {
    bool reached = false;  // false: no bus at $TOLVENAR_SIMBUS, or it went away
    long value = 0;
    int status = 0;
    int error = 0;
    std::string payload;
};

// One call over the bus. Calls from several threads take turns; the connection is made on the
// first call and again after the socket named by $TOLVENAR_SIMBUS changes or goes away.
Reply Call(const std::string& request, const std::string& payload = {});

}  // namespace simbus
