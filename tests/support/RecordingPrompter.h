#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "model/Prompter.h"

namespace tlv {

// A prompter for tests: answers from a queue (or the safe answer when it is empty) and keeps
// one line per prompt shown.
class RecordingPrompter : public Prompter {
public:
    std::deque<Answer> answers;
    std::deque<QString> paths;  // file dialog answers; an empty string cancels
    QStringList shown;

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon) override
    {
        shown << title + " | " + text;
        if (!answers.empty()) {
            Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == Buttons::YesNo ? Answer::No : buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    std::optional<QString> openFile(const QString& title, const QString&) override { return path(title); }
    std::optional<QString> saveFile(const QString& title, const QString&, const QString&) override
    {
        return path(title);
    }
    bool choosePrinter(QPrinter&) override { return false; }
    void runModal(DialogForm&) override {}
    void showAbout(const QString& title, const QString& line) override { shown << "about " + title + " | " + line; }
    bool showHelp(const QString& file) override
    {
        shown << "help " + file;
        return true;
    }

private:
    std::optional<QString> path(const QString& title)
    {
        shown << "dialog " + title;
        if (paths.empty() || paths.front().isEmpty()) {
            if (!paths.empty())
                paths.pop_front();
            return std::nullopt;
        }
        QString p = paths.front();
        paths.pop_front();
        return p;
    }
};

}  // namespace tlv
