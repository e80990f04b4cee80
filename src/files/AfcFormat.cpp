#include "files/AfcFormat.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace tlv {

namespace {
constexpr float kEndRecord = 999.0f;

float RecordAt(std::string_view bytes, size_t offset)
{
    uint32_t bits = 0;
    for (int b = 3; b >= 0; --b)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + static_cast<size_t>(b)]);
    return std::bit_cast<float>(bits);
}

void AppendRecord(std::string& out, float value)
{
    uint32_t bits = std::bit_cast<uint32_t>(value);
    for (int b = 0; b < 4; ++b)
        out.push_back(static_cast<char>((bits >> (8 * b)) & 0xFF));
}
}  // namespace

AfcContent ParseAfc(std::string_view bytes)
{
    AfcContent content;
    const size_t records = std::min(bytes.size() / 4, static_cast<size_t>(kAfcMaxRecords));
    content.volts.reserve(records);
    for (size_t r = 0; r < records; ++r) {
        float value = RecordAt(bytes, 4 * r);
        if (value == kEndRecord) {
            content.endRecordFound = true;
            break;
        }
        if (!std::isfinite(value)) {
            content.volts.clear();
            content.badRecord = static_cast<int>(r) + 1;
            break;
        }
        content.volts.push_back(value);
    }
    return content;
}

std::string AfcBytes(const std::vector<double>& volts)
{
    std::string out;
    out.reserve(4 * (volts.size() + 1));
    for (double v : volts)
        AppendRecord(out, static_cast<float>(v));
    AppendRecord(out, kEndRecord);
    return out;
}

}  // namespace tlv
