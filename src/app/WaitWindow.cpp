#include "app/WaitWindow.h"

#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

#include "app/Animation.h"

namespace tlv {

QString WaitWindow::builtInPicture()
{
    return BuiltInAnimation("wait.gif");
}

WaitWindow::WaitWindow(const QString& gifPath, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint),
      picture_(new QLabel(this)),
      movie_(StartAnimation(gifPath, "wait.gif", this))
{
    setObjectName("frmWait");
    picture_->setObjectName("Gif");
    picture_->setMovie(movie_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(picture_, 0, Qt::AlignCenter);
}

QString WaitWindow::pictureSource() const
{
    return movie_->fileName();
}

}  // namespace tlv
