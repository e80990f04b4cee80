#include "model/CommandState.h"

#include "model/CommandNames.h"

namespace tlv {

CommandState::CommandState()
{
    for (const MenuItemDefinition& item : MenuItems())
        items_[item.name] = Flags{item.initiallyEnabled, item.initiallyChecked};
    for (int toolbar : {1, 2})
        for (const ButtonDefinition& button : ToolbarButtons(toolbar))
            buttons_[buttonKey(toolbar, button.index)] = Flags{true, false};
}

QString CommandState::buttonKey(int toolbar, int index)
{
    return QStringLiteral("Toolbar%1 %2").arg(toolbar).arg(index);
}

void CommandState::changed() const
{
    if (listener_)
        listener_();
}

bool CommandState::isEnabled(const QString& item) const
{
    auto it = items_.find(item);
    return it != items_.end() && it->second.enabled;
}

bool CommandState::isChecked(const QString& item) const
{
    auto it = items_.find(item);
    return it != items_.end() && it->second.checked;
}

void CommandState::setEnabled(const QString& item, bool enabled)
{
    items_[item].enabled = enabled;
    changed();
}

void CommandState::setChecked(const QString& item, bool checked)
{
    items_[item].checked = checked;
    changed();
}

void CommandState::enable(std::initializer_list<const char*> items)
{
    for (const char* item : items)
        items_[QString::fromLatin1(item)].enabled = true;
    changed();
}

void CommandState::disable(std::initializer_list<const char*> items)
{
    for (const char* item : items)
        items_[QString::fromLatin1(item)].enabled = false;
    changed();
}

bool CommandState::isButtonEnabled(int toolbar, int index) const
{
    auto it = buttons_.find(buttonKey(toolbar, index));
    return it != buttons_.end() && it->second.enabled;
}

bool CommandState::isButtonPressed(int toolbar, int index) const
{
    auto it = buttons_.find(buttonKey(toolbar, index));
    return it != buttons_.end() && it->second.checked;
}

void CommandState::setButtonEnabled(int toolbar, int index, bool enabled)
{
    buttons_[buttonKey(toolbar, index)].enabled = enabled;
    changed();
}

void CommandState::setButtonPressed(int toolbar, int index, bool pressed)
{
    // The Marker, Free hand and Line buttons form one group: pressing one releases the others.
    if (toolbar == 2 && pressed && (index == 1 || index == 3 || index == 4))
        for (int other : {1, 3, 4})
            buttons_[buttonKey(2, other)].checked = false;
    buttons_[buttonKey(toolbar, index)].checked = pressed;
    changed();
}

void CommandState::enableButtons(int toolbar, std::initializer_list<int> indices)
{
    for (int index : indices)
        buttons_[buttonKey(toolbar, index)].enabled = true;
    changed();
}

void CommandState::disableButtons(int toolbar, std::initializer_list<int> indices)
{
    for (int index : indices)
        buttons_[buttonKey(toolbar, index)].enabled = false;
    changed();
}

bool CommandState::isToolbarEnabled(int toolbar) const
{
    return toolbar >= 1 && toolbar <= 2 && toolbarEnabled_[toolbar - 1];
}

void CommandState::setToolbarEnabled(int toolbar, bool enabled)
{
    if (toolbar >= 1 && toolbar <= 2)
        toolbarEnabled_[toolbar - 1] = enabled;
    changed();
}

bool CommandState::canClick(int toolbar, int index) const
{
    return isToolbarEnabled(toolbar) && isButtonEnabled(toolbar, index);
}

}  // namespace tlv
