// The volts texts: their pattern, the numbers they read back as, and their fast paths.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "model/VoltsText.h"
#include "model/WaveText.h"

using namespace tlv;

TEST(VoltsText, SignedScientificPatternRoundedAtTheSeventhDigit)
{
    const std::pair<double, const char*> cases[] = {
        {0, "+0.000000E+00"},           {-0.0, "+0.000000E+00"},        {1.25, "+1.250000E+00"},
        {-1.25, "-1.250000E+00"},       {0.0012345678, "+1.234568E-03"}, {-4.99999999, "-5.000000E+00"}};
    for (const auto& [volts, text] : cases)
        EXPECT_EQ(FormatVoltsText(volts), text) << volts;
}

TEST(VoltsText, TheReaderTakesTheLeadingNumber)
{
    const std::pair<const char*, double> cases[] = {
        {"999", 999}, {"", 0}, {"  -2.5abc", -2.5}, {"abc", 0}, {"1e", 1}, {"+.5", 0.5}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextToNumber(text), value) << text;
    EXPECT_TRUE(std::isinf(TextToNumber("1e999")));
    EXPECT_TRUE(IsNumber(" 12.5 "));
    for (const char* no : {"12.5x", ".", "-"})
        EXPECT_FALSE(IsNumber(no)) << no;
    for (double v : {0.0, 1.25, -3.3333333333333335, 4.999999999, -5.0, 1e-7})
        EXPECT_EQ(TextToNumber(GeneralNumberText(v)), v);
}

// The fast digits and a computed value's number agree with the general formatter and reader for
// every magnitude, halves and the edges of each decade included.
TEST(VoltsText, FastPathsAgreeWithTheGeneralFormatterAndReader)
{
    auto general = [](double v) {
        char text[40];
        std::snprintf(text, sizeof text, "%+.6E", v);
        return v == 0 ? std::string("+0.000000E+00") : std::string(text);
    };
    std::vector<double> values = {1234567.5, 1234568.5, 0.0000125, 9.9999995, 9.9999994999,
                                  0.99999995, 1e-20, 9.99999995e19, 1e20, 5e-300, 4.9999995};
    for (int e = -20; e <= 19; ++e)
        for (double m : {1.0, 9.9999995, 9.999999499999, 5.0000005})
            values.push_back(m * std::pow(10.0, e));
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-22, 21);
    for (int k = 0; k < 200000; ++k)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    WaveTextArray texts;
    for (double v : values)
        for (double x : {v, -v, std::nextafter(v, 0.0)}) {
            const std::string text = FormatVoltsText(x);
            ASSERT_EQ(text, general(x)) << x;
            ASSERT_EQ(VoltsTextValue(text), TextToNumber(text)) << text;
            texts.setVoltsRun(1, 2, x);
            ASSERT_EQ(texts.value(2), TextToNumber(texts[2])) << texts[2];
        }
    for (const char* other : {"999", "+1.2x4568E+00", "+nan", "-1.000000E+100", "1.000000E+00"})
        EXPECT_EQ(VoltsTextValue(other), TextToNumber(other)) << other;
}
