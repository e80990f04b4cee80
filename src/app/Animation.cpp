#include "app/Animation.h"

#include <QMovie>

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
    auto* movie = new QMovie(path, QByteArray(), parent);
    // A GIF the reader cannot decode still reports itself valid; only a frame count tells.
    if (movie->frameCount() <= 0)
        movie->setFileName(BuiltInAnimation(name));
    movie->start();
    return movie;
}

}  // namespace tlv
