#pragma once

#include <functional>
#include <map>
#include <vector>

#include "instrument/InstrumentLink.h"
#include "instrument/Waits.h"

// A link that records every open, write, read, close and wait in order, and plays back what a
// test scripts: replies, an open or a write that fails, an action at a given write.
namespace tlv {

struct LinkEvent {
    enum class Kind { Open, Write, Read, Close, Abort, Wait };
    Kind kind;
    QByteArray bytes;                    // written or read
    std::chrono::microseconds wait{0};  // Wait
};

class RecordingLink : public InstrumentLink {
public:
    // The open with this number (from 1) fails with CannotOpen.
    void failOpen(int openNumber) { failingOpens_.push_back(openNumber); }
    // The write with this number (from 1) fails, closing the link.
    void failWrite(int writeNumber, LinkFailure failure) { failingWrites_[writeNumber] = failure; }
    // Runs action just after the write with this number is recorded.
    void atWrite(int writeNumber, std::function<void()> action) { actions_[writeNumber] = action; }
    // After a write of exactly command, the next read returns reply.
    void replyTo(const QByteArray& command, const QByteArray& reply) { replies_[command] = reply; }

    bool open() override;
    bool isOpen() const override { return open_; }
    bool write(const QByteArray& bytes) override;
    QByteArray read(std::chrono::milliseconds timeout) override;
    bool close() override;
    void abort() override;
    LinkFailure failure() const override { return failure_; }
    QString errorString() const override { return errorString_; }

    void recordWait(std::chrono::microseconds duration);
    const std::vector<LinkEvent>& events() const { return events_; }
    // Every byte written, in order.
    QByteArray written() const;

private:
    bool fail(LinkFailure failure, const QString& reason);

    bool open_ = false;
    int opens_ = 0;
    int writes_ = 0;
    std::vector<int> failingOpens_;
    std::map<int, LinkFailure> failingWrites_;
    std::map<int, std::function<void()>> actions_;
    std::map<QByteArray, QByteArray> replies_;
    QByteArray pendingReply_;
    std::vector<LinkEvent> events_;
    LinkFailure failure_ = LinkFailure::None;
    QString errorString_;
};

// Records each wait into the link's events instead of waiting; a wait reports a cancel when
// the flag is set.
class RecordingWaiter : public Waiter {
public:
    explicit RecordingWaiter(RecordingLink& link, const std::atomic<bool>* cancel = nullptr)
        : link_(link), cancel_(cancel)
    {
    }
    bool wait(std::chrono::microseconds duration) override;

private:
    RecordingLink& link_;
    const std::atomic<bool>* cancel_;
};

}  // namespace tlv
