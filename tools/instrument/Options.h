#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vi {

enum class Fault { None, Silent, Disconnect, Stall };

struct Options {
    QString linkPath;  // symlink that names the device; empty: none
    QString logPath;   // JSON lines; empty: standard output
    QString csvDir = ".";
    int baud = 0;      // 0: take bytes as fast as they come
    Fault fault = Fault::None;
    qint64 disconnectAfter = 0;  // data bytes before the pty closes (Fault::Disconnect)
    bool once = false;
    QString helpText;  // set when help was asked for: print it and do nothing else
};

QString FaultName(Fault fault);

// nullopt, with the message in error, for options that make no sense.
std::optional<Options> ParseOptions(const QStringList& arguments, QString* error);

}  // namespace vi
