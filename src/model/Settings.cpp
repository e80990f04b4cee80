#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>

#include "files/PlainFile.h"
#include "files/SafeSave.h"

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
// A line counts when it is an unsigned whole number within the value's range.
int ParseLine(const QList<QByteArray>& lines, int index, int minimum, int maximum, int fallback)
{
    if (index >= lines.size())
        return fallback;
    QByteArray line = lines[index].trimmed();
    if (line.isEmpty() || line.size() > 9)
        return fallback;
    for (char c : line)
        if (c < '0' || c > '9')
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
    QFile file(path);
    if (file.exists()) {
        // A file of any size is read no further than its first few lines.
        const QString reason = OpenPlainFile(file);
        if (reason.isEmpty())
            return ParseSettings(file.read(4096));
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
    const QString reason = WriteFileSafely(path, FormatSettings(settings));
    if (error)
        *error = reason;
    return reason.isEmpty();
}

}  // namespace tlv
