#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "model/Prompter.h"

class QTextStream;

namespace tlv {

struct ScriptError;

// Answers prompts from queues of scripted answers and records one line for every prompt shown,
// in the words the script driver prints ("message TLV | text | Yes No | information -> Yes").
// The script driver and the tests both use it.
class ScriptedPrompter : public Prompter {
public:
    using PrinterFactory = std::function<std::unique_ptr<PrintTarget>(const QString& path)>;

    // Every line also goes to out when one is given.
    explicit ScriptedPrompter(QTextStream* out = nullptr) : out_(out) {}

    // A modal dialog runs here; without a runner it closes untouched.
    void setModalRunner(std::function<void(DialogForm&)> runner) { runModal_ = std::move(runner); }
    // Makes the page device for a chosen printer path (a PDF file).
    void setPrinterFactory(PrinterFactory factory) { printerFactory_ = std::move(factory); }

    // "yes", "no", "ok" or "cancel"; an answer that does not fit its message box is a ScriptError
    // at the line it came from.
    void queueAnswer(const QString& answer, int line = 0) { answers_.push_back({answer, line}); }
    // A path for the next file dialog or printer, or "cancel".
    void queueChoice(const QString& choice, int line = 0) { choices_.push_back({choice, line}); }
    // With a handler, an answer that does not fit its message box goes to it instead of ending
    // the script, and the box takes the answer it takes unanswered.
    void tolerateMisfits(std::function<void(const ScriptError&)> handler)
    {
        misfit_ = std::move(handler);
    }
    size_t pendingAnswers() const { return answers_.size(); }
    size_t pendingChoices() const { return choices_.size(); }

    QStringList shown;    // one line per prompt, with its answer
    int waitPumped = 0;  // how often the wait window was given time to repaint

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    std::optional<QString> openFile(const QString& title, const QString& filter) override;
    std::optional<QString> saveFile(const QString& title, const QString& filter,
                                    const QString& suggestedName) override;
    std::unique_ptr<PrintTarget> choosePrinter() override;
    void runModal(DialogForm& form) override;
    void showAbout(const QString& title, const QString& extraLine) override;
    bool showHelp(const QString& path) override;
    void showWait() override;
    void pumpWait() override { ++waitPumped; }
    void closeWait() override;
    // Runs the work to its end between "download shown" and "download closed".
    void showDownload(ProgressWork& work) override;

private:
    struct Queued {
        QString value;
        int line = 0;
    };
    std::optional<QString> nextChoice(const QString& prompt);
    void record(const QString& line);

    QTextStream* out_;
    std::function<void(DialogForm&)> runModal_;
    PrinterFactory printerFactory_;
    std::function<void(const ScriptError&)> misfit_;
    std::deque<Queued> answers_;
    std::deque<Queued> choices_;
};

}  // namespace tlv
