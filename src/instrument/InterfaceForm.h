#pragma once

#include <QMap>

#include "instrument/SerialPorts.h"
#include "model/DialogForm.h"

namespace tlv {

class Instrument;
class Workspace;

// mdiRs232c, "Setting Interface": chooses the serial line (port and baud rate) or an IEEE-488
// card. OK looks for the instrument on the chosen interface and makes it current when found;
// otherwise the dialog stays open. The serial part is greyed while a card is chosen. The
// dialog shows the device the chosen port stands for. Beside COM1..COM4 the port list offers the
// serial ports the system has as the dialog opens, and takes a device path typed in.
class InterfaceForm : public DialogForm {
public:
    InterfaceForm(Workspace& ws, Instrument& instrument, const SerialPortLister& ports = SystemSerialPorts);

    std::optional<QPoint> placement(const QRect& frame) const override;

protected:
    void clicked(const QString& name) override;
    void textChanged(const QString& name) override;
    void listPicked(const QString& name) override;

private:
    void greySerialPart(bool grey);
    void greyAdapterPart(bool grey);
    bool okAdapter();
    void showDevice();
    // The device the port list's text stands for; empty when it names none.
    QString deviceOfText(const QString& text) const;
    void ok();
    bool okSerial();

    Workspace& ws_;
    Instrument& instrument_;
    QMap<QString, QString> devices_;  // the system's ports: list text to device
};

}  // namespace tlv
