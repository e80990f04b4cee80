#include "app/ScriptPrompter.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTextStream>

#include "app/ScriptError.h"
#include "files/PlainFile.h"

namespace tlv {

ScriptPrompter::ScriptPrompter(QTextStream& out, std::function<void(DialogForm&)> runModal)
    : out_(out), runModal_(std::move(runModal)) {}

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

Answer ScriptPrompter::message(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    out_ << "message " << title << " | " << text << " | " << ButtonsName(buttons) << " | "
         << IconName(icon) << " -> ";
    const Answer safe = buttons == Buttons::Ok       ? Answer::Ok
                        : buttons == Buttons::YesNo ? Answer::No
                                                    : Answer::Cancel;
    if (answers_.empty()) {
        out_ << AnswerName(safe) << " (unanswered)\n";
        out_.flush();
        return safe;
    }
    Queued queued = answers_.front();
    answers_.pop_front();
    if (!Fits(queued.value, buttons)) {
        out_ << "?\n";
        out_.flush();
        const ScriptError misfit(queued.line, "answer " + queued.value +
                                                  " does not fit a message box with " +
                                                  ButtonsName(buttons));
        if (!misfit_)
            throw misfit;
        misfit_(misfit);
        return safe;
    }
    Answer answer = FromWord(queued.value);
    out_ << AnswerName(answer) << "\n";
    out_.flush();
    return answer;
}

std::optional<QString> ScriptPrompter::fileDialog(const QString& title, const QString& filter)
{
    out_ << "dialog " << title << " | " << filter << " -> ";
    if (choices_.empty()) {
        out_ << "cancel (unanswered)\n";
        out_.flush();
        return std::nullopt;
    }
    Queued queued = choices_.front();
    choices_.pop_front();
    out_ << queued.value << "\n";
    out_.flush();
    if (queued.value == "cancel")
        return std::nullopt;
    return queued.value;
}

std::optional<QString> ScriptPrompter::openFile(const QString& title, const QString& filter)
{
    return fileDialog(title, filter);
}

std::optional<QString> ScriptPrompter::saveFile(const QString& title, const QString& filter,
                                                const QString&)
{
    return fileDialog(title, filter);
}

bool ScriptPrompter::choosePrinter(QPrinter& printer)
{
    out_ << "printer -> ";
    if (choices_.empty()) {
        out_ << "cancel (unanswered)\n";
        out_.flush();
        return false;
    }
    Queued queued = choices_.front();
    choices_.pop_front();
    out_ << queued.value << "\n";
    out_.flush();
    if (queued.value == "cancel")
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(queued.value);
    return true;
}

void ScriptPrompter::runModal(DialogForm& form)
{
    runModal_(form);
}

void ScriptPrompter::showAbout(const QString& title, const QString& extraLine)
{
    out_ << "about " << title << " | " << extraLine << "\n";
    out_.flush();
}

bool ScriptPrompter::showHelp(const QString& path)
{
    QFile file(path);
    const bool readable = OpenPlainFile(file).isEmpty();
    out_ << "help " << QFileInfo(path).fileName() << " -> " << (readable ? "index" : "unreadable") << "\n";
    out_.flush();
    return readable;
}

void ScriptPrompter::showWait()
{
    out_ << "wait shown\n";
    out_.flush();
}

void ScriptPrompter::closeWait()
{
    out_ << "wait closed\n";
    out_.flush();
}

}  // namespace tlv
