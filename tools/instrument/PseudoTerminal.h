#pragma once

#include <QString>

namespace vi {

// The instrument's end of a pseudo-terminal. It keeps the device side open as well, so the
// program can open and close the device as often as it likes without hanging up the line, and
// so the instrument can stop the sender as a device that drops its clear-to-send line does.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    bool open(QString* error);
    void close();
    bool isOpen() const { return master_ >= 0; }
    int master() const { return master_; }
    // The device the program opens: /dev/pts/N.
    QString devicePath() const { return devicePath_; }
    // The settings the program gave the line, as "19200,n,8,2"; empty when they cannot be read.
    QString lineSettings() const;
    // From now on the program's writes block.
    void stopSender();

private:
    int master_ = -1;
    int device_ = -1;
    QString devicePath_;
};

// Names the device at linkPath, replacing an older symlink there; refuses to replace anything
// that is not a symlink.
bool PublishLink(const QString& linkPath, const QString& devicePath, QString* error);
// Removes the symlink when it still names the device.
void WithdrawLink(const QString& linkPath, const QString& devicePath);

}  // namespace vi
