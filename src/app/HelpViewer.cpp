#include "app/HelpViewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/ToolbarIcons.h"
#include "files/PlainFile.h"

namespace tlv {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setWindowTitle("Tolvenar Help");
    setWindowIcon(FrameIcon());
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
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
