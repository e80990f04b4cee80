#pragma once

#include "model/DialogForm.h"

namespace tlv {

class Instrument;
class Workspace;

// frmChannel, "Channel Setting": chooses the generator's output channel, sends the choice at
// once and keeps it in ChannelMode for the downloads. It opens with the last confirmed choice.
class ChannelForm : public DialogForm {
public:
    ChannelForm(Workspace& ws, Instrument& instrument);

    QString cancelButton() const override { return QStringLiteral("CancelButton"); }

protected:
    void clicked(const QString& name) override;

private:
    Workspace& ws_;
    Instrument& instrument_;
};

}  // namespace tlv
