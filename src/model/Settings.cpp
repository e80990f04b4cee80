#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>
#include <algorithm>

#include "platform/OwnFile.h"

namespace tlv {

QString UserConfigFolder()
{
    QString overridden = qEnvironmentVariable("TOLVENAR_CONFIG_DIR");
    if (!overridden.isEmpty())
        return overridden;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + "/.config";
    return config + "/tolvenar";
}

QString SettingsFolder(const QString& programFolder)
{
    if (qEnvironmentVariableIsEmpty("TOLVENAR_CONFIG_DIR")) {
        QFileInfo folder(programFolder);
        if (folder.isDir() && folder.isWritable())
            return programFolder;
    }
    return UserConfigFolder();
}

QString SettingsPath(const QString& programFolder)
{
    QString folder = SettingsFolder(programFolder);
    if (!folder.endsWith('/'))
        folder += '/';
    return folder + "com.ini";
}

namespace {
// A file of any size is read no further than its first few lines.
constexpr qint64 kReadLimit = 4096;

bool IsWholeNumber(const QByteArray& line)
{
    return !line.isEmpty() &&
           std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Three lines of whole numbers, whatever their values: a file worth repairing.
bool ReadsAsSettings(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines.size() == 3 && std::all_of(lines.begin(), lines.end(), [](const QByteArray& line) {
               return IsWholeNumber(line.trimmed());
           });
}

constexpr OwnFileKind kSettingsFile{"a settings file", kReadLimit, ReadsAsSettings};

// A line counts when it is an unsigned whole number within the value's range.
int ParseLine(const QList<QByteArray>& lines, int index, int minimum, int maximum, int fallback)
{
    if (index >= lines.size())
        return fallback;
    QByteArray line = lines[index].trimmed();
    if (!IsWholeNumber(line) || line.size() > 9)
        return fallback;
    int value = line.toInt();
    return value >= minimum && value <= maximum ? value : fallback;
}
}  // namespace

InterfaceSettings ParseSettings(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    InterfaceSettings defaults;
    InterfaceSettings settings;
    settings.interfaceType = ParseLine(lines, 0, 0, 2, defaults.interfaceType);
    settings.comPortNo = ParseLine(lines, 1, 0, 4, defaults.comPortNo);
    settings.gpibAddress = ParseLine(lines, 2, 0, 30, defaults.gpibAddress);
    return settings;
}

QByteArray FormatSettings(const InterfaceSettings& settings)
{
    return QByteArray::number(settings.interfaceType) + "\r\n" +
           QByteArray::number(settings.comPortNo) + "\r\n" +
           QByteArray::number(settings.gpibAddress) + "\r\n";
}

InterfaceSettings LoadSettings(const QString& path, QString* error)
{
    if (QFile::exists(path)) {
        QByteArray content;
        const QString reason = ReadOwnFile(path, kSettingsFile, content);
        if (reason.isEmpty())
            return ParseSettings(content);
        if (error)
            *error = reason;
        return InterfaceSettings{};
    }
    InterfaceSettings defaults;
    SaveSettings(path, defaults, error);
    return defaults;
}

bool SaveSettings(const QString& path, const InterfaceSettings& settings, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString reason = WriteOwnFile(path, FormatSettings(settings), kSettingsFile);
    if (error)
        *error = reason;
    return reason.isEmpty();
}

namespace {
// Empty, or one absolute path and a line end.
bool ReadsAsDevice(const QByteArray& text)
{
    return text.isEmpty() || (text.startsWith('/') && text.count('\n') == 1 && text.endsWith('\n') &&
                              !text.contains('\0'));
}
constexpr OwnFileKind kDeviceFile{"a serial device setting", kReadLimit, ReadsAsDevice};
}  // namespace

QString SerialDeviceSettingPath() { return UserConfigFolder() + "/serial-device"; }
QString AdapterDeviceSettingPath() { return UserConfigFolder() + "/gpib-adapter"; }

QString LoadSerialDevice(const QString& path, QString* error)
{
    if (!QFile::exists(path))
        return {};
    QByteArray content;
    const QString reason = ReadOwnFile(path, kDeviceFile, content);
    if (!reason.isEmpty() || !ReadsAsDevice(content)) {
        if (error)
            *error = reason.isEmpty() ? QString("it is not ") + kDeviceFile.name : reason;
        return {};
    }
    return QString::fromLocal8Bit(content).trimmed();
}

bool SaveSerialDevice(const QString& path, const QString& device, QString* error)
{
    // Nothing to keep and nothing kept: no file is made.
    if (device.isEmpty() && !QFile::exists(path))
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString reason =
        WriteOwnFile(path, device.isEmpty() ? QByteArray() : device.toLocal8Bit() + '\n', kDeviceFile);
    if (error)
        *error = reason;
    return reason.isEmpty();
}

}  // namespace tlv
