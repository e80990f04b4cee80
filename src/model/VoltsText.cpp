#include "model/VoltsText.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdlib>

namespace tlv {

namespace {

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The seven significant digits of a positive value and its decimal exponent, from one scaling
// by an exact power of ten (an error below 1e-9 at this size); false where that cannot decide
// the rounding for certain (within reach of a half, or of a decade's edge, or beyond the exact
// powers), and the caller takes the general formatter, which is several times slower.
bool SevenDigits(double x, long long& digits, int& exponent)
{
    constexpr double kDoubt = 4e-9;
    // The binary exponent of a normal double, as frexp gives it, read from its bits.
    const int binary = static_cast<int>((std::bit_cast<uint64_t>(x) >> 52) & 0x7ff) - 1022;
    int e = ((binary - 1) * 78913) >> 18;  // floor((binary - 1) * log10(2)), give or take one
    for (int tries = 0; tries < 3; ++tries) {
        const int k = 6 - e;
        if (k < -22 || k > 22)
            return false;
        const double scaled = k >= 0 ? x * kPowersOfTen[k] : x / kPowersOfTen[-k];
        if (std::fabs(scaled - 999999.5) < kDoubt || std::fabs(scaled - 9999999.5) < kDoubt)
            return false;
        if (scaled < 999999.5) {
            --e;
            continue;
        }
        if (scaled > 9999999.5) {
            ++e;
            continue;
        }
        const long long whole = static_cast<long long>(scaled);
        const double fraction = scaled - static_cast<double>(whole);
        if (std::fabs(fraction - 0.5) < kDoubt)
            return false;
        digits = whole + (fraction > 0.5 ? 1 : 0);
        exponent = e;
        return true;
    }
    return false;
}

}  // namespace

std::string FormatVoltsText(double volts, double* readsAs)
{
    char buffer[40];
    char* out = buffer;
    // -0.0 compares equal to 0, so it takes the "+" pattern like any value >= 0.
    if (volts >= 0 || std::isnan(volts))
        *out++ = '+';
    long long digits = 0;
    int exponent = 0;
    if (volts != 0 && SevenDigits(std::fabs(volts), digits, exponent)) {
        if (readsAs) {
            // Dividing by an exact power rounds once: the very double any correct reader gives.
            const int scale = exponent - 6;
            const double magnitude = scale < 0 ? static_cast<double>(digits) / kPowersOfTen[-scale]
                                               : static_cast<double>(digits) * kPowersOfTen[scale];
            *readsAs = volts < 0 ? -magnitude : magnitude;
        }
        if (volts < 0)
            *out++ = '-';
        char mantissa[7];
        for (int k = 6; k >= 0; --k, digits /= 10)
            mantissa[k] = static_cast<char>('0' + digits % 10);
        *out++ = mantissa[0];
        *out++ = '.';
        for (int k = 1; k < 7; ++k)
            *out++ = mantissa[k];
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude >= 100)
            *out++ = static_cast<char>('0' + magnitude / 100);
        *out++ = static_cast<char>('0' + magnitude / 10 % 10);
        *out++ = static_cast<char>('0' + magnitude % 10);
        return std::string(buffer, out);
    }
    auto result = std::to_chars(out, buffer + sizeof buffer, volts, std::chars_format::scientific, 6);
    std::string text(buffer, result.ptr);
    if (volts == 0 && std::signbit(volts))
        text = "+0.000000E+00";
    auto e = text.find('e');
    if (e != std::string::npos)
        text[e] = 'E';
    if (readsAs)
        *readsAs = TextToNumber(text);
    return text;
}

double VoltsTextValue(std::string_view formatted)
{
    // "+d.ddddddE+dd": sign, seven digits, a two-digit exponent.
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    auto digit = [&](size_t i) { return formatted[i] - '0'; };
    auto isDigit = [&](size_t i) { return formatted[i] >= '0' && formatted[i] <= '9'; };
    if (formatted.size() != 13 || (formatted[0] != '+' && formatted[0] != '-') ||
        formatted[2] != '.' || formatted[9] != 'E' || (formatted[10] != '+' && formatted[10] != '-'))
        return TextToNumber(formatted);
    long mantissa = 0;
    for (size_t i : {1, 3, 4, 5, 6, 7, 8}) {
        if (!isDigit(i))
            return TextToNumber(formatted);
        mantissa = mantissa * 10 + digit(i);
    }
    if (!isDigit(11) || !isDigit(12))
        return TextToNumber(formatted);
    const int exponent = (formatted[10] == '-' ? -1 : 1) * (digit(11) * 10 + digit(12)) - 6;
    if (exponent < -22 || exponent > 22)
        return TextToNumber(formatted);
    const double magnitude = exponent < 0 ? mantissa / kPowers[-exponent] : mantissa * kPowers[exponent];
    return formatted[0] == '-' ? -magnitude : magnitude;
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
