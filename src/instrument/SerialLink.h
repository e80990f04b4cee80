#pragma once

#include <QString>
#include <memory>

#include "instrument/InstrumentLink.h"
#include "instrument/SerialSettings.h"

class QSerialPort;

// The serial line on QSerialPort: the port number 1..4 and the settings text are set before
// open(), as the dialogs set them. The QSerialPort lives from open() to close() and belongs to
// the thread that opened it, so a download can run its whole session on a worker thread.
namespace tlv {

class SerialLink : public InstrumentLink {
public:
    SerialLink();
    ~SerialLink() override;

    void setPortNumber(int port) { portNumber_ = port; }
    int portNumber() const { return portNumber_; }
    // False, with the reason in errorString(), for a text ParseSerialSettings refuses; the
    // previous settings stay.
    bool setSettings(const QString& text);
    QString settingsText() const { return settingsText_; }
    // The device the port number stands for (see SerialDevicePath).
    QString devicePath() const { return SerialDevicePath(portNumber_, device_); }
    // A device path that stands in for the port number; empty: the port number's device.
    void setDevice(const QString& device) { device_ = device; }
    // The operating system's handle of the open port; -1 when it is closed or could not open.
    int handle() const;

    // How long a write or the drain before close may go without getting a byte out.
    void setStallTimeout(std::chrono::milliseconds timeout) { stallTimeout_ = timeout; }

    bool open() override;
    bool isOpen() const override;
    bool write(const QByteArray& bytes) override;
    QByteArray read(std::chrono::milliseconds timeout) override;
    bool close() override;
    void abort() override;
    LinkFailure failure() const override { return failure_; }
    QString errorString() const override { return errorString_; }

private:
    bool fail(LinkFailure failure, const QString& reason);
    // Waits until QSerialPort has handed every byte to the driver, and with throughDriver
    // until the driver has put them on the line.
    bool waitUntilSent(bool throughDriver);
    int driverQueue() const;
    // Waits until the last byte has left the port, so that closing cannot change its settings
    // under bytes still on their way.
    bool drain();
    // Throws away what the driver still holds, then closes.
    void discardAndClose();
    bool keepPaceWithLine(qint64 bytes);
    // Closes at the first sign that the device went away; QSerialPort would repeat it forever.
    void watchErrors();
    bool checkPortError();

    int portNumber_ = 1;
    QString device_;
    QString settingsText_ = "9600,n,8,2";
    SerialSettings settings_;
    std::chrono::milliseconds stallTimeout_{2000};
    std::unique_ptr<QSerialPort> port_;
    // When the line will have sent everything handed to the driver so far.
    std::chrono::steady_clock::time_point lineFree_;
    LinkFailure failure_ = LinkFailure::None;
    QString errorString_;
};

}  // namespace tlv
