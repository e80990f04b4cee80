#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The "Time, Volts" text tables: CSV (comma) and PRN (tab). Each written line is 28 bytes: the
// point index and the value, both in the "+0.000000E+00" pattern, ended by a carriage return.
namespace tlv {

constexpr int kTableLineBytes = 28;
// A table reader keeps at most this many values: the end marker needs the last place.
constexpr int kTableMaxValues = 16383;
// A table reader reads no more text than this. The longest real table (16383 lines) is under
// 0.5 MiB; without a bound, a file that yields no values would be read to its end.
constexpr size_t kTableTextLimit = size_t{64} << 20;

enum class TableSeparators { Comma, Tab, Both };

// The table for the given points; values within 1e-99 V of zero are written as zero, so that
// every line keeps its two-digit exponent and its 28 bytes.
std::string TableBytes(const std::vector<double>& volts, char separator);

// Reads values out of a table text given in pieces of any size. A token is a run of digits,
// "+", "-", ".", "E" and "e"; a separator drops the token collected so far; any other character
// ends it, and a token so ended is one value when it reads as a number (other tokens are
// skipped). The end of the text ends the last token as well. Values beyond +/-5 V are kept as
// +/-5 V. Text beyond the limit is not scanned: the values before it are kept, and a token the
// limit cuts is dropped.
class TableScanner {
public:
    explicit TableScanner(TableSeparators separators, size_t textLimit = kTableTextLimit)
        : separators_(separators), textLimit_(textLimit) {}

    // Scans the next piece; false once the table holds all the values it can take, or once
    // the text runs past the limit.
    bool feed(std::string_view text);
    // The end of the text.
    void finish();
    bool full() const { return static_cast<int>(values_.size()) >= kTableMaxValues; }
    // Whether the text ran past the limit.
    bool cutShort() const { return cutShort_; }
    const std::vector<double>& values() const { return values_; }

private:
    // Longer runs are no numbers anyone writes; they are skipped without being kept.
    static constexpr size_t kMaxTokenLength = 64;

    bool isSeparator(char c) const;
    void endToken();

    TableSeparators separators_;
    size_t textLimit_;
    size_t scanned_ = 0;
    bool cutShort_ = false;
    std::string token_;
    bool overlong_ = false;
    std::vector<double> values_;
};

}  // namespace tlv
