#include "model/CommandNames.h"

#include <QKeySequence>

namespace tlv {

const std::vector<MenuItemDefinition>& MenuItems()
{
    static const std::vector<MenuItemDefinition> items = {
        {Cmd::FileMenu, {}, "&File", "", true, false},
        {Cmd::New, Cmd::FileMenu, "&New", "Ctrl+N", true, false},
        {Cmd::Open, Cmd::FileMenu, "&Open", "Ctrl+O", true, false},
        {Cmd::Save, Cmd::FileMenu, "&Save", "Ctrl+S", true, false},
        {Cmd::SaveAs, Cmd::FileMenu, "Save &As", "", true, false},
        {Cmd::Close, Cmd::FileMenu, "&Close", "", true, false},
        {Cmd::SepImport, Cmd::FileMenu, "-", "", true, false},
        {Cmd::Import, Cmd::FileMenu, "&Import", "", true, false},
        {Cmd::ImportWaveform, Cmd::FileMenu, "Import &Waveform...", "", true, false},
        {Cmd::Hyper1, Cmd::FileMenu, "-", "", true, false},
        {Cmd::Print, Cmd::FileMenu, "&Print", "Ctrl+P", true, false},
        {Cmd::ExportImage, Cmd::FileMenu, "&Export Image...", "", true, false},
        {Cmd::Hy1, Cmd::FileMenu, "-", "", true, false},
        {Cmd::Exit, Cmd::FileMenu, "E&xit", "", true, false},
        {Cmd::EditMenu, {}, "&Edit", "", true, false},
        {Cmd::Undo, Cmd::EditMenu, "Undo", "Ctrl+Z", false, false},
        {Cmd::Hyper2, Cmd::EditMenu, "-", "", true, false},
        {Cmd::Cut, Cmd::EditMenu, "Cut", "Ctrl+X", false, false},
        {Cmd::Copy, Cmd::EditMenu, "Copy", "Ctrl+C", false, false},
        {Cmd::Paste, Cmd::EditMenu, "Paste", "Ctrl+V", false, false},
        {Cmd::Clear, Cmd::EditMenu, "Clear", "Del", false, false},
        {Cmd::ClearAll, Cmd::EditMenu, "Clear All", "Ctrl+A", false, false},
        {Cmd::Hyper3, Cmd::EditMenu, "-", "", true, false},
        {Cmd::EditSelect, Cmd::EditMenu, "Edit Select", "", false, true},
        {Cmd::Hyper4, Cmd::EditMenu, "-", "", true, false},
        {Cmd::SelectAll, Cmd::EditMenu, "Select All", "", false, false},
        {Cmd::WaveformMenu, {}, "W&aveforms", "", true, false},
        {Cmd::Freehand, Cmd::WaveformMenu, "Freehand", "", true, false},
        {Cmd::Line, Cmd::WaveformMenu, "Line", "", true, false},
        {Cmd::Hyper6, Cmd::WaveformMenu, "-", "", true, false},
        {Cmd::Sine, Cmd::WaveformMenu, "Sine...", "", true, false},
        {Cmd::Triangle, Cmd::WaveformMenu, "Triangle...", "", true, false},
        {Cmd::Square, Cmd::WaveformMenu, "Square...", "", true, false},
        {Cmd::Ramp, Cmd::WaveformMenu, "Ramp...", "", true, false},
        {Cmd::Damped, Cmd::WaveformMenu, "Damped Sine...", "", true, false},
        {Cmd::ExpRise, Cmd::WaveformMenu, "Exp Rise...", "", true, false},
        {Cmd::ExpFall, Cmd::WaveformMenu, "Exp Fall...", "", true, false},
        {Cmd::Noise, Cmd::WaveformMenu, "Noise", "", true, false},
        {Cmd::Dc, Cmd::WaveformMenu, "DC", "", true, false},
        {Cmd::SepEquation, Cmd::WaveformMenu, "-", "", true, false},
        {Cmd::Equation, Cmd::WaveformMenu, "Equation...", "", true, false},
        {Cmd::MathMenu, {}, "&Math", "", true, false},
        {Cmd::Invert, Cmd::MathMenu, "Invert", "", false, false},
        {Cmd::Mirror, Cmd::MathMenu, "Mirror", "", false, false},
        {Cmd::Hyper10, Cmd::MathMenu, "-", "", true, false},
        {Cmd::Add, Cmd::MathMenu, "Add...", "", false, false},
        {Cmd::Subtract, Cmd::MathMenu, "Subtract", "", false, false},
        {Cmd::Multiply, Cmd::MathMenu, "Multiply", "", false, false},
        {Cmd::Hyper7, Cmd::MathMenu, "-", "", true, false},
        {Cmd::Absolute, Cmd::MathMenu, "Absolute", "", false, false},
        {Cmd::Hyper8, Cmd::MathMenu, "-", "", true, false},
        {Cmd::Expand, Cmd::MathMenu, "Expand to Fit", "", false, false},
        {Cmd::OperateMenu, {}, "&Operate", "", true, false},
        {Cmd::Send, Cmd::OperateMenu, "Send Waveform", "", true, false},
        {Cmd::SettingMenu, {}, "&Setting", "", true, false},
        {Cmd::Configure, Cmd::SettingMenu, "Configure Interface", "", true, false},
        {Cmd::Channel, Cmd::SettingMenu, "Channel Mode", "", true, false},
        {Cmd::WindowMenu, {}, "&Window", "", true, false},
        {Cmd::Cascade, Cmd::WindowMenu, "Cascade", "", true, false},
        {Cmd::Tile, Cmd::WindowMenu, "Tile", "", true, false},
        {Cmd::HelpMenu, {}, "&Help", "", true, false},
        {Cmd::About, Cmd::HelpMenu, "About", "", true, false},
        {Cmd::HelpIndex, Cmd::HelpMenu, "Tolvenar Help", "F1", true, false},
    };
    return items;
}

const std::vector<ButtonDefinition>& ToolbarButtons(int toolbar)
{
    static const std::vector<ButtonDefinition> main = {
        {Tb1::New, "New", Cmd::New},
        {Tb1::Open, "Open", Cmd::Open},
        {Tb1::Save, "Save", Cmd::Save, Guard::Document},
        {4, "", {}},
        {Tb1::Import, "Import", Cmd::Import},
        {6, "", {}},
        {Tb1::Undo, "Undo", Cmd::Undo, Guard::Document, Afterward::DisableButtonAndItem},
        {8, "", {}},
        {Tb1::Cut, "Cut", Cmd::Cut, Guard::Selection, Afterward::DisableButton},
        {Tb1::Copy, "Copy", Cmd::Copy, Guard::Selection},
        {Tb1::Paste, "Paste", Cmd::Paste, Guard::Clipboard},
        {12, "", {}},
        {Tb1::Send, "Send waveform", Cmd::Send},
        {14, "", {}},
        {Tb1::Print, "Print", Cmd::Print, Guard::DocumentWithPoints},
        {16, "", {}},
        {Tb1::Help, "Help", Cmd::HelpIndex},
    };
    static const std::vector<ButtonDefinition> tools = {
        {Tb2::Marker, "Marker", {}, Guard::Always, Afterward::Nothing, true},
        {2, "", {}},
        {Tb2::FreeHand, "Free hand", Cmd::Freehand, Guard::Always, Afterward::Nothing, true},
        {Tb2::Line, "Line", Cmd::Line, Guard::Always, Afterward::Nothing, true},
        {5, "", {}},
        {6, "Sine", {}}, {7, "Triangle", {}}, {8, "Square", {}}, {9, "Ramp", {}}, {10, "Damped Sine", {}},
        {11, "Exp. Rise", {}}, {12, "Exp. Fall", {}}, {13, "Noise", {}}, {14, "DC", {}},
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
