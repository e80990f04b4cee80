#include "instrument/SiclLibrary.h"

#include <algorithm>

namespace tlv {

QString SiclLibraryPath()
{
    return LibraryPath("TOLVENAR_SICL_LIBRARY", "libsicl.so");
}

SiclLibrary::SiclLibrary(const QString& path) : library_(path.isEmpty() ? SiclLibraryPath() : path)
{
    const bool complete =
        library_.resolve(iopen_, "iopen") && library_.resolve(iclose_, "iclose") &&
        library_.resolve(itimeout_, "itimeout") && library_.resolve(itermchr_, "itermchr") &&
        library_.resolve(iprintf_, "iprintf") && library_.resolve(iread_, "iread") &&
        library_.resolve(iwrite_, "iwrite") && library_.resolve(siclcleanup_, "_siclcleanup") &&
        library_.resolve(igeterrno_, "igeterrno") && library_.resolve(igeterrstr_, "igeterrstr");
    if (!complete)
        library_.unload();
}

int SiclLibrary::iopen(const QByteArray& address)
{
    // SICL takes a writable string.
    QByteArray text = address;
    return loaded() ? iopen_(text.data()) : 0;
}

int SiclLibrary::iclose(int id)
{
    return loaded() ? iclose_(id) : kNotLoaded;
}

int SiclLibrary::itimeout(int id, long milliseconds)
{
    return loaded() ? itimeout_(id, milliseconds) : kNotLoaded;
}

int SiclLibrary::itermchr(int id, int character)
{
    return loaded() ? itermchr_(id, character) : kNotLoaded;
}

int SiclLibrary::iprintf(int id, const QByteArray& text)
{
    char format[] = "%s\n";
    return loaded() ? iprintf_(id, format, text.constData()) : kNotLoaded;
}

int SiclLibrary::iread(int id, unsigned long size, QByteArray& reply)
{
    if (!loaded())
        return kNotLoaded;
    QByteArray buffer(static_cast<qsizetype>(size), '\0');
    int reason = 0;
    unsigned long count = 0;
    const int result = iread_(id, buffer.data(), size, &reason, &count);
    reply = buffer.left(static_cast<qsizetype>(std::min(count, size)));
    return result;
}

int SiclLibrary::iwrite(int id, const QByteArray& bytes, int end)
{
    if (!loaded())
        return kNotLoaded;
    QByteArray data = bytes;
    unsigned long count = 0;
    return iwrite_(id, data.data(), static_cast<unsigned long>(data.size()), end, &count);
}

int SiclLibrary::siclcleanup()
{
    return loaded() ? siclcleanup_() : 0;
}

int SiclLibrary::igeterrno()
{
    return loaded() ? igeterrno_() : kNotLoaded;
}

QString SiclLibrary::igeterrstr(int error)
{
    if (!loaded())
        return "the SICL library is not loaded: " + loadError();
    const char* text = igeterrstr_(error);
    return text ? QString::fromLocal8Bit(text) : QString();
}

}  // namespace tlv
