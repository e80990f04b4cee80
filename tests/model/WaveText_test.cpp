#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>

#include "model/VoltsText.h"
#include "model/WaveText.h"

using namespace tlv;

// A computed value's number is taken from its text without a general parse; it must be the
// number the text reads as, for every magnitude.
TEST(WaveText, AComputedValueKeepsTheNumberItsTextReadsAs)
{
    std::vector<double> values = {0.0, -0.0, 5.0, -5.0, 4.9999995, -4.99999949, 1.25, 1e-7,
                                  -3.3333333333, 0.1, 9.9999995e-3, 1e-16, 2.5e-22, 7e-300,
                                  123456789.0, -1e22, 5e300};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> volts(-5.0, 5.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int k = 0; k < 20000; ++k)
        values.push_back(volts(random) * std::pow(10.0, exponent(random)));

    WaveTextArray texts;
    for (double v : values) {
        texts.setVolts(0, v);
        texts.setVoltsRun(1, 2, v);
        const double read = TextToNumber(texts[0]);
        ASSERT_EQ(texts.value(0), read) << texts[0];
        ASSERT_EQ(texts.value(2), read) << texts[2];
    }
}

// The volts text's fast digits must agree with the general formatter everywhere, halves and
// the edges of each decade included.
TEST(VoltsText, EveryValueFormatsAsTheGeneralFormatterDoes)
{
    auto general = [](double v) {
        char buffer[40];
        char* out = buffer;
        if (v >= 0)
            *out++ = '+';
        std::string text(buffer, std::to_chars(out, buffer + 40, v, std::chars_format::scientific, 6).ptr);
        text[text.find('e')] = 'E';
        return v == 0 ? std::string("+0.000000E+00") : text;
    };
    std::vector<double> values = {1234567.5, 1234568.5, 0.0000125, 9.9999995, 9.9999994999,
                                  0.99999995, 1e-20, 9.99999995e19, 1e20, 5e-300, 4.9999995};
    for (int e = -20; e <= 19; ++e)
        for (double m : {1.0, 9.9999995, 9.999999499999, 5.0000005})
            values.push_back(m * std::pow(10.0, e));
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-22, 21);
    for (int k = 0; k < 300000; ++k)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (double v : values) {
        ASSERT_EQ(FormatVoltsText(v), general(v)) << v;
        ASSERT_EQ(FormatVoltsText(-v), general(-v)) << -v;
        ASSERT_EQ(FormatVoltsText(std::nextafter(v, 0.0)), general(std::nextafter(v, 0.0))) << v;
    }
}
