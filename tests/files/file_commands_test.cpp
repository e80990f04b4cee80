// Open, Save, Save As and Import through the workspace, and the recent files list they feed.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/AfcFormat.h"
#include "files/FileCommands.h"
#include "files/TableFormat.h"
#include "model/RecentFiles.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;
using tlv::test::FillWaveform;
using tlv::test::Prompts;

namespace {
class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest()
    {
        ws.prompter = &prompter;
        ws.saver = &files;
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const std::string& bytes, qint64 size = -1)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (size >= 0)  // sparse: takes no room on the disk
            ASSERT_TRUE(file.resize(size));
    }
    std::string read(const QString& name)
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(missing)";
    }
    // Runs a File command whose file dialog picks name.
    void pick(void (FileCommands::*command)(), const QString& name)
    {
        prompter.queueChoice(path(name));
        (files.*command)();
    }
    void open(const QString& name) { pick(&FileCommands::Open, name); }
    QString text(int i) const { return QString::fromStdString(ws.edit.WaveText[i]); }
    // The active document as "caption: the texts of its points", marked when it counts as changed.
    std::string shown()
    {
        QStringList texts;
        for (int i = 0; i < ws.edit.PointCount; ++i)
            texts << text(i);
        return (ws.activeWindow()->caption + ": " + texts.join(' ') + (ws.ActiveDocumentChanged() ? " (changed)" : ""))
            .toStdString();
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    Workspace ws;
    FileCommands files{ws};
};
}  // namespace

TEST_F(FileCommandsTest, OpenMakesAWindowThatCountsAsUnchanged)
{
    write("wave.afc", AfcBytes({1.25, -4.999}));
    open("wave.afc");
    ASSERT_EQ(ws.windows().size(), 1u);
    DocumentWindow* w = ws.activeWindow();
    EXPECT_EQ(shown(), "wave.afc: +1.250000E+00 -4.999000E+00");
    EXPECT_EQ(w->filePath, path("wave.afc"));
    EXPECT_TRUE(ws.commands.isEnabled("mnuSave"));
    EXPECT_FALSE(ws.docs.LoadingFile);

    // A second file opens beside the first, which keeps its waveform.
    write("one.csv", TableBytes({-1.0}, ','));
    open("one.csv");
    ASSERT_EQ(ws.windows().size(), 2u);
    EXPECT_EQ(ws.docs.DocSlots[0].store[2], kEndMarker);
    ws.ActivateWindow(w);
    EXPECT_EQ(shown(), "wave.afc: 1.25 -4.999");
}

TEST_F(FileCommandsTest, OpenTakesEveryAfcLengthUpToTheFullBuffer)
{
    std::vector<double> full(kMaxPoints, 0.0);
    full[0] = 2.5;  // the last point is 0 V: it still counts
    write("empty.afc", AfcBytes({}) + AfcBytes({1.0}));
    write("full.afc", AfcBytes(full));
    write("huge.afc", "", qint64(3) << 30);
    for (const auto& [name, count] :
         {std::pair{"empty.afc", 0}, {"full.afc", kMaxPoints}, {"huge.afc", kMaxPoints}}) {
        open(name);
        EXPECT_EQ(ws.activeWindow()->caption, name);
        EXPECT_EQ(ws.edit.PointCount, count) << name;
        EXPECT_FALSE(ws.ActiveDocumentChanged()) << name;
    }
    EXPECT_TRUE(ws.edit.PointDefined[kLastPoint]);
    EXPECT_EQ(text(kLastPoint), "+0.000000E+00");
}

TEST_F(FileCommandsTest, TablesReadByExtensionAndImportTakesEitherSeparator)
{
    write("tab.prn", TableBytes({0.5, 7.0}, '\t'));
    write("comma.prn", TableBytes({0.5}, ','));
    open("tab.prn");
    EXPECT_EQ(shown(), "tab.prn: +5.000000E-01 +5.000000E+00");
    open("comma.prn");
    EXPECT_EQ(shown(), "comma.prn: +0.000000E+00 +5.000000E-01");  // the index column is read as well

    // Open shows the wait window only for a long table (the files-errors script); Import always.
    EXPECT_EQ(prompter.shown.count("wait shown"), 0);
    write("mixed.txt", "Time, Volts\r0,1\r1\t-2\r3");
    pick(&FileCommands::Import, "mixed.txt");
    EXPECT_EQ(shown(), "mixed.txt: +1.000000E+00 -2.000000E+00 +3.000000E+00");
    EXPECT_EQ(prompter.shown.count("wait shown"), 1);
    EXPECT_EQ(prompter.shown.count("wait closed"), 1);
}

