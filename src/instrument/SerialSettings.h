#pragma once

#include <QSerialPort>
#include <QString>
#include <optional>

// The serial port's settings text ("9600,n,8,2": baud rate, parity, data bits, stop bits) and
// the device each port number stands for.
namespace tlv {

struct SerialSettings {
    qint32 baudRate = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::TwoStop;

    // Bits on the line for one byte: start, data, parity, stop.
    int bitsPerByte() const;
};

// Reads "BAUD,P,D,S": a positive baud rate, parity n, e, o, m or s (either case), 5..8 data
// bits, 1 or 2 stop bits. nullopt, with the reason in error, for anything else.
std::optional<SerialSettings> ParseSerialSettings(const QString& text, QString* error = nullptr);

// The settings text the interface dialog makes of a baud rate: "9600" gives "9600,n,8,2".
QString SerialSettingsText(const QString& baudText);

// The device of COM1..COM4: $TOLVENAR_COM1..$TOLVENAR_COM4 when set and not empty (a bare name
// such as ttyUSB0 is taken from /dev), otherwise /dev/ttyS0../dev/ttyS3. Empty for any other
// port number.
QString SerialDevicePath(int portNumber);
// The line's device: a device chosen by its path, or else the port number's.
QString SerialDevicePath(int portNumber, const QString& device);

}  // namespace tlv
