#pragma once

#include <QString>
#include <vector>

namespace tlv {

// One entry of the menu bar, in the order shown. Top-level menus have an empty parent; a
// caption of "-" is a separator.
struct MenuItemDefinition {
    QString name;
    QString parent;
    QString caption;
    QString shortcut;
    bool initiallyEnabled = true;
    bool initiallyChecked = false;
};

struct ButtonDefinition {
    int index = 0;
    QString toolTip;  // empty for a separator
    bool separator() const { return toolTip.isEmpty(); }
};

const std::vector<MenuItemDefinition>& MenuItems();
const std::vector<ButtonDefinition>& ToolbarButtons(int toolbar);
// The menu item a shortcut runs ("Ctrl+Z" -> mnuUndo), empty when none has it.
QString MenuItemForShortcut(const QString& shortcut);

}  // namespace tlv
