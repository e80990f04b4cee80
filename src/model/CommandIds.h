#pragma once

#include <QString>
#include <cstring>

namespace tlv {

// The name of a menu item, as the frame, the command table and scripts know it ("mnuSave").
// Code names items through the constants below only, so that a misspelt name cannot compile.
struct CommandId {
    const char* name;
    QString text() const { return QString::fromLatin1(name); }
    friend bool operator==(CommandId a, CommandId b) { return std::strcmp(a.name, b.name) == 0; }
};

// Every menu item, in menu order; separators carry names too.
namespace Cmd {
inline constexpr CommandId FileMenu{"mnuFile"};
inline constexpr CommandId New{"mnuNew"};
inline constexpr CommandId Open{"mnuOpen"};
inline constexpr CommandId Save{"mnuSave"};
inline constexpr CommandId SaveAs{"mnuSaveAs"};
inline constexpr CommandId Close{"mnuClose"};
inline constexpr CommandId SepImport{"mnyI"};
inline constexpr CommandId Import{"mnuImport"};
inline constexpr CommandId ImportWaveform{"mnuImportWaveform"};
inline constexpr CommandId Hyper1{"mnuHyper1"};
inline constexpr CommandId Print{"mnuPrint"};
inline constexpr CommandId ExportImage{"mnuExportImage"};
inline constexpr CommandId Hy1{"mnuHy1"};
inline constexpr CommandId Exit{"mnuExit"};
inline constexpr CommandId EditMenu{"mnuEdit"};
inline constexpr CommandId Undo{"mnuUndo"};
inline constexpr CommandId Hyper2{"mnuHyper2"};
inline constexpr CommandId Cut{"mnuCut"};
inline constexpr CommandId Copy{"mnuCopy"};
inline constexpr CommandId Paste{"mnuPaste"};
inline constexpr CommandId Clear{"mnuClear"};
inline constexpr CommandId ClearAll{"mnuClearall"};
inline constexpr CommandId Hyper3{"mnuHyper3"};
inline constexpr CommandId EditSelect{"mnuEditselect"};
inline constexpr CommandId Hyper4{"mnuHyper4"};
inline constexpr CommandId SelectAll{"mnuSelectall"};
inline constexpr CommandId WaveformMenu{"mnuWaveform"};
inline constexpr CommandId Freehand{"mnuFreehand"};
inline constexpr CommandId Line{"mnuLine"};
inline constexpr CommandId Hyper6{"mnuHyper6"};
inline constexpr CommandId Sine{"mnuSine"};
inline constexpr CommandId Triangle{"mnuTriangle"};
inline constexpr CommandId Square{"mnuSquare"};
inline constexpr CommandId Ramp{"mnuRamp"};
inline constexpr CommandId Damped{"mnuDamped"};
inline constexpr CommandId ExpRise{"mnuExprise"};
inline constexpr CommandId ExpFall{"mnuExpfall"};
inline constexpr CommandId Noise{"mnuNoise"};
inline constexpr CommandId Dc{"mnuDc"};
inline constexpr CommandId SepEquation{"mnuSepEquation"};
inline constexpr CommandId Equation{"mnuEquation"};
inline constexpr CommandId MathMenu{"mnuMath"};
inline constexpr CommandId Invert{"mnuInvert"};
inline constexpr CommandId Mirror{"mnuMirror"};
inline constexpr CommandId Hyper10{"mnuHyper10"};
inline constexpr CommandId Add{"mnuAdd"};
inline constexpr CommandId Subtract{"mnuSubtract"};
inline constexpr CommandId Multiply{"mnuMultiply"};
inline constexpr CommandId Hyper7{"mnuHyper7"};
inline constexpr CommandId Absolute{"mnuAbsolute"};
inline constexpr CommandId Hyper8{"mnuHyper8"};
inline constexpr CommandId Expand{"mnuExpand"};
inline constexpr CommandId OperateMenu{"mnuOperate"};
inline constexpr CommandId Send{"mnuSend"};
inline constexpr CommandId SettingMenu{"mnuSetting"};
inline constexpr CommandId Configure{"mnuConfigure"};
inline constexpr CommandId Channel{"mnuChannel"};
inline constexpr CommandId WindowMenu{"mnuWindow"};
inline constexpr CommandId Cascade{"mnuCascade"};
inline constexpr CommandId Tile{"mnuTile"};
inline constexpr CommandId HelpMenu{"mnuHelp"};
inline constexpr CommandId About{"mnuAbout"};
inline constexpr CommandId HelpIndex{"mnuIndex"};
}  // namespace Cmd

}  // namespace tlv
