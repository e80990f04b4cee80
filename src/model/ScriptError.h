#pragma once

#include <QString>
#include <stdexcept>

namespace tlv {

// A fault in a script: unknown command or control, a bad argument, an answer that does not fit.
struct ScriptError : std::runtime_error {
    ScriptError(int line, const QString& message)
        : std::runtime_error(message.toStdString()), line(line), text(message) {}
    int line;
    QString text;
};

}  // namespace tlv
