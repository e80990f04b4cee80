#pragma once

#include <string>
#include <string_view>
#include <vector>

// The AFC waveform file: one little-endian single-precision value in volts per point, then the
// end record 999.0. No header, no count: the end record alone closes the data.
namespace tlv {

constexpr int kAfcMaxRecords = 16384;
// A reader never needs more of a file than this many bytes.
constexpr int kAfcReadLimit = 4 * kAfcMaxRecords;

struct AfcContent {
    std::vector<double> volts;  // the points before the end record
    bool endRecordFound = false;
    int badRecord = 0;          // number (from 1) of the first record that is no finite number
};

// Reads at most kAfcMaxRecords whole records. The data ends at the first 999.0 record; a file
// without one ends with its last whole record. A trailing part of a record is ignored. A NaN or
// infinite record makes the content unusable: badRecord names it and volts is empty.
AfcContent ParseAfc(std::string_view bytes);

// The file for the given points: 4 x (N + 1) bytes ending 00 C0 79 44.
std::string AfcBytes(const std::vector<double>& volts);

}  // namespace tlv
