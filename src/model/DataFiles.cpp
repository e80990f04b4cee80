#include "model/DataFiles.h"

#include <QDir>
#include <QFileInfo>

namespace tlv {

QString InstalledDataFolder(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(TOLVENAR_DATA_FROM_PROGRAM)));
}

QString DataFilePath(const QString& programFolder, const QString& name)
{
    const QString beside = QDir(programFolder).filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir(InstalledDataFolder(programFolder)).filePath(name);
    return QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace tlv
