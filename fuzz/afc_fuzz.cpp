// The AFC reader on any bytes: it must neither crash nor read past its input, and whatever it
// accepts must write back and read again to the same points.
#include <cmath>
#include <cstdint>

#include "files/AfcFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tlv;
    const AfcContent content = ParseAfc({reinterpret_cast<const char*>(data), size});
    if (content.volts.size() > static_cast<size_t>(kAfcMaxRecords))
        __builtin_trap();
    if (content.badRecord != 0) {
        if (!content.volts.empty() || content.badRecord > kAfcMaxRecords)
            __builtin_trap();
        return 0;
    }
    for (double v : content.volts)
        if (!std::isfinite(v) || v == 999.0)
            __builtin_trap();

    const std::string bytes = AfcBytes(content.volts);
    if (bytes.size() != 4 * (content.volts.size() + 1))
        __builtin_trap();
    const AfcContent again = ParseAfc(bytes);
    const bool full = content.volts.size() == static_cast<size_t>(kAfcMaxRecords);
    if (again.volts != content.volts || again.endRecordFound == full)
        __builtin_trap();
    return 0;
}
