#pragma once

#include "model/DialogForm.h"

namespace tlv {

class Instrument;
class Workspace;

// mdiRs232c, "Setting Interface": chooses the serial line (port and baud rate) or an IEEE-488
// card. OK looks for the instrument on the chosen interface and makes it current when found;
// otherwise the dialog stays open. The serial part is greyed while a card is chosen. The
// dialog shows the device the chosen port stands for.
class InterfaceForm : public DialogForm {
public:
    InterfaceForm(Workspace& ws, Instrument& instrument);

    std::optional<QPoint> placement(const QRect& frame) const override;

protected:
    void clicked(const QString& name) override;
    void textChanged(const QString& name) override;
    void listPicked(const QString& name) override;

private:
    void greySerialPart(bool grey);
    void showDevice();
    void ok();
    bool okSerial();

    Workspace& ws_;
    Instrument& instrument_;
};

}  // namespace tlv
