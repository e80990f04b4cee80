#pragma once

#include <string>
#include <string_view>
#include <vector>

// The "Time, Volts" text tables: CSV (comma) and PRN (tab). Each written line is 28 bytes: the
// point index and the value, both in the "+0.000000E+00" pattern, ended by a carriage return.
namespace tlv {

constexpr int kTableLineBytes = 28;
// A table reader keeps at most this many values: the end marker needs the last place.
constexpr int kTableMaxValues = 16383;

enum class TableSeparators { Comma, Tab, Both };

// The table for the given points; values within 1e-99 V of zero are written as zero, so that
// every line keeps its two-digit exponent and its 28 bytes.
std::string TableBytes(const std::vector<double>& volts, char separator);

// Reads values out of a table text given in pieces of any size. A token is a run of digits,
// "+", "-", ".", "E" and "e"; a separator drops the token collected so far; any other character
// ends it, and a token so ended is one value when it reads as a number (other tokens are
// skipped). The end of the text ends the last token as well. Values beyond +/-5 V are kept as
// +/-5 V.
class TableScanner {
public:
    explicit TableScanner(TableSeparators separators) : separators_(separators) {}

    // Scans the next piece; false once the table holds all the values it can take.
    bool feed(std::string_view text);
    // The end of the text.
    void finish();
    bool full() const { return static_cast<int>(values_.size()) >= kTableMaxValues; }
    const std::vector<double>& values() const { return values_; }

private:
    // Longer runs are no numbers anyone writes; they are skipped without being kept.
    static constexpr size_t kMaxTokenLength = 64;

    bool isSeparator(char c) const;
    void endToken();

    TableSeparators separators_;
    std::string token_;
    bool overlong_ = false;
    std::vector<double> values_;
};

}  // namespace tlv
