#pragma once

#include <QIcon>

namespace tlv {

// The program's own icons, drawn at run time: one per toolbar button, and the frame's.
QIcon ToolbarIcon(int toolbar, int index);
QIcon FrameIcon();

}  // namespace tlv
