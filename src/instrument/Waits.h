#pragma once

#include <atomic>
#include <chrono>

// The instrument waits. The generator needs these pauses between commands; they are measured on
// a monotonic clock, and a wait can be cut short by a cancel from another thread.
namespace tlv {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kDelayShort = 20ms;
constexpr std::chrono::milliseconds kDelayLong = 200ms;

class Waiter {
public:
    virtual ~Waiter() = default;
    // False when the wait was cut short by a cancel.
    virtual bool wait(std::chrono::microseconds duration) = 0;
};

// Sleeps on the steady clock, looking at the cancel flag (when given) every few milliseconds.
class SteadyWaiter : public Waiter {
public:
    explicit SteadyWaiter(const std::atomic<bool>* cancel = nullptr) : cancel_(cancel) {}
    bool wait(std::chrono::microseconds duration) override;

private:
    const std::atomic<bool>* cancel_;
};

inline bool DelayShort(Waiter& waiter)
{
    return waiter.wait(kDelayShort);
}

inline bool DelayLong(Waiter& waiter)
{
    return waiter.wait(kDelayLong);
}

}  // namespace tlv
