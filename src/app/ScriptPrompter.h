#pragma once

#include <QString>
#include <deque>
#include <functional>

#include "model/Prompter.h"

class QTextStream;

namespace tlv {

struct ScriptError;

// Answers prompts from a queue filled by the script's "answer" and "choose" lines, and prints
// one line for every prompt shown.
class ScriptPrompter : public Prompter {
public:
    struct Queued {
        QString value;  // "yes", "no", "ok", "cancel"; or a path
        int line = 0;
    };

    ScriptPrompter(QTextStream& out, std::function<void(DialogForm&)> runModal);

    void queueAnswer(const QString& answer, int line) { answers_.push_back({answer, line}); }
    void queueChoice(const QString& choice, int line) { choices_.push_back({choice, line}); }
    // With a handler, an answer that does not fit its message box goes to it instead of ending
    // the script, and the box takes its safe answer.
    void tolerateMisfits(std::function<void(const ScriptError&)> handler)
    {
        misfit_ = std::move(handler);
    }
    // Answers left unused when the script ends.
    size_t pendingAnswers() const { return answers_.size(); }
    size_t pendingChoices() const { return choices_.size(); }

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    std::optional<QString> openFile(const QString& title, const QString& filter) override;
    std::optional<QString> saveFile(const QString& title, const QString& filter,
                                    const QString& suggestedName) override;
    bool choosePrinter(QPrinter& printer) override;
    void runModal(DialogForm& form) override;
    void showAbout(const QString& title, const QString& extraLine) override;
    bool showHelp(const QString& path) override;
    void showWait() override;
    void closeWait() override;

private:
    std::optional<QString> fileDialog(const QString& title, const QString& filter);

    QTextStream& out_;
    std::function<void(DialogForm&)> runModal_;
    std::function<void(const ScriptError&)> misfit_;
    std::deque<Queued> answers_;
    std::deque<Queued> choices_;
};

}  // namespace tlv
