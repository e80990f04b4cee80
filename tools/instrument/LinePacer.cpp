#include "LinePacer.h"

#include <algorithm>

namespace vi {

namespace {
constexpr int kBitsPerByte = 11;  // start, 8 data, 2 stop
}

LinePacer::LinePacer(int baud)
{
    if (baud > 0)
        byteTime_ = std::chrono::nanoseconds(1'000'000'000LL * kBitsPerByte / baud);
}

void LinePacer::push(const char* bytes, size_t count, Clock::time_point now)
{
    for (size_t i = 0; i < count; ++i)
        pending_.push_back({bytes[i], now});
}

std::optional<Clock::time_point> LinePacer::nextDue() const
{
    if (pending_.empty())
        return std::nullopt;
    return std::max(lineFree_, pending_.front().written) + byteTime_;
}

std::optional<char> LinePacer::next(Clock::time_point now)
{
    const auto due = nextDue();
    if (!due || *due > now)
        return std::nullopt;
    lineFree_ = *due;
    const char byte = pending_.front().byte;
    pending_.pop_front();
    return byte;
}

}  // namespace vi
