#include "WaveformCsv.h"

#include <QSaveFile>
#include <cstdio>

namespace vi {

double WordVolts(int word)
{
    return (word - 2048) / 409.5;
}

QByteArray WaveformTable(const QByteArray& dataBytes)
{
    QByteArray table;
    char line[64];
    for (qsizetype i = 0; i + 1 < dataBytes.size(); i += 2) {
        const int word = static_cast<unsigned char>(dataBytes[i]) +
                         256 * static_cast<unsigned char>(dataBytes[i + 1]);
        const int n = std::snprintf(line, sizeof line, "%+.6E,%+.6E\r",
                                    static_cast<double>(i / 2), WordVolts(word));
        table.append(line, n);
    }
    return table;
}

bool WriteWaveformCsv(const QString& path, const QByteArray& dataBytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(WaveformTable(dataBytes)) < 0 ||
        !file.commit()) {
        *error = path + ": " + file.errorString();
        return false;
    }
    return true;
}

}  // namespace vi
