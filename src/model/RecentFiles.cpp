#include "model/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/SafeSave.h"
#include "model/Settings.h"

namespace tlv {

namespace {
// Four paths fit many times over; a damaged or foreign file is read no further.
constexpr qint64 kReadLimit = 64 * 1024;
}  // namespace

QString RecentFilesPath()
{
    return UserConfigFolder() + "/recent-files";
}

QString RecentFiles::load(const QString& path)
{
    file_ = path;
    paths_.clear();
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    for (const QByteArray& line : file.read(kReadLimit).split('\n')) {
        const QString entry = QString::fromUtf8(line).trimmed();
        if (!entry.isEmpty() && !paths_.contains(entry) && paths_.size() < kMaxFiles)
            paths_ << entry;
    }
    if (listener_)
        listener_();
    return {};
}

QString RecentFiles::add(const QString& path)
{
    // The list keeps one path a line: a name with a line break in it cannot be kept.
    if (path.contains('\n') || path.contains('\r'))
        return {};
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > kMaxFiles)
        paths_.removeLast();
    return changed();
}

QString RecentFiles::remove(const QString& path)
{
    paths_.removeAll(path);
    return changed();
}

QString RecentFiles::changed()
{
    if (listener_)
        listener_();
    if (file_.isEmpty())
        return {};
    if (!QDir().mkpath(QFileInfo(file_).absolutePath()))
        return QStringLiteral("its folder cannot be made");
    const QByteArray text = paths_.isEmpty() ? QByteArray() : paths_.join('\n').toUtf8() + '\n';
    return WriteFileSafely(file_, text);
}

}  // namespace tlv
