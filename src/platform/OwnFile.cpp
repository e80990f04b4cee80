#include "platform/OwnFile.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

#include "platform/PlainFile.h"
#include "platform/SafeSave.h"

namespace tlv {

QString ReadOwnFile(const QString& path, const OwnFileKind& kind, QByteArray& content)
{
    QFile file(path);
    const QString refusal = OpenPlainFile(file);
    if (refusal.isEmpty())
        content = file.read(kind.readLimit);
    return refusal;
}

QString WriteOwnFile(const QString& path, QByteArrayView bytes, const OwnFileKind& kind)
{
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return WriteFileSafely(path, bytes);
    const WriteTarget target = ResolveWriteTarget(path);
    if (!target.refusal.isEmpty())
        return target.refusal;
    const QString end = QDir::toNativeSeparators(target.path);
    if (!target.exists)
        return "it leads to " + end + ", which does not exist";
    QFile file(target.path);
    if (QString refusal = OpenPlainFile(file); !refusal.isEmpty())
        return refusal;
    const QByteArray held = file.read(kind.readLimit + 1);
    if (held.size() > kind.readLimit || !kind.recognises(held))
        return "it leads to " + end + ", which is not " + kind.name;
    return WriteFileSafely(path, bytes);
}

}  // namespace tlv
