#include "app/WaitWindow.h"

#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

#include "files/PlainFile.h"

// The built-in resources live in the static core library, whose linker keeps them only when
// called for; the macro must stand outside any namespace.
static void LoadBuiltInResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace tlv {

QString WaitWindow::builtInPicture()
{
    LoadBuiltInResources();
    return QStringLiteral(":/wait.gif");
}

namespace {
// The picture reader opens the file by itself: a FIFO or a device, which it would wait on or
// read without end, is never given to it.
bool Playable(const QString& path)
{
    return PlainFileRefusal(path).isEmpty();
}

// A GIF the reader cannot decode still reports itself valid; only a frame count tells.
bool Plays(QMovie& movie)
{
    return movie.frameCount() > 0;
}
}  // namespace

WaitWindow::WaitWindow(const QString& gifPath, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint),
      picture_(new QLabel(this)),
      movie_(new QMovie(Playable(gifPath) ? gifPath : builtInPicture(), QByteArray(), this))
{
    setObjectName("frmWait");
    picture_->setObjectName("Gif");
    if (!Plays(*movie_))
        movie_->setFileName(builtInPicture());
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
