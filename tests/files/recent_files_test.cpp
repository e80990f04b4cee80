// The recent files list: what its file may hold, and the File commands that feed it. Its order and
// its file are shown by the recent end-to-end script; picking an entry, a vanished file and the
// list across runs are in tests/app/command_line_test.sh.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/AfcFormat.h"
#include "files/FileCommands.h"
#include "model/RecentFiles.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;
using tlv::test::Messages;

namespace {

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "(missing)";
}

TEST(RecentFiles, ReadsOnlyWhatAListCanHold)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("recent-files"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("/w/a.afc\n\n  /w/b.afc  \n/w/a.afc\n/w/c.afc\n/w/d.afc\n/w/e.afc\n");
    file.close();
    RecentFiles list;
    EXPECT_EQ(list.load(file.fileName()), "");
    EXPECT_EQ(list.paths(), (QStringList{"/w/a.afc", "/w/b.afc", "/w/c.afc", "/w/d.afc"}));
    // A name with a line break cannot be one line of the file: it is not listed.
    list.add("/w/two\nlines.afc");
    EXPECT_EQ(list.paths().size(), 4);
    EXPECT_EQ(list.paths().first(), "/w/a.afc");
}

TEST(RecentFiles, FailuresAreReported)
{
    QTemporaryDir dir;
    RecentFiles unwritable;
    unwritable.load("/proc/tolvenar-no/recent-files");
    EXPECT_NE(unwritable.add("/w/a.afc"), "");
    EXPECT_EQ(unwritable.paths(), QStringList{"/w/a.afc"});  // still listed for this run

    RecentFiles unreadable;
    EXPECT_NE(unreadable.load(dir.path()), "");  // a folder where the file should be
    EXPECT_TRUE(unreadable.paths().isEmpty());

}

// Through a link only a list of absolute paths within 64 KiB is replaced.
TEST(RecentFiles, ALinkIsWrittenThroughOnlyToAList)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("target");
    const QString link = dir.filePath("recent-files");
    ASSERT_TRUE(QFile::link(target, link));
    const QByteArray full = QByteArray(64 * 1024 - 1, '/') + '\n';
    const std::pair<QByteArray, bool> targets[] = {
        {"/w/a.afc\n\n  /w/b.afc \n", true}, {full, true}, {full + '/', false},
        {"/w/a.afc\nb.afc\n", false}};
    for (const auto& [held, written] : targets) {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(held);
        file.close();
        RecentFiles list;
        list.load(link);
        EXPECT_EQ(list.add("/w/new.afc"),
                  written ? "" : "it leads to " + target + ", which is not a recent files list");
        EXPECT_EQ(ReadText(target), written ? list.paths().join('\n') + '\n' : QString(held));
        EXPECT_EQ(QFile::symLinkTarget(link), target);
    }
}

class RecentFileCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.prompter = &prompter;
        ws.file.Recent.load(dir.filePath("config/recent-files"));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const std::vector<double>& volts)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = AfcBytes(volts);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    Workspace ws;
    FileCommands files{ws};
};

// Saved files and the user's configuration folder are in the recent end-to-end script.
TEST_F(RecentFileCommands, OpenedFilesAreListedImportedAndRefusedOnesAreNot)
{
    write("a.afc", {1.0});
    write("b.afc", {2.0});
    prompter.queueChoice(path("a.afc"));
    files.Open();
    files.OpenFile(dir.path() + "/./b.afc");  // listed under its clean name
    files.OpenFile(path("missing.afc"));  // refused: no window
    files.OpenFile(path("notes.txt"));    // refused by its extension
    QFile table(path("c.csv"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("0,1.5\r\n");
    table.close();
    prompter.queueChoice(path("c.csv"));
    files.Import();
    EXPECT_EQ(ws.windows().size(), 3u);
    EXPECT_EQ(ws.file.Recent.paths(), (QStringList{path("b.afc"), path("a.afc")}));
    EXPECT_EQ(Messages(prompter.shown),
              (QStringList{"TLV | Cannot open " + path("missing.afc") + ": No such file or directory.",
                           "TLV | Cannot open " + path("notes.txt") +
                               ": Tolvenar opens .afc, .csv and .prn files."}));
}

}  // namespace
