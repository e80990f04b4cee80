#pragma once

#include <QByteArray>
#include <QString>

namespace vi {

// The volts of one data word as the generator puts it out: (word - 2048) / 409.5.
double WordVolts(int word);

// The received data words (two bytes each, low byte first) as a table in the program's own
// CSV form, so it can be opened there: "+0.000000E+00,+1.000000E+00" and a carriage return.
QByteArray WaveformTable(const QByteArray& dataBytes);

// Writes the table whole to path; false with the reason in error when it cannot.
bool WriteWaveformCsv(const QString& path, const QByteArray& dataBytes, QString* error);

}  // namespace vi
