#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>

namespace vi {

using Clock = std::chrono::steady_clock;

// Gives out the bytes read off the pseudo-terminal no faster than a serial line at the given
// baud rate, 8N2, would deliver them: each byte is complete 11 bit times after the line was
// free or after it was written, whichever is later. Baud 0 gives bytes out as they come.
class LinePacer {
public:
    explicit LinePacer(int baud);

    void push(const char* bytes, size_t count, Clock::time_point now);
    // The next byte, when it has arrived by now.
    std::optional<char> next(Clock::time_point now);
    // When the next byte arrives; nullopt when none is waiting.
    std::optional<Clock::time_point> nextDue() const;
    void clear() { pending_.clear(); }

private:
    struct Pending {
        char byte;
        Clock::time_point written;
    };
    std::chrono::nanoseconds byteTime_{0};
    std::deque<Pending> pending_;
    Clock::time_point lineFree_{};
};

}  // namespace vi
