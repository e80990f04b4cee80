#include "instrument/Waits.h"

#include <algorithm>
#include <thread>

namespace tlv {

bool SteadyWaiter::wait(std::chrono::microseconds duration)
{
    // A cancel is noticed within this time.
    constexpr auto kSlice = 5ms;
    const auto end = std::chrono::steady_clock::now() + duration;
    for (;;) {
        if (cancel_ && cancel_->load())
            return false;
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            return true;
        std::this_thread::sleep_until(std::min(end, now + kSlice));
    }
}

}  // namespace tlv
