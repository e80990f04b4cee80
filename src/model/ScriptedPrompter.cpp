#include "model/ScriptedPrompter.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <stdexcept>

#include "model/DialogForm.h"
#include "platform/PlainFile.h"
#include "model/ScriptError.h"

namespace tlv {

namespace {
bool Fits(const QString& answer, Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return answer == "ok";
    case Buttons::OkCancel: return answer == "ok" || answer == "cancel";
    case Buttons::YesNo: return answer == "yes" || answer == "no";
    case Buttons::YesNoCancel: return answer == "yes" || answer == "no" || answer == "cancel";
    }
    return false;
}

Answer FromWord(const QString& word)
{
    if (word == "yes")
        return Answer::Yes;
    if (word == "no")
        return Answer::No;
    if (word == "ok")
        return Answer::Ok;
    return Answer::Cancel;
}
}  // namespace

void ScriptedPrompter::record(const QString& line)
{
    shown << line;
    if (out_) {
        *out_ << line << "\n";
        out_->flush();
    }
}

Answer ScriptedPrompter::message(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    const QString prompt = "message " + title + " | " + text + " | " + ButtonsName(buttons) +
                           " | " + IconName(icon) + " -> ";
    // An unanswered question takes No where the box has one (the save question at a close took
    // No before it had Cancel, and scripts keep that meaning), else the answer that changes
    // nothing.
    const Answer safe = buttons == Buttons::Ok                                          ? Answer::Ok
                        : buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::No
                                                                                        : Answer::Cancel;
    if (answers_.empty()) {
        record(prompt + AnswerName(safe) + " (unanswered)");
        return safe;
    }
    Queued queued = answers_.front();
    answers_.pop_front();
    if (!Fits(queued.value, buttons)) {
        record(prompt + "?");
        const ScriptError misfit(queued.line, "answer " + queued.value +
                                                  " does not fit a message box with " +
                                                  ButtonsName(buttons));
        if (!misfit_)
            throw misfit;
        misfit_(misfit);
        return safe;
    }
    Answer answer = FromWord(queued.value);
    record(prompt + AnswerName(answer));
    return answer;
}

std::optional<QString> ScriptedPrompter::nextChoice(const QString& prompt)
{
    if (choices_.empty()) {
        record(prompt + " -> cancel (unanswered)");
        return std::nullopt;
    }
    Queued queued = choices_.front();
    choices_.pop_front();
    record(prompt + " -> " + queued.value);
    if (queued.value == "cancel")
        return std::nullopt;
    return queued.value;
}

std::optional<QString> ScriptedPrompter::openFile(const QString& title, const QString& filter)
{
    return nextChoice("dialog " + title + " | " + filter);
}

std::optional<QString> ScriptedPrompter::saveFile(const QString& title, const QString& filter,
                                                  const QString&)
{
    return nextChoice("dialog " + title + " | " + filter);
}

std::unique_ptr<PrintTarget> ScriptedPrompter::choosePrinter()
{
    std::optional<QString> path = nextChoice("printer");
    if (!path)
        return nullptr;
    if (!printerFactory_)
        throw std::logic_error("ScriptedPrompter: a printer was chosen but no printer factory is set");
    return printerFactory_(*path);
}

void ScriptedPrompter::runModal(DialogForm& form)
{
    if (runModal_)
        runModal_(form);
}

void ScriptedPrompter::showAbout(const QString& title, const QString& extraLine)
{
    record("about " + title + " | " + extraLine);
}

bool ScriptedPrompter::showHelp(const QString& path)
{
    QFile file(path);
    const bool readable = OpenPlainFile(file).isEmpty();
    record("help " + QFileInfo(path).fileName() + " -> " + (readable ? "index" : "unreadable"));
    return readable;
}

void ScriptedPrompter::showWait()
{
    record("wait shown");
}

void ScriptedPrompter::closeWait()
{
    record("wait closed");
}

void ScriptedPrompter::showDownload(ProgressWork& work)
{
    record("download shown");
    work.start();
    work.wait();
    record("download closed");
}

}  // namespace tlv
