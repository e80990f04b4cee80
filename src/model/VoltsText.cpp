#include "model/VoltsText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tlv {

std::string FormatVoltsText(double volts)
{
    char buffer[40];
    char* out = buffer;
    // -0.0 compares equal to 0, so it takes the "+" pattern like any value >= 0.
    if (volts >= 0 || std::isnan(volts))
        *out++ = '+';
    auto result = std::to_chars(out, buffer + sizeof buffer, volts, std::chars_format::scientific, 6);
    std::string text(buffer, result.ptr);
    if (volts == 0 && std::signbit(volts))
        text = "+0.000000E+00";
    auto e = text.find('e');
    if (e != std::string::npos)
        text[e] = 'E';
    return text;
}

std::string GeneralNumberText(double value)
{
    char buffer[40];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

namespace {

// Length of the number at the start of text (after an optional sign), 0 when there is none.
size_t NumberLength(std::string_view text)
{
    size_t i = 0;
    auto digits = [&] {
        size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    size_t whole = digits();
    size_t fraction = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        fraction = digits();
    }
    if (whole + fraction == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t mark = i++;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            i = mark;
    }
    return i;
}

struct Scan {
    double value = 0;
    size_t end = 0;  // offset just past the number, 0 when there was none
};

Scan ScanNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);
    size_t length = NumberLength(rest);
    if (length == 0)
        return {};
    Scan scan;
    auto result = std::from_chars(rest.data(), rest.data() + length, scan.value);
    if (result.ec == std::errc::result_out_of_range)  // overflow to infinity, underflow to 0
        scan.value = std::strtod(std::string(rest.substr(0, length)).c_str(), nullptr);
    if (negative)
        scan.value = -scan.value;
    scan.end = i + length;
    return scan;
}

}  // namespace

double TextToNumber(std::string_view text)
{
    return ScanNumber(text).value;
}

bool IsNumber(std::string_view text)
{
    Scan scan = ScanNumber(text);
    if (scan.end == 0)
        return false;
    for (size_t i = scan.end; i < text.size(); ++i)
        if (text[i] != ' ' && text[i] != '\t')
            return false;
    return true;
}

}  // namespace tlv
