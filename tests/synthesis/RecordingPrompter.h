#pragma once

#include <QPrinter>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "model/DialogForm.h"
#include "model/Prompter.h"

namespace tlv::test {

// Records every message; message boxes take their first button; modal dialogs are handed to
// a test's own function.
class RecordingPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        QString title;
        Buttons buttons;
    };
    std::vector<Shown> messages;
    std::function<void(DialogForm&)> onModal;

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon) override
    {
        messages.push_back({text, title, buttons});
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    }
    std::optional<QString> openFile(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> saveFile(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    bool choosePrinter(QPrinter&) override { return false; }
    void runModal(DialogForm& form) override
    {
        if (onModal)
            onModal(form);
    }
    void showAbout(const QString&, const QString&) override {}
    bool showHelp(const QString&) override { return false; }
};

}  // namespace tlv::test
