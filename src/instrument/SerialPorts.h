#pragma once

#include <QString>
#include <functional>
#include <vector>

// The serial ports the system has now (USB serial adapters among them), as the interface dialog
// lists them beside COM1..COM4.
namespace tlv {

struct SerialPortEntry {
    QString location;     // "/dev/ttyUSB0"
    QString name;         // "ttyUSB0"
    QString description;  // "FT232R USB UART"; may be empty

    // "ttyUSB0 – FT232R USB UART", or the name alone.
    QString label() const { return description.isEmpty() ? name : name + " \u2013 " + description; }
};

using SerialPortLister = std::function<std::vector<SerialPortEntry>()>;

// QSerialPortInfo's ports, asked afresh at each call.
std::vector<SerialPortEntry> SystemSerialPorts();

}  // namespace tlv
