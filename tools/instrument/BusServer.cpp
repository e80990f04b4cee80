#include "BusServer.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

#include "SimulatedBus.h"

namespace vi {

namespace {

// A request line is a call and a few numbers.
constexpr qsizetype kMaxRequestLine = 512;

QString SystemError(const QString& what)
{
    return what + ": " + QString::fromLocal8Bit(std::strerror(errno));
}

int Listen(const QString& path, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (static_cast<size_t>(name.size()) >= sizeof address.sun_path) {
        *error = path + ": the socket path is too long";
        return -1;
    }
    struct stat existing {};
    if (::lstat(name.constData(), &existing) == 0) {
        if (!S_ISSOCK(existing.st_mode)) {
            *error = path + " exists and is not a socket";
            return -1;
        }
        ::unlink(name.constData());
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        *error = SystemError("socket");
        return -1;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()) + 1);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0) {
        *error = SystemError(path);
        ::close(fd);
        return -1;
    }
    return fd;
}

// A complete request at the front of buffer, taken out of it; nullopt while it is incomplete.
// A line that cannot be a request makes bad true.
std::optional<BusRequest> NextRequest(QByteArray& buffer, bool& bad)
{
    const qsizetype end = buffer.indexOf('\n');
    if (end < 0) {
        bad = buffer.size() > kMaxRequestLine;
        return std::nullopt;
    }
    QList<QByteArray> words = buffer.left(end).split(' ');
    bool ok = false;
    const qsizetype length = words.size() >= 2 ? words.takeLast().toLongLong(&ok) : -1;
    if (!ok || length < 0) {
        bad = true;
        return std::nullopt;
    }
    if (buffer.size() < end + 1 + length)
        return std::nullopt;
    BusRequest request;
    request.call = words.takeFirst();
    request.args = words;
    request.payload = buffer.mid(end + 1, length);
    buffer.remove(0, end + 1 + length);
    return request;
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + done,
                                 static_cast<size_t>(bytes.size() - done), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QByteArray Encode(const BusReply& reply)
{
    return QByteArray::number(reply.value) + ' ' + QByteArray::number(reply.status) + ' ' +
           QByteArray::number(reply.error) + ' ' + QByteArray::number(reply.payload.size()) +
           '\n' + reply.payload;
}

}  // namespace

bool ServeBus(const Options& options, EventLog& log, const volatile std::sig_atomic_t& stop,
              const std::function<void()>& ready, QString* error)
{
    const int listener = Listen(options.busPath, error);
    if (listener < 0)
        return false;
    ready();
    SimulatedBus bus(options, log);
    std::map<int, QByteArray> clients;  // socket -> bytes not yet taken
    QString reason = "signal";
    while (!stop && !bus.finished()) {
        std::vector<pollfd> fds{{listener, POLLIN, 0}};
        for (const auto& [fd, buffer] : clients)
            fds.push_back({fd, POLLIN, 0});
        const timespec timeout{0, 100'000'000};
        if (::ppoll(fds.data(), fds.size(), &timeout, nullptr) <= 0)
            continue;
        if (fds[0].revents & POLLIN) {
            const int client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0)
                clients[client] = {};
        }
        for (size_t i = 1; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const int fd = fds[i].fd;
            char chunk[65536];
            const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            bool drop = n <= 0;
            if (n > 0)
                clients[fd].append(chunk, n);
            bool bad = false;
            while (!drop) {
                auto request = NextRequest(clients[fd], bad);
                if (!request)
                    break;
                request->client = fd;
                drop = !WriteAll(fd, Encode(bus.handle(*request)));
            }
            if (drop || bad) {
                if (bad)
                    log.write("noise", {{"raw", QString::fromLatin1(clients[fd].left(64))}});
                bus.dropClient(fd);
                clients.erase(fd);
                ::close(fd);
            }
        }
        if (bus.finished())
            reason = "once";
    }
    for (const auto& [fd, buffer] : clients)
        ::close(fd);
    ::close(listener);
    ::unlink(QFile::encodeName(options.busPath).constData());
    log.write("exit", {{"reason", reason}});
    return true;
}

}  // namespace vi