TEST_F(FileCommandsTest, ATableIsReadNoFurtherThanItsLimitAndSaysSo)
{
    // Sparse files: the NUL bytes end tokens and take no room on the disk.
    const qint64 limit = static_cast<qint64>(kTableTextLimit);
    for (const auto& [name, size, tail] :
         {std::tuple{"whole.csv", limit, "1.5"}, {"over.csv", limit + 1, "1.25"}}) {
        write(name, "0.5\n", size - static_cast<qint64>(qstrlen(tail)));
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(tail);
    }
    open("whole.csv");  // the last value ends with the text, at the limit
    EXPECT_EQ(shown(), "whole.csv: +5.000000E-01 +1.500000E+00");
    EXPECT_TRUE(prompter.shown.filter("message").isEmpty());
    open("over.csv");  // the limit cuts the last token
    EXPECT_EQ(shown(), "over.csv: +5.000000E-01");
    // The wait window closes before the message says why the reading stopped.
    ASSERT_GE(prompter.shown.size(), 2);
    EXPECT_EQ(Prompts(prompter.shown).last(),
              "message TLV | Stopped reading " + path("over.csv") +
                  ": a table is read no further than its first 64 MiB; the values found up to "
                  "there are kept. | OK | exclamation");
    EXPECT_EQ(prompter.shown[prompter.shown.size() - 2], "wait closed");
}

TEST(FileKinds, SaveGoesToSaveAsUnlessTheCaptionNamesAKnownFile)
{
    for (const auto& [caption, kind] :
         {std::pair{"Untitled Waveform Data 1", FileKind::Other}, {"Untitled.afc", FileKind::Other},
          {"WAVE.Csv", FileKind::Csv}, {"after-fh.csv", FileKind::Csv},  // a dot past the eighth character
          {"wave.csvx", FileKind::Other}, {"a.csv.afc", FileKind::Afc}, {"b.prn", FileKind::Prn}})
        EXPECT_EQ(KindOfCaption(caption), kind) << caption;
    EXPECT_EQ(KindOfPath("/x/y.prn"), FileKind::Prn);
    EXPECT_EQ(KindOfPath("/x/y.afc.bak"), FileKind::Other);
}

TEST_F(FileCommandsTest, SaveAndTheCloseQuestionsYesWriteTheActiveDocumentToItsOwnFile)
{
    write("a.csv", TableBytes({1.0}, ','));
    write("b.afc", AfcBytes({2.0}));
    open("a.csv");
    DocumentWindow* a = ws.activeWindow();
    open("b.afc");
    ws.ActivateWindow(a);
    FillWaveform(ws, {1.0, -0.5});
    prompter.queueAnswer("yes");  // to the overwrite question
    files.Save();
    EXPECT_EQ(read("a.csv"), TableBytes({1.0, -0.5}, ','));
    EXPECT_EQ(read("b.afc"), AfcBytes({2.0}));
    EXPECT_FALSE(ws.ActiveDocumentChanged());
    FillWaveform(ws, {3.0});
    prompter.queueAnswer("yes");
    prompter.queueAnswer("yes");
    ws.Close();
    EXPECT_EQ(read("a.csv"), TableBytes({3.0}, ','));
}

