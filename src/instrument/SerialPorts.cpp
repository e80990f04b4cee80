#include "instrument/SerialPorts.h"

#include <QSerialPortInfo>

namespace tlv {

std::vector<SerialPortEntry> SystemSerialPorts()
{
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back({info.systemLocation(), info.portName(), info.description()});
    return ports;
}

}  // namespace tlv
