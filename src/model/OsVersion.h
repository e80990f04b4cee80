#pragma once

#include <QString>
#include <array>

namespace tlv {

// The name of a Windows version record: on the NT platform (id 2) "Windows XP" for 5.1,
// "Windows 2000" for 5.0, else "Windows NT"; platform 1 is "Windows"; anything else "Windows 3.1".
QString WindowsVersionName(int platformId, int major, int minor);

// OsVersionText for the running system: major, minor, name, service-pack text, build. On a
// system other than Windows the name is the system's own ("Linux"), so the download behaves as
// it does on a system that is not NT.
std::array<QString, 5> ReadOsVersionText();

}  // namespace tlv
