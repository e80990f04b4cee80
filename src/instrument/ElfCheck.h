#pragma once

#include <QString>

namespace tlv {

// Why the file at path cannot be handed to dlopen, or empty when it may be. dlopen waits for
// ever on a FIFO, and maps a library's segments without looking at the file's size, so that a
// copy cut short kills the program with SIGBUS when the loader touches its missing pages. So
// it must be a plain file holding a whole ELF object of this machine's class: its header, its
// program header table and every loadable segment within the file.
QString ElfLoadRefusal(const QString& path);

}  // namespace tlv
