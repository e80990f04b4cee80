// The recent files list: what its file may hold, and the File commands that feed it. Its order and
// its file are shown by the recent end-to-end script, a FIFO in its place by the fifos script;
// Open's messages, picking an entry and the list across runs are in tests/app/command_line_test.sh.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/AfcFormat.h"
#include "files/FileCommands.h"
#include "model/RecentFiles.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"

using namespace tlv;

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "(missing)";
}

TEST(RecentFiles, ReadsOnlyWhatAListCanHoldAndReportsFailures)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath("recent-files"), "/w/a.afc\n\n  /w/b.afc  \n/w/a.afc\n/w/c.afc\n/w/d.afc\n/w/e.afc\n");
    RecentFiles list;
    EXPECT_EQ(list.load(dir.filePath("recent-files")), "");
    EXPECT_EQ(list.paths(), (QStringList{"/w/a.afc", "/w/b.afc", "/w/c.afc", "/w/d.afc"}));
    // A name with a line break cannot be one line of the file: it is not listed.
    list.add("/w/two\nlines.afc");
    EXPECT_EQ(list.paths().size(), 4);
    EXPECT_EQ(list.paths().first(), "/w/a.afc");

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
        WriteBytes(target, held);
        RecentFiles list;
        list.load(link);
        EXPECT_EQ(list.add("/w/new.afc"),
                  written ? "" : "it leads to " + target + ", which is not a recent files list");
        EXPECT_EQ(ReadText(target), written ? list.paths().join('\n') + '\n' : QString(held));
        EXPECT_EQ(QFile::symLinkTarget(link), target);
    }
}

// Saved files and the user's configuration folder are in the recent end-to-end script.
TEST(RecentFileCommands, OpenedFilesAreListedImportedAndRefusedOnesAreNot)
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    Workspace ws;
    FileCommands files{ws};
    ws.prompter = &prompter;
    ws.file.Recent.load(dir.filePath("config/recent-files"));
    WriteBytes(dir.filePath("a.afc"), QByteArray::fromStdString(AfcBytes({1.0})));
    WriteBytes(dir.filePath("b.afc"), QByteArray::fromStdString(AfcBytes({2.0})));
    WriteBytes(dir.filePath("c.csv"), "0,1.5\r\n");
    prompter.queueChoice(dir.filePath("a.afc"));
    files.Open();
    files.OpenFile(dir.path() + "/./b.afc");  // listed under its clean name
    files.OpenFile(dir.filePath("missing.afc"));  // refused: no window
    files.OpenFile(dir.filePath("notes.txt"));    // refused by its extension
    prompter.queueChoice(dir.filePath("c.csv"));
    files.Import();
    EXPECT_EQ(ws.windows().size(), 3u);
    EXPECT_EQ(ws.file.Recent.paths(), (QStringList{dir.filePath("b.afc"), dir.filePath("a.afc")}));
}

}  // namespace
