#include "model/OsVersion.h"

#include <QStringList>
#include <QRegularExpression>
#include <QSysInfo>

namespace tlv {

QString WindowsVersionName(int platformId, int major, int minor)
{
    if (platformId == 2) {
        if (major == 5 && minor == 1)
            return QStringLiteral("Windows XP");
        if (major == 5 && minor == 0)
            return QStringLiteral("Windows 2000");
        return QStringLiteral("Windows NT");
    }
    if (platformId == 1)
        return QStringLiteral("Windows");
    return QStringLiteral("Windows 3.1");
}

std::array<QString, 5> ReadOsVersionText()
{
    // Kernel version "6.1.0-18-amd64": major 6, minor 1, build 0.
    QStringList numbers = QSysInfo::kernelVersion().split(QRegularExpression("[.-]"));
    auto part = [&](int i) { return i < numbers.size() ? numbers[i] : QStringLiteral("0"); };
    QString kernel = QSysInfo::kernelType();
    QString name = kernel.isEmpty() ? QStringLiteral("Unknown") : kernel.left(1).toUpper() + kernel.mid(1);
    if (name == "Winnt")
        name = WindowsVersionName(2, part(0).toInt(), part(1).toInt());
    return {part(0), part(1), name, QSysInfo::prettyProductName().trimmed(), part(2)};
}

}  // namespace tlv
