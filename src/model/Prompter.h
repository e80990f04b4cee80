#pragma once

#include <QString>
#include <memory>
#include <optional>

class QPagedPaintDevice;

namespace tlv {

class DialogForm;

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Answer { Ok, Cancel, Yes, No };

QString ButtonsName(Buttons buttons);
QString IconName(Icon icon);
QString AnswerName(Answer answer);

// The printer the user chose: a page device set up landscape at 1440 dots per inch, so that one
// dot is one twip, and the name an error message gives it.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    virtual QPagedPaintDevice& device() = 0;
    virtual QString name() const = 0;
    // The file a print to PDF goes to; empty for a real printer.
    virtual QString pdfPath() const = 0;
};

// Work shown by the progress window frmDown: it runs off the user-interface thread, counts its
// progress and can be asked to stop.
class ProgressWork {
public:
    virtual ~ProgressWork() = default;
    // Begins the work on a thread of its own.
    virtual void start() = 0;
    virtual bool finished() const = 0;
    // Blocks until the work has ended.
    virtual void wait() = 0;
    // Asks the work to stop as soon as it can.
    virtual void cancel() = 0;
    // What the window shows beside its animation ("120 values sent of 1000").
    virtual QString progressText() const = 0;
    virtual QString title() const { return QStringLiteral("Send Waveform"); }
};

// Everything the logic asks of the user. The frame answers with Qt dialogs; the script driver
// and the tests answer from a queue and record every prompt.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) = 0;
    // A path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(const QString& title, const QString& filter) = 0;
    virtual std::optional<QString> saveFile(const QString& title, const QString& filter,
                                            const QString& suggestedName) = 0;
    // The chosen printer, or nothing when the user cancelled.
    virtual std::unique_ptr<PrintTarget> choosePrinter() = 0;
    // Runs a modal dialog until its form closes.
    virtual void runModal(DialogForm& form) = 0;
    virtual void showAbout(const QString& title, const QString& extraLine) = 0;
    // Opens a help file at its index; false when it cannot be read.
    virtual bool showHelp(const QString& path) = 0;

    // The wait window frmWait, shown (not modal) while a long file is read. pumpWait lets it
    // repaint between pieces of the work.
    virtual void showWait() {}
    virtual void pumpWait() {}
    virtual void closeWait() {}

    // The progress window frmDown: starts the work and shows the window modally, so that nothing
    // else runs, until the work has ended.
    virtual void showDownload(ProgressWork& work) = 0;
};

}  // namespace tlv
