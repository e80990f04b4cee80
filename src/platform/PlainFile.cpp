#include "platform/PlainFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tlv {

namespace {
// The kernel gives up after as many links.
constexpr int kMaxLinks = 40;

// The end of a chain of symbolic links, or why it cannot be reached.
struct LinkEnd {
    QString path;
    int error = 0;  // errno of the last step; 0 when the end exists
    mode_t mode = 0;
};

LinkEnd FollowLinks(const QString& path)
{
    LinkEnd end{path};
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat info {};
        if (lstat(QFile::encodeName(end.path).constData(), &info) != 0) {
            end.error = errno;
            return end;
        }
        if (!S_ISLNK(info.st_mode)) {
            end.mode = info.st_mode;
            return end;
        }
        char buffer[PATH_MAX];
        const ssize_t length =
            readlink(QFile::encodeName(end.path).constData(), buffer, sizeof buffer);
        if (length < 0) {
            end.error = errno;
            return end;
        }
        const QString link = QFile::decodeName(QByteArray(buffer, static_cast<int>(length)));
        // A relative link is taken from the folder that holds it.
        end.path = QDir::isAbsolutePath(link) ? link : QFileInfo(end.path).path() + '/' + link;
    }
    end.error = ELOOP;
    return end;
}

QString KindName(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    return QStringLiteral("something else");
}

QString NotPlain(const QString& path, const QString& end, mode_t mode)
{
    if (end == path)
        return "it is " + KindName(mode) + ", not a plain file";
    return "it leads to " + QDir::toNativeSeparators(end) + ", " + KindName(mode) +
           ", not a plain file";
}
}  // namespace

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString PlainFileRefusal(const QString& path)
{
    const LinkEnd end = FollowLinks(path);
    if (end.error != 0)
        return SystemReason(end.error);
    if (!S_ISREG(end.mode))
        return NotPlain(path, end.path, end.mode);
    return {};
}

QString OpenPlainFile(QFile& file)
{
    const QString path = file.fileName();
    if (QString refusal = PlainFileRefusal(path); !refusal.isEmpty())
        return refusal;
    // Should a FIFO take the file's place after the check, opening it still does not wait for
    // a writer, and the check on the open file below refuses it.
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return SystemReason(errno);
    struct stat info {};
    QString reason;
    if (fstat(fd, &info) != 0)
        reason = SystemReason(errno);
    else if (!S_ISREG(info.st_mode))
        reason = NotPlain(path, path, info.st_mode);
    else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        reason = SystemReason(errno);
    else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        reason = file.errorString();
    else
        return {};
    close(fd);
    return reason;
}

WriteTarget ResolveWriteTarget(const QString& path)
{
    const LinkEnd end = FollowLinks(path);
    WriteTarget target{end.path, end.error == 0, {}};
    if (end.error != 0 && end.error != ENOENT)
        target.refusal = SystemReason(end.error);
    else if (end.error == 0 && !S_ISREG(end.mode))
        target.refusal = NotPlain(path, end.path, end.mode);
    return target;
}

}  // namespace tlv
