#include "instrument/SerialLink.h"

#include <QSerialPort>
#include <cerrno>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>

#include "platform/PlainFile.h"

namespace tlv {

namespace {
using Clock = std::chrono::steady_clock;
// How often a wait looks at the cancel flag and at the driver's queue.
constexpr int kSliceMs = 20;
}  // namespace

SerialLink::SerialLink()
{
    settings_ = *ParseSerialSettings(settingsText_);
}

SerialLink::~SerialLink() = default;

bool SerialLink::setSettings(const QString& text)
{
    QString error;
    const auto parsed = ParseSerialSettings(text, &error);
    if (!parsed) {
        errorString_ = error;
        return false;
    }
    settings_ = *parsed;
    settingsText_ = text;
    return true;
}

int SerialLink::handle() const
{
    return isOpen() ? port_->handle() : -1;
}

bool SerialLink::open()
{
    if (isOpen())
        return true;
    port_.reset();
    failure_ = LinkFailure::None;
    errorString_.clear();
    const QString path = devicePath();
    if (path.isEmpty())
        return fail(LinkFailure::CannotOpen, QString("COM%1 is not a serial port").arg(portNumber_));
    port_ = std::make_unique<QSerialPort>(path);
    port_->setBaudRate(settings_.baudRate);
    port_->setParity(settings_.parity);
    port_->setDataBits(settings_.dataBits);
    port_->setStopBits(settings_.stopBits);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite))
        return fail(LinkFailure::CannotOpen, path + ": " + port_->errorString());
    // A reply is only counted when it answers what this session sent.
    port_->clear(QSerialPort::Input);
    lineFree_ = Clock::now();
    watchErrors();
    return true;
}

bool SerialLink::isOpen() const
{
    return port_ && port_->isOpen();
}

void SerialLink::watchErrors()
{
    QObject::connect(port_.get(), &QSerialPort::errorOccurred, port_.get(),
                     [this](QSerialPort::SerialPortError error) {
                         if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
                             return;
                         if (failure_ == LinkFailure::None) {
                             failure_ = LinkFailure::Vanished;
                             errorString_ = port_->portName() + " went away (" +
                                            port_->errorString() + ")";
                         }
                         discardAndClose();
                     });
}

bool SerialLink::fail(LinkFailure failure, const QString& reason)
{
    // The first failure is the one worth telling; later ones follow from it.
    if (failure_ == LinkFailure::None) {
        failure_ = failure;
        errorString_ = reason;
    }
    if (isOpen())
        discardAndClose();
    return false;
}

// QSerialPort puts the port's old settings back the moment it closes, while the driver may
// still hold bytes; those would leave at the old speed. A close that delivers drains the line
// first, one that gives up throws them away.
bool SerialLink::drain()
{
    while (tcdrain(port_->handle()) != 0) {
        if (errno != EINTR)
            return fail(LinkFailure::WriteFailed, port_->portName() +
                                                      ": the line could not be drained (" +
                                                      SystemReason(errno) + ")");
    }
    return true;
}

void SerialLink::discardAndClose()
{
    tcflush(port_->handle(), TCOFLUSH);
    port_->close();
}

bool SerialLink::checkPortError()
{
    if (!port_->isOpen())
        return fail(LinkFailure::Vanished, port_->portName() + " went away");
    const QSerialPort::SerialPortError error = port_->error();
    if (error == QSerialPort::NoError)
        return true;
    if (error == QSerialPort::TimeoutError) {
        port_->clearError();
        return true;
    }
    const bool gone = error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
    return fail(gone ? LinkFailure::Vanished : LinkFailure::WriteFailed,
                port_->portName() + (gone ? " went away (" : ": writing failed (") +
                    port_->errorString() + ")");
}

int SerialLink::driverQueue() const
{
    int queued = 0;
    if (::ioctl(port_->handle(), TIOCOUTQ, &queued) != 0)
        return 0;
    return queued;
}

bool SerialLink::waitUntilSent(bool throughDriver)
{
    const auto pendingNow = [&] {
        return port_->bytesToWrite() + (throughDriver ? driverQueue() : 0);
    };
    // The time limit runs from the last byte that got out, so a slow line is fine and a
    // stopped one is not.
    auto lastProgress = Clock::now();
    qint64 pending = pendingNow();
    while (pending > 0) {
        if (cancelRequested())
            return fail(LinkFailure::Cancelled, "cancelled");
        if (port_->bytesToWrite() > 0)
            port_->waitForBytesWritten(kSliceMs);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs / 4));
        if (!checkPortError())
            return false;
        const qint64 left = pendingNow();
        if (left < pending)
            lastProgress = Clock::now();
        pending = left;
        if (pending > 0 && Clock::now() - lastProgress > stallTimeout_)
            return fail(LinkFailure::Timeout, QString("%1 took no data for %2 ms")
                                                  .arg(port_->portName())
                                                  .arg(stallTimeout_.count()));
    }
    return true;
}

bool SerialLink::keepPaceWithLine(qint64 bytes)
{
    // The driver's buffer would take seconds of data at once; handing bytes over no faster
    // than the line sends them keeps the count of values sent true and lets a cancel stop the
    // line within milliseconds. The lead keeps the line from ever running dry.
    constexpr auto kLead = std::chrono::milliseconds(20);
    const auto byteTime = std::chrono::nanoseconds(1'000'000'000LL * settings_.bitsPerByte() /
                                                   settings_.baudRate);
    const auto handOver = lineFree_ - kLead;
    while (Clock::now() < handOver) {
        if (cancelRequested())
            return fail(LinkFailure::Cancelled, "cancelled");
        std::this_thread::sleep_until(
            std::min(handOver, Clock::now() + std::chrono::milliseconds(kSliceMs)));
    }
    lineFree_ = std::max(lineFree_, Clock::now()) + bytes * byteTime;
    return true;
}

bool SerialLink::write(const QByteArray& bytes)
{
    if (!isOpen())
        return fail(LinkFailure::NotOpen, devicePath() + " is not open");
    if (!keepPaceWithLine(bytes.size()))
        return false;
    if (port_->write(bytes) != bytes.size()) {
        if (!checkPortError())
            return false;
        return fail(LinkFailure::WriteFailed,
                    port_->portName() + ": writing failed (" + port_->errorString() + ")");
    }
    return waitUntilSent(false);
}

QByteArray SerialLink::read(std::chrono::milliseconds timeout)
{
    if (!isOpen()) {
        fail(LinkFailure::NotOpen, devicePath() + " is not open");
        return {};
    }
    const auto end = Clock::now() + timeout;
    QByteArray data = port_->readAll();
    while (data.isEmpty()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        port_->waitForReadyRead(static_cast<int>(std::max<qint64>(0, left.count())));
        if (!checkPortError())
            return {};
        data += port_->readAll();
        if (Clock::now() >= end)
            break;
    }
    // Whatever else the driver already holds belongs to the same reply.
    while (!data.isEmpty() && port_->waitForReadyRead(0))
        data += port_->readAll();
    checkPortError();
    return data;
}

bool SerialLink::close()
{
    if (!port_)
        return failure_ == LinkFailure::None;
    const bool delivered = isOpen() && waitUntilSent(true) && drain();
    if (isOpen())
        port_->close();
    port_.reset();
    return delivered;
}

void SerialLink::abort()
{
    if (isOpen())
        discardAndClose();
    port_.reset();
}

}  // namespace tlv
