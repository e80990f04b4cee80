#include "PseudoTerminal.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace vi {

namespace {

bool MakeRaw(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

QString SystemError(const char* what)
{
    return QString("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

QString PseudoTerminal::lineSettings() const
{
    termios t{};
    if (device_ < 0 || tcgetattr(device_, &t) != 0)
        return {};
    static const std::pair<speed_t, int> kSpeeds[] = {
        {B300, 300},     {B600, 600},     {B1200, 1200},     {B2400, 2400},
        {B4800, 4800},   {B9600, 9600},   {B19200, 19200},   {B38400, 38400},
        {B57600, 57600}, {B115200, 115200}, {B230400, 230400}};
    int baud = 0;
    for (const auto& [code, rate] : kSpeeds)
        if (cfgetospeed(&t) == code)
            baud = rate;
    const char parity = !(t.c_cflag & PARENB) ? 'n' : (t.c_cflag & PARODD) ? 'o' : 'e';
    const int dataBits = (t.c_cflag & CSIZE) == CS5   ? 5
                         : (t.c_cflag & CSIZE) == CS6 ? 6
                         : (t.c_cflag & CSIZE) == CS7 ? 7
                                                      : 8;
    return QString("%1,%2,%3,%4")
        .arg(baud)
        .arg(parity)
        .arg(dataBits)
        .arg(t.c_cflag & CSTOPB ? 2 : 1);
}

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open(QString* error)
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0) {
        *error = SystemError("posix_openpt");
        return false;
    }
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        *error = SystemError("grantpt/unlockpt");
        close();
        return false;
    }
    const char* name = ptsname(master_);
    devicePath_ = QString::fromLocal8Bit(name ? name : "");
    device_ = name ? ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK) : -1;
    if (device_ < 0) {
        *error = SystemError("opening the device side");
        close();
        return false;
    }
    if (!MakeRaw(master_) || !MakeRaw(device_)) {
        *error = SystemError("making the terminal raw");
        close();
        return false;
    }
    return true;
}

void PseudoTerminal::close()
{
    if (device_ >= 0)
        ::close(device_);
    if (master_ >= 0)
        ::close(master_);
    device_ = master_ = -1;
}

void PseudoTerminal::stopSender()
{
    // The device side's output is what the program writes; stopped, its writes wait.
    if (device_ >= 0 && tcflow(device_, TCOOFF) != 0)
        std::perror("tolvenar-instrument: stopping the sender");
}

bool PublishLink(const QString& linkPath, const QString& devicePath, QString* error)
{
    const QByteArray link = QFile::encodeName(linkPath);
    const QFileInfo existing(linkPath);
    if (existing.exists() || existing.isSymLink()) {
        if (!existing.isSymLink()) {
            *error = linkPath + " exists and is not a symlink";
            return false;
        }
        ::unlink(link.constData());
    }
    if (::symlink(QFile::encodeName(devicePath).constData(), link.constData()) != 0) {
        *error = SystemError(qPrintable(linkPath));
        return false;
    }
    return true;
}

void WithdrawLink(const QString& linkPath, const QString& devicePath)
{
    if (QFileInfo(linkPath).symLinkTarget() == devicePath)
        ::unlink(QFile::encodeName(linkPath).constData());
}

}  // namespace vi
