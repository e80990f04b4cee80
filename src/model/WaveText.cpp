#include "model/WaveText.h"

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
    std::string text = FormatVoltsText(volts);
    values_[static_cast<size_t>(i)] = VoltsTextValue(text);
    texts_[static_cast<size_t>(i)] = std::move(text);
}

}  // namespace tlv
