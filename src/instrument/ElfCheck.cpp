#include "instrument/ElfCheck.h"

#include <QFile>
#include <cstring>
#include <elf.h>
#include <link.h>
#include <vector>

#include "platform/PlainFile.h"

namespace tlv {

namespace {
constexpr unsigned char kNativeClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;

// True when count entries of size bytes from offset lie within a file of fileSize bytes.
bool Within(quint64 offset, quint64 count, quint64 size, quint64 fileSize)
{
    return offset <= fileSize && count <= (fileSize - offset) / size;
}
}  // namespace

QString ElfLoadRefusal(const QString& path)
{
    QFile file(path);
    if (QString refusal = OpenPlainFile(file); !refusal.isEmpty())
        return refusal;
    const auto fileSize = static_cast<quint64>(file.size());
    ElfW(Ehdr) header{};
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != sizeof header ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return QStringLiteral("it is not a library (no ELF header)");
    if (header.e_ident[EI_CLASS] != kNativeClass || header.e_phentsize != sizeof(ElfW(Phdr)))
        return QStringLiteral("it is a library for another kind of machine");
    if (!Within(header.e_phoff, header.e_phnum, sizeof(ElfW(Phdr)), fileSize))
        return QStringLiteral("it is cut short: its program header table lies past its end");

    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    const auto tableBytes = static_cast<qint64>(segments.size() * sizeof(ElfW(Phdr)));
    if (!file.seek(static_cast<qint64>(header.e_phoff)) ||
        file.read(reinterpret_cast<char*>(segments.data()), tableBytes) != tableBytes)
        return file.errorString();
    for (const ElfW(Phdr)& segment : segments) {
        if (segment.p_type == PT_LOAD && !Within(segment.p_offset, segment.p_filesz, 1, fileSize))
            return QString("it is cut short: a loadable segment ends at byte %1 of a file of %2")
                .arg(static_cast<quint64>(segment.p_offset) + segment.p_filesz)
                .arg(fileSize);
    }
    return {};
}

}  // namespace tlv
