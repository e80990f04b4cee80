#pragma once

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "instrument/WireFormat.h"

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

// The instrument's CSV file holds a line per point, each ended by its CR: the point's index and
// the volts of its code, exactly.
inline void ExpectReceived(const QString& csvPath, const std::vector<double>& volts)
{
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << csvPath.toStdString();
    const QList<QByteArray> lines = csv.readAll().split('\r');
    ASSERT_EQ(lines.size(), qsizetype(volts.size()) + 1);
    for (size_t i = 0; i < volts.size(); ++i) {
        const QList<QByteArray> fields = lines[qsizetype(i)].split(',');
        ASSERT_EQ(fields.value(0).toDouble(), static_cast<double>(i)) << "point " << i;
        ASSERT_NEAR(fields.value(1).toDouble(), ValueCode(volts[i]) / 409.5, 1e-6) << "point " << i;
    }
}

}  // namespace tlv::test
