#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>

// The one way the dialogs and the download reach the instrument: the serial line, the IEEE-488
// cards and the recording fake of the tests all sit behind it. A link is configured by its own
// type, then opened, written, read and closed by the sequences. Every call that waits has a
// time limit, so a silent or vanished instrument ends in a failure, never a hang.
namespace tlv {

enum class LinkFailure {
    None,
    CannotOpen,   // no such device, or in use by another program
    Vanished,     // the device went away while open
    WriteFailed,  // the device refused the bytes
    Timeout,      // nothing could be written for the link's time limit
    Cancelled,    // the cancel flag was set while the link waited
    NotOpen,      // used before open, or after a failure closed it
};

class InstrumentLink {
public:
    virtual ~InstrumentLink() = default;

    // False when the link cannot be opened; failure() and errorString() tell why.
    virtual bool open() = 0;
    virtual bool isOpen() const = 0;
    // Hands all the bytes to the line, unchanged; false (and the link closed) on any failure.
    virtual bool write(const QByteArray& bytes) = 0;
    // What has arrived, waiting up to timeout for the first byte; empty when nothing came.
    virtual QByteArray read(std::chrono::milliseconds timeout) = 0;
    // Sends everything still pending, then closes. False when the output could not be
    // delivered; the link is closed either way.
    virtual bool close() = 0;
    // Closes at once, dropping whatever is still pending (after a cancel or a failure).
    virtual void abort() = 0;

    virtual LinkFailure failure() const = 0;
    virtual QString errorString() const = 0;

    // Writes and drains give up, with LinkFailure::Cancelled, when this flag becomes true.
    void watchCancel(const std::atomic<bool>* cancel) { cancel_ = cancel; }

protected:
    bool cancelRequested() const { return cancel_ && cancel_->load(); }

private:
    const std::atomic<bool>* cancel_ = nullptr;
};

}  // namespace tlv
