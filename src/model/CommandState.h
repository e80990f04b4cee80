#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "model/CommandIds.h"

namespace tlv {

using CommandSet = std::vector<CommandId>;

// Enabled, checked and pressed state of every menu item and toolbar button ("Toolbar1" 1..17,
// "Toolbar2" 1..14). Logic sets it; the frame mirrors it; tests read it. A name or button the
// menu and toolbar tables do not know is a programming error (std::logic_error).
class CommandState {
public:
    CommandState();

    bool isEnabled(CommandId item) const { return flags(item.text()).enabled; }
    bool isChecked(CommandId item) const { return flags(item.text()).checked; }
    // By name, for the frame and scripts that read the table.
    bool isEnabled(const QString& item) const { return flags(item).enabled; }
    bool isChecked(const QString& item) const { return flags(item).checked; }
    void setEnabled(CommandId item, bool enabled);
    void setChecked(CommandId item, bool checked);
    void enable(const CommandSet& items);
    void disable(const CommandSet& items);

    // toolbar is 1 or 2, index from 1.
    bool isButtonEnabled(int toolbar, int index) const;
    bool isButtonPressed(int toolbar, int index) const;
    void setButtonEnabled(int toolbar, int index, bool enabled);
    void setButtonPressed(int toolbar, int index, bool pressed);
    void enableButtons(int toolbar, const std::vector<int>& indices);
    void disableButtons(int toolbar, const std::vector<int>& indices);
    bool isToolbarEnabled(int toolbar) const;
    void setToolbarEnabled(int toolbar, bool enabled);
    // A button can be clicked when both it and its toolbar are enabled.
    bool canClick(int toolbar, int index) const;

    // Called after every change, so that a view can mirror the state.
    void setListener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    struct Flags {
        bool enabled = true;
        bool checked = false;
    };
    static QString buttonKey(int toolbar, int index);
    const Flags& flags(const QString& item) const;
    Flags& item(CommandId id);
    Flags& button(int toolbar, int index);
    const Flags* findButton(int toolbar, int index) const;
    void changed() const;

    std::map<QString, Flags> items_;
    std::map<QString, Flags> buttons_;  // checked = pressed
    bool toolbarEnabled_[2] = {true, true};
    std::function<void()> listener_;
};

}  // namespace tlv
