#include "BusClient.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "Protocol.h"

namespace simbus {

namespace {

std::mutex gMutex;
int gSocket = -1;
std::string gPath;

// A bus that stops answering for this long counts as gone.
constexpr int kAnswerSeconds = 10;

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool ReadAll(int fd, char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::recv(fd, data, size, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool ReadLine(int fd, std::string& line)
{
    char c = 0;
    while (line.size() < 256 && ReadAll(fd, &c, 1)) {
        if (c == '\n')
            return true;
        line += c;
    }
    return false;
}

int Connect(const std::string& path)
{
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    timeval limit{kAnswerSeconds, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void Disconnect()
{
    if (gSocket >= 0)
        ::close(gSocket);
    gSocket = -1;
}

}  // namespace

Reply Call(const std::string& request, const std::string& payload)
{
    std::lock_guard<std::mutex> lock(gMutex);
    const char* path = std::getenv(kSocketVariable);
    if (!path || !*path) {
        Disconnect();
        return {};
    }
    if (gSocket >= 0 && gPath != path)
        Disconnect();
    if (gSocket < 0) {
        gSocket = Connect(path);
        gPath = path;
        if (gSocket < 0)
            return {};
    }
    const std::string message = request + " " + std::to_string(payload.size()) + "\n" + payload;
    Reply reply;
    std::string line;
    unsigned long length = 0;
    if (!WriteAll(gSocket, message.data(), message.size()) || !ReadLine(gSocket, line) ||
        std::sscanf(line.c_str(), "%ld %d %d %lu", &reply.value, &reply.status, &reply.error,
                    &length) != 4) {
        Disconnect();
        return {};
    }
    reply.payload.resize(length);
    if (!ReadAll(gSocket, reply.payload.data(), length)) {
        Disconnect();
        return {};
    }
    reply.reached = true;
    return reply;
}

}  // namespace simbus
