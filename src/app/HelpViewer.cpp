#include "app/HelpViewer.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/ToolbarIcons.h"
#include "platform/PlainFile.h"

namespace tlv {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setWindowTitle("Tolvenar Help");
    setWindowIcon(FrameIcon());
    browser_->setOpenLinks(true);
    // Escape and a Close button close the window, also where no window manager draws a title
    // bar with a close box.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(640, 560);
}

bool HelpViewer::openAtIndex(const QString& path)
{
    QFile file(path);
    if (!OpenPlainFile(file).isEmpty())
        return false;
    browser_->setHtml(QString::fromUtf8(file.readAll()));
    browser_->scrollToAnchor("index");
    return true;
}

QString HelpViewer::currentText() const
{
    return browser_->toPlainText();
}

}  // namespace tlv
