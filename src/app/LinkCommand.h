#pragma once

#include <QStringList>

namespace tlv {

// "tolvenar send FILE ..." and "tolvenar identify ...": a waveform file to the instrument, or
// who answers, without a window, for test benches and scripts. Returns the exit status: 0 when
// the instrument answered (identify) or took the whole waveform (send), 1 when not, 2 for
// arguments that do not read. arguments[1] is "send" or "identify".
int RunLinkCommand(const QStringList& arguments);

// Whether the command line asks for one of them.
bool IsLinkCommand(const QStringList& arguments);

}  // namespace tlv
