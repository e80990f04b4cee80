#include "model/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "platform/OwnFile.h"
#include "model/Settings.h"

namespace tlv {

namespace {
// Every line empty or an absolute path: the list, or one the user wrote for it.
bool ReadsAsList(const QByteArray& text)
{
    if (text.contains('\0'))
        return false;
    const QList<QByteArray> lines = text.split('\n');
    return std::all_of(lines.begin(), lines.end(), [](const QByteArray& line) {
        const QByteArray entry = line.trimmed();
        return entry.isEmpty() || entry.startsWith('/');
    });
}

// Four paths fit many times over; a damaged or foreign file is read no further.
constexpr OwnFileKind kRecentList{"a recent files list", 64 * 1024, ReadsAsList};
}  // namespace

QString RecentFilesPath()
{
    return UserConfigFolder() + "/recent-files";
}

QString RecentFiles::load(const QString& path)
{
    file_ = path;
    paths_.clear();
    if (!QFile::exists(path))
        return {};
    QByteArray content;
    if (QString refusal = ReadOwnFile(path, kRecentList, content); !refusal.isEmpty())
        return refusal;
    for (const QByteArray& line : content.split('\n')) {
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
    return WriteOwnFile(file_, text, kRecentList);
}

}  // namespace tlv
