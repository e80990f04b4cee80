#include "instrument/SerialSettings.h"

#include <QStringList>

namespace tlv {

namespace {

std::optional<QSerialPort::Parity> ParityOf(const QString& letter)
{
    const QString l = letter.toLower();
    if (l == "n")
        return QSerialPort::NoParity;
    if (l == "e")
        return QSerialPort::EvenParity;
    if (l == "o")
        return QSerialPort::OddParity;
    if (l == "m")
        return QSerialPort::MarkParity;
    if (l == "s")
        return QSerialPort::SpaceParity;
    return std::nullopt;
}

std::optional<SerialSettings> Refuse(const QString& text, const QString& reason, QString* error)
{
    if (error)
        *error = QString("Invalid serial settings \"%1\": %2").arg(text, reason);
    return std::nullopt;
}

}  // namespace

int SerialSettings::bitsPerByte() const
{
    return 1 + dataBits + (parity == QSerialPort::NoParity ? 0 : 1) +
           (stopBits == QSerialPort::TwoStop ? 2 : 1);
}

std::optional<SerialSettings> ParseSerialSettings(const QString& text, QString* error)
{
    const QStringList parts = text.split(',');
    if (parts.size() != 4)
        return Refuse(text, "expected baud rate, parity, data bits and stop bits", error);
    SerialSettings s;
    bool ok = false;
    s.baudRate = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baudRate <= 0)
        return Refuse(text, "the baud rate must be a positive whole number", error);
    const auto parity = ParityOf(parts[1].trimmed());
    if (!parity)
        return Refuse(text, "the parity must be n, e, o, m or s", error);
    s.parity = *parity;
    const int data = parts[2].trimmed().toInt(&ok);
    if (!ok || data < 5 || data > 8)
        return Refuse(text, "the data bits must be 5, 6, 7 or 8", error);
    s.dataBits = static_cast<QSerialPort::DataBits>(data);
    const QString stop = parts[3].trimmed();
    if (stop != "1" && stop != "2")
        return Refuse(text, "the stop bits must be 1 or 2", error);
    s.stopBits = stop == "1" ? QSerialPort::OneStop : QSerialPort::TwoStop;
    return s;
}

QString SerialSettingsText(const QString& baudText)
{
    return baudText + ",n,8,2";
}

QString SerialDevicePath(int portNumber)
{
    if (portNumber < 1 || portNumber > 4)
        return {};
    const QString chosen = qEnvironmentVariable(qPrintable(QString("TOLVENAR_COM%1").arg(portNumber)));
    if (chosen.isEmpty())
        return QString("/dev/ttyS%1").arg(portNumber - 1);
    // A bare name is a device in /dev, as the serial port itself reads it.
    const bool path = chosen.startsWith('/') || chosen.startsWith("./") || chosen.startsWith("../");
    return path ? chosen : "/dev/" + chosen;
}

QString SerialDevicePath(int portNumber, const QString& device)
{
    return device.isEmpty() ? SerialDevicePath(portNumber) : device;
}

}  // namespace tlv
