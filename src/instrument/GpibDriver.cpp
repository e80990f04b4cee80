#include "instrument/GpibDriver.h"

namespace tlv {

QByteArray BlockBytes(const std::int32_t* first, std::int32_t count)
{
    QByteArray bytes;
    if (count < 0)
        return bytes;
    bytes.reserve(2 * (static_cast<qsizetype>(count) + 1));
    for (std::int32_t i = 0; i <= count; ++i) {
        const int word = first[i] & 0x0FFF;
        bytes.append(static_cast<char>(word & 0xFF));
        bytes.append(static_cast<char>(word >> 8));
    }
    return bytes;
}

std::int32_t GpibDriver::Test1(int board, const std::int32_t* first, std::int32_t count,
                               std::int32_t address)
{
    Send(board, static_cast<Addr4882>(address), BlockBytes(first, count), gpib::DABend);
    return status().ibsta;
}

}  // namespace tlv
