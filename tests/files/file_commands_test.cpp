// Open, Save, Save As and Import through the workspace, with scripted answers. The dialogs' filters
// are in the files-roundtrip script; the messages of files that cannot be read or written, and
// what a failed save leaves, in the files-errors, fifos, devices and disk-full scripts.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "commands/Commands.h"
#include "files/AfcFormat.h"
#include "files/FileCommands.h"
#include "files/TableFormat.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;
using tlv::test::FillWaveform;
using tlv::test::Prompts;

namespace {
const QString kOverwrite =
    "message TLV | File name existence. Save overwrite.... ? | Yes No | information";

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest() { ws.prompter = &prompter; }

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
    void open(const QString& name)
    {
        prompter.queueChoice(path(name));
        files.Open();
    }
    void import(const QString& name)
    {
        prompter.queueChoice(path(name));
        files.Import();
    }
    void saveAs(const QString& name)
    {
        prompter.queueChoice(path(name));
        files.SaveAs();
    }
    void newWaveform(const std::vector<double>& volts)
    {
        ws.New();
        FillWaveform(ws, volts);
    }
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
    EXPECT_FALSE(ws.edit.PointDefined[2]);
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
    const std::pair<QString, int> counts[] = {{"empty.afc", 0}, {"full.afc", kMaxPoints}, {"huge.afc", kMaxPoints}};
    for (const auto& [name, count] : counts) {
        open(name);
        EXPECT_EQ(ws.activeWindow()->caption, name);
        EXPECT_EQ(ws.edit.PointCount, count) << name.toStdString();
        EXPECT_FALSE(ws.ActiveDocumentChanged()) << name.toStdString();
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
    import("mixed.txt");
    EXPECT_EQ(shown(), "mixed.txt: +1.000000E+00 -2.000000E+00 +3.000000E+00");
    EXPECT_EQ(prompter.shown.count("wait shown"), 1);
    EXPECT_EQ(prompter.shown.count("wait closed"), 1);
}

TEST_F(FileCommandsTest, ATableIsReadNoFurtherThanItsLimitAndSaysSo)
{
    // Sparse files: the NUL bytes end tokens and take no room on the disk.
    auto table = [&](const QString& name, qint64 size, const std::string& tail) {
        write(name, "0.5\n", size - static_cast<qint64>(tail.size()));
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(tail.data(), static_cast<qint64>(tail.size()));
    };
    const qint64 limit = static_cast<qint64>(kTableTextLimit);
    table("whole.csv", limit, "1.5");  // the last value ends with the text, at the limit
    table("over.csv", limit + 1, "1.25");  // the limit cuts the last token
    open("whole.csv");
    EXPECT_EQ(shown(), "whole.csv: +5.000000E-01 +1.500000E+00");
    EXPECT_TRUE(prompter.shown.filter("message").isEmpty());
    open("over.csv");
    EXPECT_EQ(shown(), "over.csv: +5.000000E-01");
    // The wait window closes before the message says why the reading stopped.
    ASSERT_GE(prompter.shown.size(), 2);
    EXPECT_EQ(Prompts(prompter.shown).last(),
              "message TLV | Stopped reading " + path("over.csv") +
                  ": a table is read no further than its first 64 MiB; the values found up to "
                  "there are kept. | OK | exclamation");
    EXPECT_EQ(prompter.shown[prompter.shown.size() - 2], "wait closed");
    EXPECT_EQ(prompter.shown.count("wait closed"), prompter.shown.count("wait shown"));

    // A table of more lines than the buffer holds keeps 16383 values and the end marker.
    std::string lines;
    for (int i = 0; i < 20000; ++i)
        lines += "0.25\n";
    write("huge.csv", lines, qint64(3) << 30);
    open("huge.csv");
    EXPECT_EQ(ws.edit.PointCount, kTableMaxValues);
    EXPECT_EQ(text(kLastPoint), "999");
}

TEST(FileKinds, SaveGoesToSaveAsUnlessTheCaptionNamesAKnownFile)
{
    const std::pair<const char*, FileKind> captions[] = {
        {"Untitled Waveform Data 1", FileKind::Other}, {"Untitled.afc", FileKind::Other},
        {"WAVE.Csv", FileKind::Csv}, {"after-fh.csv", FileKind::Csv},  // a dot past the eighth character
        {"wave.csvx", FileKind::Other}, {"a.csv.afc", FileKind::Afc}, {"b.prn", FileKind::Prn}};
    for (const auto& [caption, kind] : captions)
        EXPECT_EQ(KindOfCaption(caption), kind) << caption;
    EXPECT_EQ(KindOfPath("/x/y.prn"), FileKind::Prn);
    EXPECT_EQ(KindOfPath("/x/y.afc.bak"), FileKind::Other);
}

TEST_F(FileCommandsTest, SaveWritesTheActiveDocumentToItsOwnFile)
{
    write("a.csv", TableBytes({1.0}, ','));
    write("b.afc", AfcBytes({2.0}));
    open("a.csv");
    DocumentWindow* a = ws.activeWindow();
    open("b.afc");
    ws.ActivateWindow(a);
    FillWaveform(ws, {1.0, -0.5});
    EXPECT_TRUE(ws.ActiveDocumentChanged());
    prompter.queueAnswer("yes");
    files.Save();
    EXPECT_EQ(Prompts(prompter.shown).last(), kOverwrite);
    EXPECT_EQ(read("a.csv"), TableBytes({1.0, -0.5}, ','));
    EXPECT_EQ(read("b.afc"), AfcBytes({2.0}));
    EXPECT_FALSE(ws.ActiveDocumentChanged());
}

TEST_F(FileCommandsTest, TheCloseQuestionsYesSavesToTheWindowsFile)
{
    Commands commands(ws, dir.path());
    RegisterFileCommands(ws, commands);
    write("c.prn", TableBytes({1.0}, '\t'));
    open("c.prn");
    FillWaveform(ws, {3.0, 4.0});
    prompter.shown.clear();
    prompter.queueAnswer("yes");
    prompter.queueAnswer("yes");
    ws.Close();
    EXPECT_EQ(Prompts(prompter.shown),
              QStringList({"message TLV | Save changes to c.prn? | Yes No Cancel | information", kOverwrite}));
    EXPECT_EQ(read("c.prn"), TableBytes({3.0, 4.0}, '\t'));
    EXPECT_TRUE(ws.windows().empty());
}

// The window's caption after a declined or failed save, and a new file's lack of a question, are
// in the close-keeps-unsaved and recent scripts.
TEST_F(FileCommandsTest, TheOverwriteQuestionGuardsAnExistingFile)
{
    write("old.afc", "keep");
    newWaveform({1.0});
    saveAs("old.afc");  // No is the safe answer
    EXPECT_EQ(Prompts(prompter.shown).last(), kOverwrite);
    EXPECT_TRUE(ws.file.SaveDeclined);
    EXPECT_EQ(read("old.afc"), "keep");
    EXPECT_EQ(shown(), "Untitled Waveform Data 1: +1.000000E+00 (changed)");

    prompter.queueAnswer("yes");
    saveAs("old.afc");
    EXPECT_FALSE(ws.file.SaveDeclined);
    EXPECT_EQ(read("old.afc"), AfcBytes({1.0}));
    EXPECT_EQ(ws.activeSlot()->title, "old.afc");
    EXPECT_EQ(shown(), "old.afc: +1.000000E+00");
}

TEST_F(FileCommandsTest, WritersRaiseValuesBelowMinusFiveVolts)
{
    newWaveform({-5.2, 5.2, -4.0});
    saveAs("floor.afc");
    EXPECT_EQ(read("floor.afc"), AfcBytes({-5.0, 5.2, -4.0}));
    EXPECT_EQ(shown(), "floor.afc: -5 +5.200000E+00 -4.000000E+00");

    FillWaveform(ws, {-6.0, 1.0});
    saveAs("floor.csv");
    EXPECT_EQ(read("floor.csv"), TableBytes({-5.0, 1.0}, ','));
}
