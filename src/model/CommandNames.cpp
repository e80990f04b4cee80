#include "model/CommandNames.h"

#include <QKeySequence>

namespace tlv {

const std::vector<MenuItemDefinition>& MenuItems()
{
    static const std::vector<MenuItemDefinition> items = {
        {"mnuFile", "", "&File", "", true, false},
        {"mnuNew", "mnuFile", "&New", "", true, false},
        {"mnuOpen", "mnuFile", "&Open", "", true, false},
        {"mnuSave", "mnuFile", "&Save", "", true, false},
        {"mnuSaveAs", "mnuFile", "Save &As", "", true, false},
        {"mnuClose", "mnuFile", "&Close", "", true, false},
        {"mnyI", "mnuFile", "-", "", true, false},
        {"mnuImport", "mnuFile", "&Import", "", true, false},
        {"mnuHyper1", "mnuFile", "-", "", true, false},
        {"mnuPrint", "mnuFile", "&Print", "", true, false},
        {"mnuHy1", "mnuFile", "-", "", true, false},
        {"mnuExit", "mnuFile", "E&xit", "", true, false},
        {"mnuEdit", "", "&Edit", "", true, false},
        {"mnuUndo", "mnuEdit", "Undo", "Ctrl+Z", false, false},
        {"mnuHyper2", "mnuEdit", "-", "", true, false},
        {"mnuCut", "mnuEdit", "Cut", "Ctrl+X", false, false},
        {"mnuCopy", "mnuEdit", "Copy", "Ctrl+C", false, false},
        {"mnuPaste", "mnuEdit", "Paste", "Ctrl+V", false, false},
        {"mnuClear", "mnuEdit", "Clear", "Del", false, false},
        {"mnuClearall", "mnuEdit", "Clear All", "Ctrl+A", false, false},
        {"mnuHyper3", "mnuEdit", "-", "", true, false},
        {"mnuEditselect", "mnuEdit", "Edit Select", "", false, true},
        {"mnuHyper4", "mnuEdit", "-", "", true, false},
        {"mnuSelectall", "mnuEdit", "Select All", "", false, false},
        {"mnuWaveform", "", "W&aveforms", "", true, false},
        {"mnuFreehand", "mnuWaveform", "Freehand", "", true, false},
        {"mnuLine", "mnuWaveform", "Line", "", true, false},
        {"mnuHyper6", "mnuWaveform", "-", "", true, false},
        {"mnuSine", "mnuWaveform", "Sine...", "", true, false},
        {"mnuTriangle", "mnuWaveform", "Triangle...", "", true, false},
        {"mnuSquare", "mnuWaveform", "Square...", "", true, false},
        {"mnuRamp", "mnuWaveform", "Ramp...", "", true, false},
        {"mnuDamped", "mnuWaveform", "Damped Sine...", "", true, false},
        {"mnuExprise", "mnuWaveform", "Exp Rise...", "", true, false},
        {"mnuExpfall", "mnuWaveform", "Exp Fall...", "", true, false},
        {"mnuNoise", "mnuWaveform", "Noise", "", true, false},
        {"mnuDc", "mnuWaveform", "DC", "", true, false},
        {"mnuMath", "", "&Math", "", true, false},
        {"mnuInvert", "mnuMath", "Invert", "", false, false},
        {"mnuMirror", "mnuMath", "Mirror", "", false, false},
        {"mnuHyper10", "mnuMath", "-", "", true, false},
        {"mnuAdd", "mnuMath", "Add...", "", false, false},
        {"mnuSubtract", "mnuMath", "Subtract", "", false, false},
        {"mnuMultiply", "mnuMath", "Multiply", "", false, false},
        {"mnuHyper7", "mnuMath", "-", "", true, false},
        {"mnuAbsolute", "mnuMath", "Absolute", "", false, false},
        {"mnuHyper8", "mnuMath", "-", "", true, false},
        {"mnuExpand", "mnuMath", "Expand to Fit", "", false, false},
        {"mnuOperate", "", "&Operate", "", true, false},
        {"mnuSend", "mnuOperate", "Send Waveform", "", true, false},
        {"mnuSetting", "", "&Setting", "", true, false},
        {"mnuConfigure", "mnuSetting", "Configure Interface", "", true, false},
        {"mnuChannel", "mnuSetting", "Channel Mode", "", true, false},
        {"mnuWindow", "", "&Window", "", true, false},
        {"mnuCascade", "mnuWindow", "Cascade", "", true, false},
        {"mnuTile", "mnuWindow", "Tile", "", true, false},
        {"mnuHelp", "", "&Help", "", true, false},
        {"mnuAbout", "mnuHelp", "About", "", true, false},
        {"mnuIndex", "mnuHelp", "Tolvenar Help", "F1", true, false},
    };
    return items;
}

const std::vector<ButtonDefinition>& ToolbarButtons(int toolbar)
{
    static const std::vector<ButtonDefinition> main = {
        {1, "New"}, {2, "Open"}, {3, "Save"}, {4, ""}, {5, "Import"}, {6, ""},
        {7, "Undo"}, {8, ""}, {9, "Cut"}, {10, "Copy"}, {11, "Paste"}, {12, ""},
        {13, "Send waveform"}, {14, ""}, {15, "Print"}, {16, ""}, {17, "Help"},
    };
    static const std::vector<ButtonDefinition> tools = {
        {1, "Marker"}, {2, ""}, {3, "Free hand"}, {4, "Line"}, {5, ""},
        {6, "Sine"}, {7, "Triangle"}, {8, "Square"}, {9, "Ramp"}, {10, "Damped Sine"},
        {11, "Exp. Rise"}, {12, "Exp. Fall"}, {13, "Noise"}, {14, "DC"},
    };
    return toolbar == 1 ? main : tools;
}

QString MenuItemForShortcut(const QString& shortcut)
{
    QKeySequence wanted(shortcut);
    if (wanted.isEmpty())
        return {};
    for (const MenuItemDefinition& item : MenuItems())
        if (!item.shortcut.isEmpty() && QKeySequence(item.shortcut) == wanted)
            return item.name;
    return {};
}

}  // namespace tlv
