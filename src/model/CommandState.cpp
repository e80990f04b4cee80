#include "model/CommandState.h"

#include <stdexcept>

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

const CommandState::Flags& CommandState::flags(const QString& item) const
{
    auto it = items_.find(item);
    if (it == items_.end())
        throw std::logic_error("unknown menu item " + item.toStdString());
    return it->second;
}

CommandState::Flags& CommandState::item(CommandId id)
{
    return const_cast<Flags&>(flags(id.text()));
}

const CommandState::Flags* CommandState::findButton(int toolbar, int index) const
{
    auto it = buttons_.find(buttonKey(toolbar, index));
    return it == buttons_.end() ? nullptr : &it->second;
}

CommandState::Flags& CommandState::button(int toolbar, int index)
{
    const Flags* found = findButton(toolbar, index);
    if (!found)
        throw std::logic_error("unknown toolbar button " + buttonKey(toolbar, index).toStdString());
    return const_cast<Flags&>(*found);
}

void CommandState::setEnabled(CommandId id, bool enabled)
{
    item(id).enabled = enabled;
    changed();
}

void CommandState::setChecked(CommandId id, bool checked)
{
    item(id).checked = checked;
    changed();
}

void CommandState::enable(const CommandSet& items)
{
    for (CommandId id : items)
        item(id).enabled = true;
    changed();
}

void CommandState::disable(const CommandSet& items)
{
    for (CommandId id : items)
        item(id).enabled = false;
    changed();
}

bool CommandState::isButtonEnabled(int toolbar, int index) const
{
    const Flags* found = findButton(toolbar, index);
    return found && found->enabled;
}

bool CommandState::isButtonPressed(int toolbar, int index) const
{
    const Flags* found = findButton(toolbar, index);
    return found && found->checked;
}

void CommandState::setButtonEnabled(int toolbar, int index, bool enabled)
{
    button(toolbar, index).enabled = enabled;
    changed();
}

void CommandState::setButtonPressed(int toolbar, int index, bool pressed)
{
    // The Marker, Free hand and Line buttons form one group: pressing one releases the others.
    if (toolbar == 2 && pressed && (index == 1 || index == 3 || index == 4))
        for (int other : {1, 3, 4})
            button(2, other).checked = false;
    button(toolbar, index).checked = pressed;
    changed();
}

void CommandState::enableButtons(int toolbar, const std::vector<int>& indices)
{
    for (int index : indices)
        button(toolbar, index).enabled = true;
    changed();
}

void CommandState::disableButtons(int toolbar, const std::vector<int>& indices)
{
    for (int index : indices)
        button(toolbar, index).enabled = false;
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
