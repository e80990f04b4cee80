#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace vi {

enum class Fault {
    None,
    Silent,
    Disconnect,
    Stall,
    WrongIdentity,  // the identity comes with a character before it
    NoListener,     // bus: the generator does not take part
    SendFail,       // bus: messages to the generator fail from the sendFailAt-th on
};

struct Options {
    QString linkPath;  // symlink that names the device; empty: none
    QString logPath;   // JSON lines; empty: standard output
    QString csvDir = ".";
    int baud = 0;      // 0: take bytes as fast as they come
    Fault fault = Fault::None;
    qint64 disconnectAfter = 0;  // data bytes before the pty closes (Fault::Disconnect)
    bool once = false;
    QString busPath;  // the simulated IEEE-488 bus's socket; empty: the pseudo-terminal
    bool adapter = false;  // a GPIB-USB adapter on the pseudo-terminal, the generator behind it
    int address = 1;  // the generator's address on the bus
    std::map<int, QByteArray> others;  // other devices on the bus: address -> identity
    qint64 sendFailAt = 1;
    QString helpText;  // set when help was asked for: print it and do nothing else
};

QString FaultName(Fault fault);

// nullopt, with the message in error, for options that make no sense.
std::optional<Options> ParseOptions(const QStringList& arguments, QString* error);

}  // namespace vi
