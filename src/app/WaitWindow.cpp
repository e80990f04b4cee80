#include "app/WaitWindow.h"

#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

namespace tlv {

const QString WaitWindow::kBuiltInPicture = QStringLiteral(":/wait.gif");

namespace {
// A GIF the reader cannot decode still reports itself valid; only a frame count tells.
bool Plays(QMovie& movie)
{
    return movie.frameCount() > 0;
}
}  // namespace

WaitWindow::WaitWindow(const QString& gifPath, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint),
      picture_(new QLabel(this)),
      movie_(new QMovie(gifPath, QByteArray(), this))
{
    setObjectName("frmWait");
    picture_->setObjectName("Gif");
    if (!Plays(*movie_))
        movie_->setFileName(kBuiltInPicture);
    picture_->setMovie(movie_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(picture_, 0, Qt::AlignCenter);
    movie_->start();
}

QString WaitWindow::pictureSource() const
{
    return movie_->fileName();
}

}  // namespace tlv
