#include "instrument/RecordingLink.h"

#include <algorithm>

namespace tlv {

bool RecordingLink::fail(LinkFailure failure, const QString& reason)
{
    failure_ = failure;
    errorString_ = reason;
    open_ = false;
    return false;
}

bool RecordingLink::open()
{
    ++opens_;
    events_.push_back({LinkEvent::Kind::Open, {}});
    failure_ = LinkFailure::None;
    errorString_.clear();
    if (std::find(failingOpens_.begin(), failingOpens_.end(), opens_) != failingOpens_.end())
        return fail(LinkFailure::CannotOpen, "recorded open failure");
    open_ = true;
    return true;
}

bool RecordingLink::write(const QByteArray& bytes)
{
    if (!open_)
        return fail(LinkFailure::NotOpen, "not open");
    ++writes_;
    if (auto failing = failingWrites_.find(writes_); failing != failingWrites_.end())
        return fail(failing->second, "recorded write failure");
    events_.push_back({LinkEvent::Kind::Write, bytes});
    if (auto reply = replies_.find(bytes); reply != replies_.end())
        pendingReply_ += reply->second;
    if (auto action = actions_.find(writes_); action != actions_.end())
        action->second();
    return true;
}

QByteArray RecordingLink::read(std::chrono::milliseconds)
{
    if (!open_) {
        fail(LinkFailure::NotOpen, "not open");
        return {};
    }
    const QByteArray reply = std::exchange(pendingReply_, {});
    events_.push_back({LinkEvent::Kind::Read, reply});
    return reply;
}

bool RecordingLink::close()
{
    events_.push_back({LinkEvent::Kind::Close, {}});
    const bool wasOpen = open_;
    open_ = false;
    return wasOpen;
}

void RecordingLink::abort()
{
    events_.push_back({LinkEvent::Kind::Abort, {}});
    open_ = false;
}

void RecordingLink::recordWait(std::chrono::microseconds duration)
{
    events_.push_back({LinkEvent::Kind::Wait, {}, duration});
}

QByteArray RecordingLink::written() const
{
    QByteArray all;
    for (const LinkEvent& e : events_)
        if (e.kind == LinkEvent::Kind::Write)
            all += e.bytes;
    return all;
}

bool RecordingWaiter::wait(std::chrono::microseconds duration)
{
    link_.recordWait(duration);
    return !(cancel_ && cancel_->load());
}

}  // namespace tlv
