#include "instrument/InterfaceForm.h"

#include <array>

#include "instrument/Instrument.h"
#include "instrument/SerialSettings.h"
#include "model/EditPath.h"
#include "model/Prompter.h"
#include "model/Workspace.h"
#include "model/DialogPlacement.h"

namespace tlv {

namespace {

const std::array<const char*, 4> kOptions = {"opRS", "opGPIB", "opGpibHp", "opAdapter"};  // by InterfaceType
const std::array<const char*, 7> kTextLabels = {"Label1", "Label2", "Label3", "Label6",
                                                "Label8", "lblDevice", "lblDevicePath"};
const std::array<const char*, 3> kValueLabels = {"Label5", "Label7", "Label9"};

// Colours of the serial part, in use and greyed.
const QColor kValueBackground(0xFF, 0xFF, 0xC0);
const QColor kGreyBackground(0xE0, 0xE0, 0xE0);
const QColor kGreyText(0x80, 0x80, 0x80);

// 1..4 for "COM1".."COM4"; 0 for any other text.
int PortOfText(const QString& text)
{
    for (int port = 1; port <= 4; ++port)
        if (text == QString("COM%1").arg(port))
            return port;
    return 0;
}

}  // namespace

InterfaceForm::InterfaceForm(Workspace& ws, Instrument& instrument, const SerialPortLister& ports)
    : DialogForm("Setting Interface", QSize(420, 424)), ws_(ws), instrument_(instrument)
{
    add("Frame3", ControlKind::Frame, QRect(12, 8, 396, 124), " Interface");
    for (int type = 0; type < 4; ++type)
        add(kOptions[type], ControlKind::Option, QRect(28, 30 + 24 * type, 360, 22),
            Instrument::InterfaceName(type))
            .buddy = "Frame3";
    add("Frame2", ControlKind::Frame, QRect(12, 140, 396, 160), " Set Up");
    add("Label1", ControlKind::Label, QRect(28, 170, 80, 20), "Port");
    QStringList items{"COM1", "COM2", "COM3", "COM4"};
    for (const SerialPortEntry& port : ports()) {
        items << port.label();
        devices_[port.label()] = port.location;
    }
    // A device chosen in an earlier run stays on offer while it is unplugged.
    for (const QString& kept : {ws_.link.SerialDevice, ws_.link.AdapterDevice})
        if (!kept.isEmpty() && !devices_.values().contains(kept)) {
            items << kept;
            devices_[kept] = kept;
        }
    add("cboSerialPort", ControlKind::List, QRect(110, 166, 100, 24), "COM1").items = items;
    add("Label2", ControlKind::Label, QRect(28, 202, 80, 20), "Baud Rate");
    add("cboRate", ControlKind::List, QRect(110, 198, 100, 24), "9600 BPS").items =
        QStringList{"2400 BPS", "4800 BPS", "9600 BPS", "19200 BPS"};
    add("Label3", ControlKind::Label, QRect(236, 170, 90, 20), "Data Length");
    add("Label5", ControlKind::Label, QRect(330, 168, 56, 22), "8");
    add("Label6", ControlKind::Label, QRect(236, 202, 90, 20), "Stop Bits");
    add("Label7", ControlKind::Label, QRect(330, 200, 56, 22), "2");
    add("Label8", ControlKind::Label, QRect(236, 234, 90, 20), "Parity");
    add("Label9", ControlKind::Label, QRect(330, 232, 56, 22), "None");
    add("lblDevice", ControlKind::Label, QRect(28, 268, 80, 20), "Device");
    add("lblDevicePath", ControlKind::Label, QRect(110, 268, 290, 20));
    add("Frame4", ControlKind::Frame, QRect(12, 308, 396, 68), " GPIB-USB adapter");
    add("lblAdapter", ControlKind::Label, QRect(28, 334, 50, 20), "Device");
    add("cboAdapter", ControlKind::List, QRect(80, 330, 180, 24), ws_.link.AdapterDevice).items = items;
    add("lblAddress", ControlKind::Label, QRect(272, 334, 80, 20), "GPIB address");
    add("txtAddress", ControlKind::TextBox, QRect(356, 330, 40, 24), QString::number(ws_.link.AdapterAddress));
    add("cmdOk", ControlKind::Button, QRect(220, 386, 88, 28), "OK");
    add("cmdCancel", ControlKind::Button, QRect(316, 386, 88, 28), "Cancel");

    if (!ws_.link.SerialDevice.isEmpty())
        setText("cboSerialPort", devices_.key(ws_.link.SerialDevice));
    else if (ws_.link.ComPortNo != 0)
        setText("cboSerialPort", QString("COM%1").arg(ws_.link.ComPortNo));
    const int type = ws_.link.InterfaceType;
    if (type >= 0 && type < 4)
        at(kOptions[type]).selected = true;
    if (!ws_.link.AdapterDevice.isEmpty())
        setText("cboAdapter", devices_.key(ws_.link.AdapterDevice));
    greyAdapterPart(type != Instrument::UsbAdapter);
    if (type == Instrument::Serial) {
        if (!ws_.link.ComBaudText.isEmpty())
            setText("cboRate", ws_.link.ComBaudText + " BPS");
        greySerialPart(false);
    } else {
        greySerialPart(true);
    }
    showDevice();
}

std::optional<QPoint> InterfaceForm::placement(const QRect& frame) const
{
    // Placed as the New Segment dialog is: centred, raised to keep the plot in sight.
    return NewSegmentPosition(frame, size());
}

void InterfaceForm::greySerialPart(bool grey)
{
    for (const char* name : {"cboSerialPort", "cboRate", "Frame2"})
        setEnabled(name, !grey);
    for (const char* name : kValueLabels)
        at(name).background = grey ? kGreyBackground : kValueBackground;
    for (const char* name : kTextLabels)
        at(name).foreground = grey ? kGreyText : QColor(Qt::black);
    for (const char* name : kValueLabels)
        at(name).foreground = grey ? kGreyText : QColor(Qt::black);
}

QString InterfaceForm::deviceOfText(const QString& text) const
{
    if (const int port = PortOfText(text))
        return SerialDevicePath(port);
    if (devices_.contains(text))
        return devices_[text];
    return text.startsWith('/') ? text : QString();
}

void InterfaceForm::greyAdapterPart(bool grey)
{
    for (const char* name : {"Frame4", "cboAdapter", "txtAddress"})
        setEnabled(name, !grey);
    for (const char* name : {"lblAdapter", "lblAddress"})
        at(name).foreground = grey ? kGreyText : QColor(Qt::black);
}

void InterfaceForm::showDevice()
{
    const QString path = deviceOfText(text("cboSerialPort"));
    setText("lblDevicePath", path.isEmpty() ? QString("(no such port)") : path);
}

void InterfaceForm::textChanged(const QString& name)
{
    if (name == "cboSerialPort")
        showDevice();
}

void InterfaceForm::listPicked(const QString& name)
{
    textChanged(name);
}

void InterfaceForm::clicked(const QString& name)
{
    if (name == "opRS" || name == "opGPIB" || name == "opGpibHp" || name == "opAdapter") {
        greySerialPart(name != "opRS");
        greyAdapterPart(name != "opAdapter");
    } else if (name == "cmdOk") {
        ok();
    } else if (name == "cmdCancel") {
        ws_.edit.DrawSuspended = false;
        close();
    }
}

void InterfaceForm::ok()
{
    ws_.edit.DrawSuspended = false;
    bool done = false;
    if (control("opRS")->selected) {
        if (text("cboRate").isEmpty()) {
            ws_.prompter->message("Setting baud rate", "TLV", Buttons::Ok, Icon::None);
            close();
            return;
        }
        done = okSerial();
    } else if (control("opGPIB")->selected) {
        done = instrument_.Identify(Instrument::NiCard);
    } else if (control("opGpibHp")->selected) {
        done = instrument_.Identify(Instrument::AgilentCard);
    } else if (control("opAdapter")->selected) {
        done = okAdapter();
    }
    // The waveform goes back into its document, as after any dialog over it.
    if (DocumentSlot* slot = ws_.activeSlot())
        StoreEditBuffer(ws_.edit, *slot);
    if (done)
        close();
}

bool InterfaceForm::okSerial()
{
    const QString baud = text("cboRate").section(' ', 0, 0);
    // A typed rate the port cannot take is refused here, before it becomes the line's setting.
    QString error;
    if (!ParseSerialSettings(SerialSettingsText(baud), &error)) {
        ws_.prompter->message(error, "TLV", Buttons::Ok, Icon::Exclamation);
        return false;
    }
    ws_.link.ComBaudText = baud;
    const QString port = text("cboSerialPort");
    if (const int number = PortOfText(port)) {
        ws_.link.ComPortNo = number;
        ws_.link.SerialDevice.clear();
    } else if (const QString device = deviceOfText(port); !device.isEmpty()) {
        ws_.link.SerialDevice = device;
    }
    return instrument_.Identify(Instrument::Serial);
}

bool InterfaceForm::okAdapter()
{
    const QString device = deviceOfText(text("cboAdapter"));
    bool number = false;
    const int address = text("txtAddress").trimmed().toInt(&number);
    if (device.isEmpty()) {
        ws_.prompter->message("Choose the serial device of the GPIB-USB adapter.", "TLV", Buttons::Ok, Icon::Exclamation);
        return false;
    }
    if (!number || address < 1 || address > 30) {
        ws_.prompter->message("The GPIB address must be a whole number from 1 to 30.", "TLV", Buttons::Ok,
                              Icon::Exclamation);
        return false;
    }
    ws_.link.AdapterDevice = device;
    ws_.link.AdapterAddress = address;
    return instrument_.Identify(Instrument::UsbAdapter);
}

}  // namespace tlv
