#pragma once

#include <QPrinter>
#include <QStringList>
#include <deque>

#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv::test {

// Answers prompts from queues and records each prompt in full (buttons, icon, filter); prints
// to the PDF file chosen for the printer and counts the wait window.
class FilePrompter : public Prompter {
public:
    std::deque<Answer> answers;   // message boxes; an empty queue takes the safe answer
    std::deque<QString> choices;  // file dialogs and the printer ("cancel" cancels)
    QStringList shown;
    int waitShown = 0;
    int waitClosed = 0;
    int waitPumped = 0;
    QMarginsF printerMargins;  // of the last printer chosen, in points

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) override
    {
        shown << "message " + title + " | " + text + " | " + ButtonsName(buttons) + " | " + IconName(icon);
        if (!answers.empty()) {
            Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    std::optional<QString> openFile(const QString& title, const QString& filter) override
    {
        return dialog("open " + title + " | " + filter);
    }
    std::optional<QString> saveFile(const QString& title, const QString& filter, const QString&) override
    {
        return dialog("save " + title + " | " + filter);
    }
    bool choosePrinter(QPrinter& printer) override
    {
        std::optional<QString> path = dialog("printer");
        if (!path)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*path);
        printerMargins = printer.pageLayout().margins(QPageLayout::Point);
        return true;
    }
    void runModal(DialogForm&) override {}
    void showAbout(const QString&, const QString&) override {}
    bool showHelp(const QString&) override { return false; }
    void showWait() override { ++waitShown; }
    void pumpWait() override { ++waitPumped; }
    void closeWait() override { ++waitClosed; }

private:
    std::optional<QString> dialog(const QString& line)
    {
        shown << line;
        if (choices.empty())
            return std::nullopt;
        QString choice = choices.front();
        choices.pop_front();
        if (choice == "cancel")
            return std::nullopt;
        return choice;
    }
};

// Puts a waveform into the active window the way an editing command does.
inline void FillWaveform(Workspace& ws, const std::vector<double>& volts)
{
    for (size_t i = 0; i < volts.size(); ++i) {
        ws.WaveText.setVolts(static_cast<int>(i), volts[i]);
        ws.PointDefined[i] = true;
    }
    if (volts.size() < static_cast<size_t>(kMaxPoints))
        ws.WaveText.setEndMarker(static_cast<int>(volts.size()));
    ws.CommitEditBuffer();
    ws.RebuildPlotCache();
}

}  // namespace tlv::test
