#include "platform/SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PlainFile.h"

namespace tlv {

namespace {
QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

// A hidden file beside the target, named after it so that one left by a crash is recognised.
int CreateTemporary(const QString& target, QString& temporary, int& error)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = info.path() + "/." + info.fileName().left(64) + '.' +
                    QString::number(QRandomGenerator::global()->generate() % 0x1000000, 36);
        const int fd = open(Native(temporary).constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            error = errno;
            return fd;
        }
    }
    error = EEXIST;
    return -1;
}

// The old file's permissions and, where the user may give it, its owner: a save changes the
// content only. Anyone but the superuser may not give a file away; then the new file is the
// user's own, as with any program that writes a file it may write.
int TakeOverAttributes(int fd, const struct stat& old)
{
    if (fchmod(fd, old.st_mode & 07777) != 0)
        return errno;
    if ((old.st_uid != geteuid() || old.st_gid != getegid()) &&
        fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM)
        return errno;
    return 0;
}

int WriteAll(int fd, QByteArrayView bytes)
{
    const char* next = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)  // a file system that takes nothing more is full
            return ENOSPC;
        next += written;
        left -= written;
    }
    return 0;
}

// A file system that cannot flush (EINVAL) keeps the data only in memory anyway.
int Flush(int fd)
{
    return fsync(fd) != 0 && errno != EINVAL ? errno : 0;
}

// Writes the new file whole and closes it: 0, or the errno of the step that failed.
int Fill(int fd, const struct stat* old, QByteArrayView bytes)
{
    int error = old ? TakeOverAttributes(fd, *old) : 0;
    if (error == 0)
        error = WriteAll(fd, bytes);
    if (error == 0)
        error = Flush(fd);
    // The close reports what a file system (NFS, say) kept back until then.
    if (close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// The swap is on the disk only once the folder is flushed too. A folder the user may write but
// not read cannot be opened to flush it; the swap then stands as the file system keeps it.
int FlushFolder(const QString& folder)
{
    const int fd = open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int error = Flush(fd);
    close(fd);
    return error;
}
}  // namespace

QString WriteFileSafely(const QString& path, QByteArrayView bytes)
{
    const WriteTarget target = ResolveWriteTarget(path);
    if (!target.refusal.isEmpty())
        return target.refusal;
    struct stat old {};
    if (target.exists) {
        if (stat(Native(target.path).constData(), &old) != 0)
            return SystemReason(errno);
        // A read-only file is not replaced behind its owner's back.
        if (access(Native(target.path).constData(), W_OK) != 0)
            return SystemReason(errno);
    }

    QString temporary;
    int error = 0;
    const int fd = CreateTemporary(target.path, temporary, error);
    if (fd < 0)
        return SystemReason(error);
    error = Fill(fd, target.exists ? &old : nullptr, bytes);
    if (error == 0 && rename(Native(temporary).constData(), Native(target.path).constData()) != 0)
        error = errno;
    if (error != 0) {
        QString reason = SystemReason(error);
        if (unlink(Native(temporary).constData()) != 0)
            reason += "; the unfinished copy " + temporary + " could not be removed: " +
                      SystemReason(errno);
        return reason;
    }
    if (int folderError = FlushFolder(QFileInfo(target.path).path()); folderError != 0)
        return SystemReason(folderError);
    return {};
}

}  // namespace tlv
