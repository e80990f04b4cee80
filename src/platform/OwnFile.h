#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The files the program keeps for itself (com.ini, the recent files list). A user may put a
// symbolic link at their name, but a link written through blindly replaces whatever it leads
// to with a few lines of the program's; so a link is written through only to a file that
// already reads as the program's own.
namespace tlv {

struct OwnFileKind {
    const char* name;  // for the refusal: "a settings file"
    qint64 readLimit;  // a longer file is none of the program's
    bool (*recognises)(const QByteArray& content);
};

// Reads the file as a plain file (never waiting on a FIFO), no further than kind.readLimit
// bytes. Empty on success, else the reason as OpenPlainFile gives it.
QString ReadOwnFile(const QString& path, const OwnFileKind& kind, QByteArray& content);

// Writes as WriteFileSafely does. A plain file at path itself, or none, is replaced whatever it
// holds, so that a damaged file is repaired; a symbolic link only when it leads to a file that
// exists and reads as kind. The reason as a phrase when the file is left alone.
QString WriteOwnFile(const QString& path, QByteArrayView bytes, const OwnFileKind& kind);

}  // namespace tlv
