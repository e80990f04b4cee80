#pragma once

#include <string>
#include <string_view>

namespace tlv {

// "+1.250000E+00" for values >= 0 (including -0.0), "-1.250000E+00" below zero.
// readsAs, when given, receives the number the text reads as.
std::string FormatVoltsText(double volts, double* readsAs = nullptr);

// The number a text written by FormatVoltsText reads as, exactly as TextToNumber reads it, without
// a general parse: seven digits over a power of ten is one correctly rounded division.
double VoltsTextValue(std::string_view formatted);

// Shortest text that reads back to the same double (the form used when a store is loaded).
std::string GeneralNumberText(double value);

// The leading number of a text, as a lenient reader takes it: blanks skipped, an optional sign,
// digits with an optional fraction and exponent; anything after it is ignored. A text that
// does not start with a number reads as 0.
double TextToNumber(std::string_view text);

// True when the whole text (blanks around it aside) is one number.
bool IsNumber(std::string_view text);

}  // namespace tlv
