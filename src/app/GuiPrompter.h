#pragma once

#include <QPointer>

#include "model/Prompter.h"

class QWidget;

namespace tlv {

class HelpViewer;
class WaitWindow;

// Answers the logic's questions with Qt's dialogs, parented to the frame.
class GuiPrompter : public Prompter {
public:
    explicit GuiPrompter(QWidget* parent) : parent_(parent) {}
    ~GuiPrompter() override;

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    std::optional<QString> openFile(const QString& title, const QString& filter) override;
    std::optional<QString> saveFile(const QString& title, const QString& filter,
                                    const QString& suggestedName) override;
    std::unique_ptr<PrintTarget> choosePrinter() override;
    void runModal(DialogForm& form) override;
    void showAbout(const QString& title, const QString& extraLine) override;
    bool showHelp(const QString& path) override;
    void showWait() override;
    void pumpWait() override;
    void closeWait() override;
    void showDownload(ProgressWork& work) override;

private:
    QWidget* parent_;
    QPointer<HelpViewer> help_;
    QPointer<WaitWindow> wait_;
};

}  // namespace tlv
