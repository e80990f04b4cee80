#include "model/WorkspaceParts.h"

#include <algorithm>

namespace tlv {

void DocumentSlot::markSaved(int count)
{
    count = std::clamp(count, 0, kMaxPoints);
    std::fill(saved.begin(), saved.end(), 0.0);
    std::copy_n(store.begin(), count, saved.begin());
    savedCount = count;
}

void DocumentSlot::clear()
{
    std::fill(store.begin(), store.end(), 0.0);
    std::fill(saved.begin(), saved.end(), 0.0);
    savedCount = 0;
}

}  // namespace tlv