// The window after a declined or failed save, and a new file's lack of a question, are in scripts.
TEST_F(FileCommandsTest, TheOverwriteQuestionGuardsAnExistingFile)
{
    write("old.afc", "keep");
    ws.New();
    FillWaveform(ws, {1.0});
    pick(&FileCommands::SaveAs, "old.afc");  // No is the safe answer
    EXPECT_EQ(Prompts(prompter.shown).last(),
              "message TLV | File name existence. Save overwrite.... ? | Yes No | information");
    EXPECT_TRUE(ws.file.SaveDeclined);
    EXPECT_EQ(read("old.afc"), "keep");
    prompter.queueAnswer("yes");
    pick(&FileCommands::SaveAs, "old.afc");
    EXPECT_EQ(read("old.afc"), AfcBytes({1.0}));
    EXPECT_EQ(ws.activeSlot()->title, "old.afc");
    EXPECT_EQ(shown(), "old.afc: +1.000000E+00");
}

TEST_F(FileCommandsTest, WritersRaiseValuesBelowMinusFiveVolts)
{
    ws.New();
    FillWaveform(ws, {-5.2, 5.2, -4.0});
    pick(&FileCommands::SaveAs, "floor.afc");
    EXPECT_EQ(read("floor.afc"), AfcBytes({-5.0, 5.2, -4.0}));
    EXPECT_EQ(shown(), "floor.afc: -5 +5.200000E+00 -4.000000E+00");
    FillWaveform(ws, {-6.0, 1.0});
    pick(&FileCommands::SaveAs, "floor.csv");
    EXPECT_EQ(read("floor.csv"), TableBytes({-5.0, 1.0}, ','));
}

// A FIFO in the list's place: the fifos script.
TEST_F(FileCommandsTest, RecentFilesReadOnlyWhatAListCanHoldAndReportFailures)
{
    write("recent-files", "/w/a.afc\n\n  /w/b.afc  \n/w/a.afc\n/w/c.afc\n/w/d.afc\n/w/e.afc\n");
    RecentFiles list;
    EXPECT_EQ(list.load(path("recent-files")), "");
    EXPECT_EQ(list.paths(), (QStringList{"/w/a.afc", "/w/b.afc", "/w/c.afc", "/w/d.afc"}));
    // A name with a line break cannot be one line of the file: it is not listed.
    list.add("/w/two\nlines.afc");
    EXPECT_EQ(list.paths().size(), 4);
    EXPECT_EQ(list.paths().first(), "/w/a.afc");

    RecentFiles unwritable;
    unwritable.load("/proc/tolvenar-no/recent-files");
    EXPECT_NE(unwritable.add("/w/a.afc"), "");
    EXPECT_EQ(unwritable.paths(), QStringList{"/w/a.afc"});  // still listed for this run
}

// Through a link only a list of absolute paths is replaced (the size limit: the settings' test).
TEST_F(FileCommandsTest, ARecentFilesLinkIsWrittenThroughOnlyToAList)
{
    ASSERT_TRUE(QFile::link(path("target"), path("recent-files")));
    for (const auto& [held, written] : {std::pair{std::string("/w/a.afc\n\n  /w/b.afc \n"), true},
                                        {std::string("/w/a.afc\nb.afc\n"), false}}) {
        write("target", held);
        RecentFiles list;
        list.load(path("recent-files"));
        EXPECT_EQ(list.add("/w/new.afc"),
                  written ? "" : "it leads to " + path("target") + ", which is not a recent files list");
        EXPECT_EQ(read("target"), written ? (list.paths().join('\n') + '\n').toStdString() : held);
        EXPECT_EQ(QFile::symLinkTarget(path("recent-files")), path("target"));
    }
}

// Saved files and the user's configuration folder are in the recent end-to-end script.
TEST_F(FileCommandsTest, OpenedFilesAreListedAsRecentImportedAndRefusedOnesAreNot)
{
    ws.file.Recent.load(path("config/recent-files"));
    write("a.afc", AfcBytes({1.0}));
    write("b.afc", AfcBytes({2.0}));
    write("c.csv", "0,1.5\r\n");
    open("a.afc");
    files.OpenFile(dir.path() + "/./b.afc");  // listed under its clean name
    files.OpenFile(path("missing.afc"));  // refused: no window
    files.OpenFile(path("notes.txt"));    // refused by its extension
    pick(&FileCommands::Import, "c.csv");
    EXPECT_EQ(ws.windows().size(), 3u);
    EXPECT_EQ(ws.file.Recent.paths(), (QStringList{path("b.afc"), path("a.afc")}));
}
