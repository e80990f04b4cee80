// The plain-file rule and the whole-or-nothing write that every open and save goes through.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PlainFile.h"
#include "platform/SafeSave.h"

using namespace tlv;

namespace {
const QString kNotPlain = ", not a plain file";

class PlainFileTest : public ::testing::Test {
protected:
    PlainFileTest()
    {
        QFile plain(path("plain"));
        EXPECT_TRUE(plain.open(QIODevice::WriteOnly) && plain.write("old") == 3);
        QDir(dir.path()).mkdir("folder");
        QDir(dir.path()).mkdir("sub");
        mkfifo(QFile::encodeName(path("fifo")), 0600);
        link("/dev/null", "device");
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray get(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    void link(const QString& target, const QString& name) { ASSERT_TRUE(QFile::link(target, path(name))); }
    // What the folder holds besides the files made above: no unfinished copy may stay behind.
    QStringList extras() const
    {
        QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                       QDir::NoDotAndDotDot);
        for (const char* made : {"plain", "folder", "sub", "fifo", "device"})
            names.removeAll(made);
        return names;
    }

    QTemporaryDir dir;
};
}  // namespace

TEST_F(PlainFileTest, OnlyPlainFilesAreReadAndTheReasonNamesWhatWasFound)
{
    link("plain", "to-plain");
    link("to-plain", "to-to-plain");
    link("loop", "loop");
    link("missing", "dangling");
    const std::pair<const char*, QString> cases[] = {
        {"plain", ""}, {"to-to-plain", ""}, {"folder", "it is a folder" + kNotPlain},
        {"fifo", "it is a FIFO" + kNotPlain}, {"device", "it leads to /dev/null, a device" + kNotPlain},
        {"missing", "No such file or directory"}, {"dangling", "No such file or directory"},
        {"loop", "Too many levels of symbolic links"}, {"plain/below", "Not a directory"},
    };
    for (const auto& [name, refusal] : cases) {
        EXPECT_EQ(PlainFileRefusal(path(name)), refusal) << name;
        QFile file(path(name));
        // A FIFO with no writer would hold a blocking open forever.
        EXPECT_EQ(OpenPlainFile(file), refusal) << name;
        EXPECT_EQ(file.isOpen(), refusal.isEmpty()) << name;
        if (file.isOpen())
            EXPECT_EQ(file.readAll(), "old");
    }
    EXPECT_EQ(PlainFileRefusal("/dev/zero"), "it is a device" + kNotPlain);
}

TEST_F(PlainFileTest, ASaveLeavesExactlyTheNewBytesAndKeepsModeAndLinks)
{
    ASSERT_EQ(WriteFileSafely(path("new"), "fresh"), "");
    EXPECT_EQ(get("new"), "fresh");
    link("sub/new.afc", "to-new");  // relative to the link's folder; need not exist yet
    ASSERT_EQ(WriteFileSafely(path("to-new"), "at the end"), "");
    EXPECT_EQ(get("sub/new.afc"), "at the end");

    QFile::setPermissions(path("plain"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QByteArray big(300000, 'x');
    ASSERT_EQ(WriteFileSafely(path("plain"), big), "");
    EXPECT_EQ(get("plain"), big);
    EXPECT_EQ(QFile::permissions(path("plain")),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);

    link("../plain", "sub/link");
    ASSERT_EQ(WriteFileSafely(path("sub/link"), "through"), "");
    EXPECT_EQ(QFile::symLinkTarget(path("sub/link")), path("plain"));
    EXPECT_EQ(get("plain"), "through");
    EXPECT_EQ(extras(), (QStringList{"new", "to-new"}));
}

TEST_F(PlainFileTest, ASaveRefusesWhatTheReadingRuleRefusesAndLeavesNothingBehind)
{
    link("fifo", "to-fifo");
    EXPECT_EQ(WriteFileSafely(path("to-fifo"), "new"), "it leads to " + path("fifo") + ", a FIFO" + kNotPlain);
    EXPECT_EQ(WriteFileSafely(path("gone/new"), "new"), "No such file or directory");
    EXPECT_EQ(extras(), QStringList{"to-fifo"});

    // Only the superuser may replace a read-only file, as it may write into it.
    if (geteuid() != 0) {
        QFile::setPermissions(path("plain"), QFile::ReadOwner);
        EXPECT_EQ(WriteFileSafely(path("plain"), "new"), "Permission denied");
        EXPECT_EQ(get("plain"), "old");
    }
}
