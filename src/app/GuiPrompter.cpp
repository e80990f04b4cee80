#include "app/GuiPrompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "app/FormDialog.h"
#include "app/HelpViewer.h"
#include "app/ToolbarIcons.h"

namespace tlv {

GuiPrompter::~GuiPrompter()
{
    delete help_;
}

Answer GuiPrompter::message(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    // Closing the box with Escape or its close box takes its safe answer.
    return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<QString> GuiPrompter::openFile(const QString& title, const QString& filter)
{
    QString path = QFileDialog::getOpenFileName(parent_, title, QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> GuiPrompter::saveFile(const QString& title, const QString& filter,
                                             const QString& suggestedName)
{
    // The overwrite question is the program's own, so the dialog does not ask it.
    QString path = QFileDialog::getSaveFileName(parent_, title, suggestedName, filter, nullptr,
                                                QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool GuiPrompter::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void GuiPrompter::runModal(DialogForm& form)
{
    FormDialog dialog(form, parent_);
    dialog.exec();
}

void GuiPrompter::showAbout(const QString& title, const QString& extraLine)
{
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    box.setIconPixmap(FrameIcon().pixmap(32, 32));
    box.setText("<b>" + title.toHtmlEscaped() + "</b>");
    box.setInformativeText(extraLine);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool GuiPrompter::showHelp(const QString& path)
{
    if (!help_)
        help_ = new HelpViewer();
    if (!help_->openAtIndex(path))
        return false;
    help_->show();
    help_->raise();
    help_->activateWindow();
    return true;
}

}  // namespace tlv
