#include "files/TableFormat.h"

#include <algorithm>
#include <cmath>

#include "model/VoltsText.h"

namespace tlv {

namespace {
bool IsTokenChar(char c)
{
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e';
}
}  // namespace

std::string TableBytes(const std::vector<double>& volts, char separator)
{
    std::string out;
    out.reserve(volts.size() * kTableLineBytes);
    for (size_t k = 0; k < volts.size(); ++k) {
        double v = std::abs(volts[k]) < 1e-99 ? 0.0 : volts[k];
        out += FormatVoltsText(static_cast<double>(k));
        out += separator;
        out += FormatVoltsText(v);
        out += '\r';
    }
    return out;
}

bool TableScanner::isSeparator(char c) const
{
    switch (separators_) {
    case TableSeparators::Comma: return c == ',';
    case TableSeparators::Tab: return c == '\t';
    case TableSeparators::Both: return c == ',' || c == '\t';
    }
    return false;
}

bool TableScanner::feed(std::string_view text)
{
    for (char c : text) {
        if (full())
            return false;
        if (scanned_ == textLimit_) {
            cutShort_ = true;
            token_.clear();
            return false;
        }
        ++scanned_;
        if (IsTokenChar(c)) {
            if (token_.size() < kMaxTokenLength)
                token_.push_back(c);
            else
                overlong_ = true;
        } else if (isSeparator(c)) {
            token_.clear();
            overlong_ = false;
        } else {
            endToken();
        }
    }
    return !full();
}

void TableScanner::finish()
{
    if (!full() && !cutShort_)
        endToken();
}

void TableScanner::endToken()
{
    if (!token_.empty() && !overlong_ && IsNumber(token_)) {
        double v = TextToNumber(token_);
        values_.push_back(std::clamp(v, -5.0, 5.0));
    }
    token_.clear();
    overlong_ = false;
}

}  // namespace tlv
