#pragma once

#include <QString>

namespace tlv {

// The interface settings kept in "com.ini": three lines, each a whole number ended by CR LF.
struct InterfaceSettings {
    int interfaceType = 0;  // 0 serial line, 1 NI card, 2 Agilent card
    int comPortNo = 1;
    int gpibAddress = 1;
};

// The user's configuration folder: $TOLVENAR_CONFIG_DIR when set; else
// $XDG_CONFIG_HOME/tolvenar, or ~/.config/tolvenar when XDG_CONFIG_HOME is not set.
QString UserConfigFolder();
// The folder that holds com.ini: $TOLVENAR_CONFIG_DIR when set; else the program's folder when
// it can be written; else the user's configuration folder.
QString SettingsFolder(const QString& programFolder);
QString SettingsPath(const QString& programFolder);

// Parses the file's text; a line that is missing, not a whole number or out of range takes
// its default.
InterfaceSettings ParseSettings(const QByteArray& text);
QByteArray FormatSettings(const InterfaceSettings& settings);

// Reads com.ini, creating it with the defaults when it does not exist. A file that cannot be
// created is reported through error and the defaults are used.
InterfaceSettings LoadSettings(const QString& path, QString* error = nullptr);
// Writes com.ini whole; returns false and fills error when it cannot.
bool SaveSettings(const QString& path, const InterfaceSettings& settings, QString* error = nullptr);

// The serial device chosen from the system's ports, which com.ini's port number cannot name:
// kept in "serial-device" in the user's configuration folder, one path a line, empty for none.
QString SerialDeviceSettingPath();
// The GPIB-USB adapter's device, kept the same way in "gpib-adapter".
QString AdapterDeviceSettingPath();
QString LoadSerialDevice(const QString& path, QString* error = nullptr);
bool SaveSerialDevice(const QString& path, const QString& device, QString* error = nullptr);

}  // namespace tlv
