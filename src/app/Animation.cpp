#include "app/Animation.h"

#include <QMovie>

#include "platform/PlainFile.h"

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

QString BuiltInAnimation(const QString& name)
{
    LoadBuiltInResources();
    return ":/" + name;
}

QMovie* StartAnimation(const QString& path, const QString& name, QObject* parent)
{
    // The picture reader opens the file by itself: a FIFO or a device, which it would wait on or
    // read without end, is never given to it.
    const bool plain = PlainFileRefusal(path).isEmpty();
    auto* movie = new QMovie(plain ? path : BuiltInAnimation(name), QByteArray(), parent);
    // A GIF the reader cannot decode still reports itself valid; only a frame count tells.
    if (movie->frameCount() <= 0)
        movie->setFileName(BuiltInAnimation(name));
    movie->start();
    return movie;
}

}  // namespace tlv
