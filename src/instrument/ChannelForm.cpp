#include "instrument/ChannelForm.h"

#include "instrument/Instrument.h"
#include "model/Workspace.h"

namespace tlv {

ChannelForm::ChannelForm(Workspace& ws, Instrument& instrument)
    : DialogForm("Channel Setting", QSize(248, 112)), ws_(ws), instrument_(instrument)
{
    add("Frame1", ControlKind::Frame, QRect(12, 8, 136, 92), "Mode");
    add("OptCh1", ControlKind::Option, QRect(28, 34, 100, 22), "CH 1").buddy = "Frame1";
    add("OptCh2", ControlKind::Option, QRect(28, 64, 100, 22), "CH 2").buddy = "Frame1";
    add("OKButton", ControlKind::Button, QRect(160, 16, 76, 28), "OK");
    add("CancelButton", ControlKind::Button, QRect(160, 54, 76, 28), "Cancel");

    ws_.link.ChannelMode = ws_.link.ChannelRemembered;
    at(ws_.link.ChannelMode ? "OptCh2" : "OptCh1").selected = true;
}

void ChannelForm::clicked(const QString& name)
{
    if (name == "CancelButton") {
        close();
    } else if (name == "OKButton") {
        const bool channel2 = control("OptCh2")->selected;
        if (!instrument_.SendChannel(channel2))
            return;
        ws_.link.ChannelMode = channel2;
        ws_.link.ChannelRemembered = channel2;
        close();
    }
}

}  // namespace tlv
