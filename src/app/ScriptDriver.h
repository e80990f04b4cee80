#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "model/ScriptedPrompter.h"

namespace tlv {

class Workspace;
class Commands;
class MainWindow;
class DialogForm;
struct ScriptError;

// Runs a script of commands against the whole application, headless. One command a line;
// blank lines and lines starting with "#" are skipped. See docs/scripting.md. Lines are read one
// at a time as they are run, and the output is flushed before each read, so that a program on
// the other end of a pipe can read each answer before it sends the next line.
class ScriptDriver {
public:
    ScriptDriver(Workspace& workspace, Commands& commands, MainWindow& frame, QTextStream& out,
                 QTextStream& err);
    ~ScriptDriver();

    ScriptedPrompter& prompter() { return prompter_; }

    // A line that is a script error is reported and skipped, and the script goes on.
    void keepGoing();

    // Runs every line of script up to its end; returns the exit status (0 ran to its end, 2
    // script error).
    int run(std::FILE* script);

private:
    struct Line {
        int number = 0;
        QString command;
        QStringList words;  // after the command
        QString rest;       // the text after the command, as written
    };

    bool nextLine(Line& line);
    void executeOrSkip(const Line& line, DialogForm* dialog);
    void report(const ScriptError& error);
    void execute(const Line& line, DialogForm* dialog);
    void dispatch(const Line& line, DialogForm* dialog);
    void executeDialog(const Line& line, DialogForm& dialog);
    void runModal(DialogForm& form);
    void settle();

    void menu(const Line& line);
    void button(const Line& line);
    void key(const Line& line);
    void plot(const Line& line);
    void window(const Line& line);
    void show(const Line& line, DialogForm* dialog);
    void render(const Line& line, DialogForm* dialog);
    void select(const Line& line);
    void point(const Line& line);
    void detail(const Line& line);
    void showDetail();

    void showPoints(const Line& line);
    void showState(const QStringList& names);
    // Prints the "Name = value" lines of text whose names are given, or all of them.
    void printNamed(const QString& text, const QStringList& names);
    void showCommands(const QStringList& names);
    void showWindows();
    void showSlots();
    void showPlot();
    void showStatus();
    void showSystem();
    void showLink();
    void showEditing(const QStringList& names);
    void showDialog(const DialogForm& dialog, const QStringList& names);
    void showPicture(const Line& line, const DialogForm& dialog);
    void showRecent();
    void showFrame();
    void showMenus();
    void recent(const Line& line);

    int number(const Line& line, int index, const QString& what) const;
    double real(const Line& line, int index, const QString& what) const;
    void need(const Line& line, int count) const;

    Workspace& ws_;
    Commands& commands_;
    MainWindow& frame_;
    QTextStream& out_;
    QTextStream& err_;
    ScriptedPrompter prompter_;
    std::FILE* script_ = nullptr;
    int position_ = 0;  // lines read so far
    bool keepGoing_ = false;
    int skipped_ = 0;
};

}  // namespace tlv
