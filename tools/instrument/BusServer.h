#pragma once

#include <QString>
#include <csignal>
#include <functional>

#include "EventLog.h"
#include "Options.h"

namespace vi {

// Serves the simulated bus on the local socket options.busPath until stop is set, or with
// --once until the download has ended. The socket is created first (an older socket there is
// replaced, any other file is left alone and refused) and removed at the end. ready runs once
// the socket takes connections. False, with the reason in error, when it cannot start.
bool ServeBus(const Options& options, EventLog& log, const volatile std::sig_atomic_t& stop,
              const std::function<void()>& ready, QString* error);

}  // namespace vi
