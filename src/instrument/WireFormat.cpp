#include "instrument/WireFormat.h"

#include <algorithm>
#include <cmath>

#include "model/Scale.h"

namespace tlv {

int ValueCode(double volts)
{
    // Every step is rounded to single precision, as the generator's codes were always made.
    const float scale = 4095.0f / 10000.0f;
    const float y = static_cast<float>(MillivoltsToPlotY(volts * 1000.0));
    const float millivolts = static_cast<float>(PlotYToMillivolts(y));
    const float code = std::clamp(millivolts * scale, static_cast<float>(kLowestCode),
                                  static_cast<float>(kHighestCode));
    return static_cast<int>(std::floor(code));
}

std::vector<int> PrepareValues(const std::vector<double>& volts)
{
    const size_t count = std::min(volts.size(), static_cast<size_t>(kMaxSendValues));
    std::vector<int> codes(count);
    std::transform(volts.begin(), volts.begin() + static_cast<std::ptrdiff_t>(count),
                   codes.begin(), ValueCode);
    return codes;
}

int WireWord(int code)
{
    return code - kLowestCode;
}

QByteArray WireBytes(int code)
{
    const int word = WireWord(code);
    QByteArray bytes(2, '\0');
    bytes[0] = static_cast<char>(word % 256);
    bytes[1] = static_cast<char>(word / 256);
    return bytes;
}

QByteArray ChannelCommand(int channelMode)
{
    return channelMode == 0 ? "F0" : "F1";
}

QByteArray LengthCommand(int count)
{
    return "V2" + QByteArray::number(count);
}

}  // namespace tlv
