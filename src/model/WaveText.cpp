#include "model/WaveText.h"

#include <algorithm>

#include "model/VoltsText.h"

namespace tlv {

WaveTextArray::WaveTextArray() : texts_(kMaxPoints, "0"), values_(kMaxPoints, 0.0) {}

void WaveTextArray::set(int i, std::string text)
{
    values_[static_cast<size_t>(i)] = TextToNumber(text);
    texts_[static_cast<size_t>(i)] = std::move(text);
}

void WaveTextArray::setVolts(int i, double volts)
{
    texts_[static_cast<size_t>(i)] = FormatVoltsText(volts, &values_[static_cast<size_t>(i)]);
}

void WaveTextArray::setVoltsRun(int start, int count, double volts)
{
    double value = 0;
    const std::string text = FormatVoltsText(volts, &value);
    for (int i = start; i < start + count; ++i) {
        texts_[static_cast<size_t>(i)] = text;
        values_[static_cast<size_t>(i)] = value;
    }
}

void WaveTextArray::moveRange(int from, int to, int count)
{
    if (count <= 0 || from == to)
        return;
    auto move = [&](auto& entries) {
        auto first = entries.begin() + from;
        if (to < from)
            std::move(first, first + count, entries.begin() + to);
        else
            std::move_backward(first, first + count, entries.begin() + to + count);
    };
    move(texts_);
    move(values_);
}

}  // namespace tlv
