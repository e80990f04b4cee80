#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace tlv {

// Enabled, checked and pressed state of every menu item (by name, "mnuCut") and toolbar button
// ("Toolbar1" 1..17, "Toolbar2" 1..14). Logic sets it; the frame mirrors it; tests read it.
class CommandState {
public:
    CommandState();

    bool isEnabled(const QString& item) const;
    bool isChecked(const QString& item) const;
    void setEnabled(const QString& item, bool enabled);
    void setChecked(const QString& item, bool checked);
    void enable(std::initializer_list<const char*> items);
    void disable(std::initializer_list<const char*> items);

    // toolbar is 1 or 2, index from 1.
    bool isButtonEnabled(int toolbar, int index) const;
    bool isButtonPressed(int toolbar, int index) const;
    void setButtonEnabled(int toolbar, int index, bool enabled);
    void setButtonPressed(int toolbar, int index, bool pressed);
    void enableButtons(int toolbar, std::initializer_list<int> indices);
    void disableButtons(int toolbar, std::initializer_list<int> indices);
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
    void changed() const;

    std::map<QString, Flags> items_;
    std::map<QString, Flags> buttons_;  // checked = pressed
    bool toolbarEnabled_[2] = {true, true};
    std::function<void()> listener_;
};

}  // namespace tlv
