#pragma once

#include <QString>

class QFile;

// The one rule for every file the program opens or writes by itself: only plain (regular) files.
// A FIFO would block the program, a device or a socket is no document, and replacing one of
// them, or a folder, would destroy it. Symbolic links are followed to what they lead to.
namespace tlv {

// The operating system's words for an errno value ("No space left on device").
QString SystemReason(int error);

// Why the path may not be read as a plain file, or empty when it may. The reason is a phrase
// without a final full stop: "No such file or directory", "it is a FIFO, not a plain file",
// "it leads to /dev/null, a device, not a plain file".
QString PlainFileRefusal(const QString& path);

// Opens file.fileName() for reading when it is a plain file, never blocking on a FIFO nor
// opening a device; empty on success, else the reason as PlainFileRefusal gives it.
QString OpenPlainFile(QFile& file);

// Where a write to a path lands: the file at the end of its chain of symbolic links (the path
// itself when it is no link), which need not exist yet.
struct WriteTarget {
    QString path;
    bool exists = false;
    // Why it must not be written (not a plain file, a loop of links, ...); empty when it may.
    QString refusal;
};
WriteTarget ResolveWriteTarget(const QString& path);

}  // namespace tlv
