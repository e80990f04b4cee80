#pragma once

#include <QByteArray>
#include <vector>

// What the generator receives: points become 12-bit offset-binary words, announced by "V2" and
// the count, selected onto a channel by "F0" or "F1".
namespace tlv {

// One download carries at most this many values; a waveform of 16384 points loses its last.
constexpr int kMaxSendValues = 16383;
constexpr int kLowestCode = -2048;
constexpr int kHighestCode = 2047;

// The code of one point: through the plot scale and back in single precision, 4095 / 10000
// codes per millivolt, clamped to -2048..2047, rounded down.
int ValueCode(double volts);

// The codes of points 0.. of a waveform, at most kMaxSendValues of them.
std::vector<int> PrepareValues(const std::vector<double>& volts);

// Code + 2048, 0..4095, as the generator takes it.
int WireWord(int code);
// The two bytes of a word on the serial line: low byte first.
QByteArray WireBytes(int code);

// "F0" for channel 1 (ChannelMode 0), "F1" for channel 2.
QByteArray ChannelCommand(int channelMode);
// "V2" and the count in plain decimal: V21000.
QByteArray LengthCommand(int count);

}  // namespace tlv
