#include "app/GuiPrompter.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QPrintDialog>

#include "app/DownloadWindow.h"
#include "app/FormDialog.h"
#include "app/HelpViewer.h"
#include "app/PrinterTarget.h"
#include "app/ToolbarIcons.h"
#include "app/WaitWindow.h"
#include "model/DataFiles.h"

namespace tlv {

GuiPrompter::~GuiPrompter()
{
    delete help_;
    delete wait_;
}

namespace {
// The logic gives filters as description|pattern pairs; Qt's dialogs take descriptions holding
// their patterns, separated by ";;".
QString QtFilter(const QString& filter)
{
    if (!filter.contains('|'))
        return filter;
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << (parts[i].contains(parts[i + 1]) ? parts[i] : parts[i] + " (" + parts[i + 1] + ")");
    return out.join(";;");
}

// "afc" for "AFC File (*.afc)"; empty for "*.*".
QString SuffixOf(const QString& qtFilter)
{
    int star = qtFilter.indexOf("*.");
    QString suffix = star < 0 ? QString() : qtFilter.mid(star + 2).section(')', 0, 0).section(' ', 0, 0);
    return suffix == "*" ? QString() : suffix;
}
}  // namespace

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
        // Escape and the close box must never mean No: No throws work away.
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
    }
    // Closing the box with Escape or its close box takes its safe answer.
    return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<QString> GuiPrompter::openFile(const QString& title, const QString& filter)
{
    QString path = QFileDialog::getOpenFileName(parent_, title, QString(), QtFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> GuiPrompter::saveFile(const QString& title, const QString& filter,
                                             const QString& suggestedName)
{
    QFileDialog dialog(parent_, title, suggestedName, QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The overwrite question is the program's own, so the dialog does not ask it.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an extension takes the one of the chosen filter.
    dialog.setDefaultSuffix(SuffixOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& chosen) { dialog.setDefaultSuffix(SuffixOf(chosen)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::unique_ptr<PrintTarget> GuiPrompter::choosePrinter()
{
    auto target = std::make_unique<PrinterTarget>();
    QPrintDialog dialog(&target->printer(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    target->setUpPage();
    return target;
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
    // A message box sizes itself to its text; the title bar also needs room for the whole title
    // beside the window buttons.
    const int titleWidth = box.fontMetrics().horizontalAdvance(title) + 200;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(std::max(360, titleWidth), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
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

void GuiPrompter::showWait()
{
    if (!wait_)
        wait_ = new WaitWindow(DataFilePath(QCoreApplication::applicationDirPath(), "wait.gif"),
                               parent_);
    wait_->adjustSize();
    if (parent_)
        wait_->move(parent_->geometry().center() - wait_->rect().center());
    wait_->show();
    wait_->raise();
    pumpWait();
}

void GuiPrompter::pumpWait()
{
    // Paints the window and plays the animation; the user's input waits for the reader.
    if (wait_)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GuiPrompter::closeWait()
{
    delete wait_;
}

void GuiPrompter::showDownload(ProgressWork& work)
{
    DownloadWindow window(DataFilePath(QCoreApplication::applicationDirPath(), "Down.gif"), work,
                          parent_);
    work.start();
    window.exec();
}

}  // namespace tlv
