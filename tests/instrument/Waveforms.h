#pragma once

#include <QFile>
#include <QString>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "files/TableFormat.h"

// The waveforms the instrument tests send, and the check of what the virtual instrument got.
namespace tlv::test {

// -5 V to +5 V in equal steps.
inline std::vector<double> Ramp(int points)
{
    std::vector<double> volts(static_cast<size_t>(points));
    for (int i = 0; i < points; ++i)
        volts[static_cast<size_t>(i)] = -5.0 + 10.0 * i / std::max(1, points - 1);
    return volts;
}

// The instrument's CSV file holds the waveform sent, within one 12-bit step.
inline void ExpectReceived(const QString& csvPath, const std::vector<double>& volts)
{
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << csvPath.toStdString();
    TableScanner table(TableSeparators::Comma);
    table.feed(csv.readAll().toStdString());
    table.finish();
    ASSERT_EQ(table.values().size(), volts.size());
    for (size_t i = 0; i < volts.size(); ++i)
        ASSERT_NEAR(table.values()[i], volts[i], 10.0 / 4095) << "point " << i;
}

}  // namespace tlv::test
