#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "model/CommandIds.h"

namespace tlv {

// One entry of the menu bar, in the order shown. Top-level menus have an empty parent; a
// caption of "-" is a separator.
struct MenuItemDefinition {
    MenuItemDefinition(CommandId id, std::optional<CommandId> parentId, QString caption,
                       QString shortcut, bool enabled, bool checked)
        : id(id), name(id.text()), parent(parentId ? parentId->text() : QString()),
          caption(std::move(caption)), shortcut(std::move(shortcut)), initiallyEnabled(enabled),
          initiallyChecked(checked) {}
    CommandId id;
    QString name;
    QString parent;
    QString caption;
    QString shortcut;
    bool initiallyEnabled = true;
    bool initiallyChecked = false;
};

// When a toolbar button may run its command; a click that fails its guard does nothing.
enum class Guard {
    Always,
    Document,            // a document window is open
    Selection,           // ... and points are selected
    Clipboard,           // ... and the clipboard holds points
    DocumentWithPoints,  // ... and it has points
};

// What a toolbar button does to the command table after its command has run.
enum class Afterward { Nothing, DisableButton, DisableButtonAndItem };

// One toolbar button. Tool buttons (the Marker, Free hand and Line of Toolbar2) press as one
// group; the shape buttons of Toolbar2 run the handlers their subsystem registers.
struct ButtonDefinition {
    int index = 0;
    QString toolTip;  // empty for a separator
    std::optional<CommandId> command;
    Guard guard = Guard::Always;
    Afterward afterward = Afterward::Nothing;
    bool tool = false;
    bool separator() const { return toolTip.isEmpty(); }
};

// Buttons of Toolbar1 by index.
namespace Tb1 {
inline constexpr int New = 1, Open = 2, Save = 3, Import = 5, Undo = 7, Cut = 9, Copy = 10,
                     Paste = 11, Send = 13, Print = 15, Help = 17;
}
// Buttons of Toolbar2 by index; 6..14 are the shape buttons.
namespace Tb2 {
inline constexpr int Marker = 1, FreeHand = 3, Line = 4;
}

const std::vector<MenuItemDefinition>& MenuItems();
const std::vector<ButtonDefinition>& ToolbarButtons(int toolbar);
// The menu item a shortcut runs ("Ctrl+Z" -> mnuUndo), empty when none has it.
QString MenuItemForShortcut(const QString& shortcut);

}  // namespace tlv
