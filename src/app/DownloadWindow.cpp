#include "app/DownloadWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Animation.h"
#include "model/Prompter.h"

namespace tlv {

namespace {
// How often the count is brought up to date and the end looked for.
constexpr int kPollMs = 50;
}  // namespace

DownloadWindow::DownloadWindow(const QString& gifPath, ProgressWork& work, QWidget* parent)
    : QDialog(parent),
      work_(work),
      picture_(new QLabel(this)),
      text_(new QLabel(this)),
      cancel_(new QPushButton("Cancel", this)),
      movie_(StartAnimation(gifPath, "Down.gif", this)),
      timer_(new QTimer(this))
{
    setObjectName("frmDown");
    setWindowTitle(work.title());
    setModal(true);
    picture_->setObjectName("Gif");
    picture_->setMovie(movie_);
    text_->setObjectName("lblProgress");
    text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance("16383 values sent of 16383") + 8);
    cancel_->setObjectName("cmdCancel");

    auto* row = new QHBoxLayout;
    row->addWidget(picture_);
    row->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(cancel_, &QPushButton::clicked, this, &DownloadWindow::reject);
    connect(timer_, &QTimer::timeout, this, &DownloadWindow::poll);
    timer_->start(kPollMs);
    poll();
}

QString DownloadWindow::progressText() const
{
    return text_->text();
}

void DownloadWindow::poll()
{
    text_->setText(work_.progressText());
    if (work_.finished()) {
        timer_->stop();
        accept();
    }
}

void DownloadWindow::reject()
{
    // The window goes when the work has stopped; the port is closed by then.
    work_.cancel();
    cancel_->setEnabled(false);
}

}  // namespace tlv
