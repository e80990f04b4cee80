// Identification on both cards, the IEEE-488 error report and the close operations, against
// fake drivers; and what happens with no library at all.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>

#include "IeeeFakes.h"
#include "instrument/GpibReport.h"
#include "instrument/IeeeLinks.h"
#include "instrument/IeeeSequences.h"
#include "instrument/LinuxGpib.h"
#include "instrument/SiclLibrary.h"
#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"

using namespace tlv;
using namespace tlv::test;

namespace {

struct Ni {
    bool identify() { return IdentifyNi(driver, waiter, link, prompter); }
    Transcript t;
    FakeGpib driver{t};
    TranscriptWaiter waiter{t};
    LinkState link;
    ScriptedPrompter prompter;
};

struct SiclCard {
    bool identify() { return IdentifySicl(driver, waiter, link, prompter); }
    Transcript t;
    FakeSicl driver{t};
    TranscriptWaiter waiter{t};
    LinkState link;
    ScriptedPrompter prompter;
};

const QString kAllAddresses =
    "[0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 65535]";

}  // namespace

TEST(GpibErrorReport, TextAndEveryMnemonic)
{
    EXPECT_EQ(GpibErrorReport("Error Send Command ", {0x8000, 2, 0}),
              "Error Send Command \nibsta = &H8000\niberr = 2 <ENOL>");
    EXPECT_EQ(GpibErrorReport("Error sending FindLstn ", {0xC100, 6, 0}),
              "Error sending FindLstn \nibsta = &HC100\niberr = 6 <EABO>");
    EXPECT_EQ(GpibErrorReport("x", {0x100, 0, 0}), "x\nibsta = &H100\niberr = 0 <EDVR>");
    const QStringList names = {"EDVR", "ECIC", "ENOL", "EADR", "EARG", "ESAC", "EABO",
                               "ENEB", "EDMA", "",     "EOIP", "ECAP", "EFSO", "",
                               "EBUS", "ESTB", "ESRQ", "",     "",     "",     "ETAB"};
    for (int code = 0; code < names.size(); ++code)
        EXPECT_EQ(GpibErrorMnemonic(code), names[code]) << code;
    EXPECT_EQ(GpibErrorMnemonic(-1), "");
    EXPECT_EQ(GpibErrorMnemonic(21), "");

    ScriptedPrompter prompter;
    ShowGpibError(prompter, "Error Send Command ", {0x8000, 2, 0});
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0], "message TLV | Error Send Command \nibsta = &H8000\niberr = 2 "
                                 "<ENOL> | OK | critical -> OK (unanswered)");
}

TEST(Identification, KtrMustStandAtTheFirstCharacter)
{
    for (const char* reply : {"KTR6610/2", "KTR6610/2\r\n", "KTR6610/2,REV 1.0,serial 12345"})
        EXPECT_TRUE(IsInstrumentIdentity(reply)) << reply;
    for (const char* reply : {"", "KTR6610/", "KTR6610/3", " KTR6610/2", "\nKTR6610/2",
                              "XKTR6610/2", "ktr6610/2", "ACME,KTR6610/2"})
        EXPECT_FALSE(IsInstrumentIdentity(reply)) << reply;
}

TEST(NiIdentification, FindsTheInstrumentStepByStep)
{
    Ni ni;
    ni.driver.boards = {"GPIB2", "GPIB3"};
    ni.driver.listeners = {0, 4, 9, 12};
    ni.driver.replies = {{4, "ACME,DMM\n"}, {9, "KTR6610/2\r\n"}, {12, "KTR6610/2\r\n"}};
    ni.link.GpibBoard = 1;
    ASSERT_TRUE(ni.identify());
    EXPECT_EQ(ni.t.lines,
              (QStringList{"ibonl 1 0", "wait 20", "wait 20", "ibfind GPIB0", "ibfind GPIB1",
                           "ibfind GPIB2", "SendIFC 2", "FindLstn 2 31 " + kAllAddresses,
                           "DevClear 2 4", "Send 2 4 *IDN? NLend", "wait 20", "wait 20",
                           "Receive 2 4 20 10", "Send 2 9 *IDN? NLend", "wait 20", "wait 20",
                           "Receive 2 9 20 10", "Send 2 9 K0 NLend"}));
    EXPECT_EQ(ni.link.GpibBoard, 2);  // the index, not the descriptor
    EXPECT_EQ(ni.link.GpibAddress, 9);
    EXPECT_TRUE(ni.link.GpibReady);
    EXPECT_TRUE(ni.prompter.shown.isEmpty());
}

TEST(NiIdentification, CandidatesAreTheListenersButTheInterface)
{
    // Whether or not the library lists the interface at address 0, it is never asked.
    Ni listed;
    listed.driver.listeners = {0, 9};
    ASSERT_TRUE(listed.identify());
    Ni unlisted;
    unlisted.driver.listeners = {9};
    ASSERT_TRUE(unlisted.identify());
    EXPECT_EQ(unlisted.t.lines.filter("Send ").first(), "Send 0 9 *IDN? NLend");

    // At most 30 candidates; no candidate at all clears every device and finds nothing.
    Ni none;
    none.driver.listeners = {0};
    EXPECT_FALSE(none.identify());
    EXPECT_TRUE(none.t.lines.contains("DevClear 0 65535"));
    EXPECT_TRUE(none.t.lines.filter("Send ").isEmpty());
    EXPECT_FALSE(none.link.GpibReady);
    EXPECT_TRUE(none.prompter.shown.isEmpty());
}

TEST(NiIdentification, EachFailingCallReportsAndEnds)
{
    struct Case {
        QString call;
        QString lead;
        QString lastLine;
    };
    for (const Case& c : {Case{"FindLstn", "Error sending FindLstn ", "FindLstn"},
                          Case{"DevClear", "Error in clearing the devices. ", "DevClear 0 9"},
                          Case{"Send 0 9", "Error Send Command ", "Send 0 9 *IDN? NLend"},
                          Case{"Receive", "Error Receive Command ", "Receive 0 9 20 10"}}) {
        Ni ni;
        ni.link.GpibReady = true;
        ni.driver.fail(c.call, 1, {0x8000, 2, 0});
        EXPECT_FALSE(ni.identify()) << c.call.toStdString();
        EXPECT_FALSE(ni.link.GpibReady);
        EXPECT_TRUE(ni.t.lines.last().startsWith(c.lastLine)) << ni.t.lines.last().toStdString();
        EXPECT_EQ(Prompts(ni.prompter.shown),
                  QStringList{"message TLV | " + c.lead + "\nibsta = &H8000\niberr = 2 <ENOL> | "
                              "OK | critical"});
    }
}

TEST(NiIdentification, NoBoardFailsAtFindLstn)
{
    Ni ni;
    ni.driver.boards.clear();
    ni.driver.fail("SendIFC", 1, {0x8000, 0, 0});
    ni.driver.fail("FindLstn", 1, {0x8000, 0, 0});
    EXPECT_FALSE(ni.identify());
    EXPECT_EQ(ni.link.GpibBoard, -1);
    EXPECT_EQ(ni.t.lines.mid(3, 6), (QStringList{"ibfind GPIB0", "ibfind GPIB1", "ibfind GPIB2",
                                                 "ibfind GPIB3", "SendIFC -1",
                                                 "FindLstn -1 31 " + kAllAddresses}));
    EXPECT_EQ(Messages(ni.prompter.shown),
              QStringList{"TLV | Error sending FindLstn \nibsta = &H8000\niberr = 0 <EDVR>"});
}

TEST(SiclIdentification, AsksAddressesInOrderAndKeepsTheSession)
{
    SiclCard card;
    card.driver.replies = {{3, "ACME,DMM\n"}, {4, " KTR6610/2\n"}, {5, "KTR6610/2\n"}};
    card.driver.fail("iprintf 1 ", 1, 3);
    card.driver.fail("iprintf 2 ", 1, 3);
    ASSERT_TRUE(card.identify());
    EXPECT_EQ(card.link.SiclSession, 5);
    EXPECT_TRUE(card.link.SiclReady);
    QStringList expected{"_siclcleanup"};
    for (int a = 1; a <= 5; ++a) {
        const QString id = QString::number(a);
        expected << "iopen hpib7," + id << "itimeout " + id + " 1000" << "itermchr " + id + " 10";
        if (a <= 2) {
            expected << "iprintf " + id + " *IDN? -> 3" << "iclose " + id;
            continue;
        }
        expected << "iprintf " + id + " *IDN?" << "wait 20" << "iread " + id + " 80";
        if (a < 5)
            expected << "iclose " + id;
    }
    EXPECT_EQ(card.t.lines, expected);
    EXPECT_TRUE(card.prompter.shown.isEmpty());
}

TEST(SiclIdentification, ARaisedErrorEndsTheSearchAndIsShown)
{
    for (const QString call : {"_siclcleanup", "iopen hpib7,2", "itimeout 2", "itermchr 2",
                               "iread 2", "iclose 1"}) {
        SiclCard card;
        card.driver.replies = {{1, "ACME\n"}, {9, "KTR6610/2\n"}};
        card.link.SiclReady = true;
        card.driver.fail(call, 1, 7);
        EXPECT_FALSE(card.identify()) << call.toStdString();
        EXPECT_FALSE(card.link.SiclReady);
        const QString name = call.section(' ', 0, 0);
        EXPECT_EQ(Messages(card.prompter.shown),
                  QStringList{"TLV | SICL error 7 in " + name + ": fake error 7"});
        EXPECT_TRUE(card.prompter.shown[0].contains("| critical"));
        // The session the error interrupted is closed; no further address is tried.
        EXPECT_TRUE(card.t.lines.filter("iopen hpib7,3").isEmpty());
        if (name != "_siclcleanup" && name != "iopen" && name != "iclose") {
            EXPECT_EQ(card.t.lines.last(), "iclose 2");
        }
    }
}

TEST(CloseOperations, AtExitAndWhenTheInterfaceChanges)
{
    Transcript t;
    LinkState link;
    link.GpibBoard = 2;
    link.SiclSession = 7;
    IeeeLinks links(link, std::make_unique<FakeGpib>(t), std::make_unique<FakeSicl>(t));
    const auto ready = [&](int type, bool gpib, bool sicl) {
        link.InterfaceType = type;
        link.GpibReady = gpib;
        link.SiclReady = sicl;
        t.lines.clear();
    };

    // At exit: the current card, when it is ready; serial closes nothing.
    ready(1, false, false);
    links.closeInstrumentLink();
    EXPECT_TRUE(t.lines.isEmpty());
    ready(1, true, false);
    links.closeInstrumentLink();
    EXPECT_EQ(t.lines, QStringList{"ibonl 2 0"});
    EXPECT_FALSE(link.GpibReady);
    ready(2, false, true);
    links.closeInstrumentLink();
    EXPECT_EQ(t.lines, (QStringList{"iclose 7", "_siclcleanup"}));
    EXPECT_FALSE(link.SiclReady);
    ready(0, true, true);
    links.closeInstrumentLink();
    EXPECT_TRUE(t.lines.isEmpty());

    // Switching: a ready card of another type is closed, the chosen one kept.
    EXPECT_EQ(links.closeOthers(1), "");
    EXPECT_EQ(t.lines, (QStringList{"iclose 7", "_siclcleanup"}));
    EXPECT_TRUE(link.GpibReady);
    ready(1, true, true);
    links.closeOthers(2);
    EXPECT_EQ(t.lines, QStringList{"ibonl 2 0"});
    EXPECT_TRUE(link.SiclReady);
    ready(1, true, true);
    static_cast<FakeSicl&>(links.sicl()).fail("iclose", 1, 4);
    EXPECT_EQ(links.closeOthers(0), "SICL error 4 in iclose: fake error 4");
    EXPECT_EQ(t.lines, (QStringList{"ibonl 2 0", "iclose 7 -> 4", "_siclcleanup"}));
    EXPECT_FALSE(link.GpibReady || link.SiclReady);
}

TEST(NoLibrary, EveryCallFailsAsWithNoBoard)
{
    LinuxGpibDriver gpib("/nonexistent/libgpib.so.0");
    EXPECT_FALSE(gpib.loaded());
    EXPECT_EQ(gpib.ibfind("GPIB0"), -1);

    LinkState link;
    ScriptedPrompter prompter;
    SteadyWaiter waiter;
    EXPECT_FALSE(IdentifyNi(gpib, waiter, link, prompter));
    EXPECT_EQ(link.GpibBoard, -1);
    EXPECT_EQ(Messages(prompter.shown),
              QStringList{"TLV | Error sending FindLstn \nibsta = &H8000\niberr = 0 <EDVR>"});

    // A library without the calls counts as none.
    LinuxGpibDriver notGpib("libc.so.6");
    EXPECT_FALSE(notGpib.loaded());
    EXPECT_EQ(notGpib.loadError(), "libc.so.6 has no ibfind");

    qputenv("TOLVENAR_SICL_LIBRARY", "/nonexistent/libsicl.so");
    SiclLibrary sicl;
    qunsetenv("TOLVENAR_SICL_LIBRARY");
    EXPECT_EQ(sicl.path(), "/nonexistent/libsicl.so");
    prompter.shown.clear();
    EXPECT_FALSE(IdentifySicl(sicl, waiter, link, prompter));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(Messages(prompter.shown)[0].startsWith(
        "TLV | SICL error -1 in iopen: the SICL library is not loaded: /nonexistent/libsicl.so"));
}

// dlopen would wait for ever on a FIFO and die of SIGBUS on a library cut short: such files
// count as no library, named with the reason.
TEST(NoLibrary, OnlyAWholeLibraryFileIsLoaded)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.so");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    // The C library has no debugging sections at its end: half of it cuts its segments.
    Dl_info libc{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&qsort), &libc), 0);
    const QByteArray system = read(libc.dli_fname);
    const auto copy = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    };
    const std::pair<QString, QString> refused[] = {
        {fifo, "it is a FIFO, not a plain file"},
        {copy("half.so", system.left(system.size() / 2)),
         "it is cut short: a loadable segment ends at byte "},
        {copy("header.so", system.left(64)),
         "it is cut short: its program header table lies past its end"},
        {copy("text.so", "INPUT(libgpib.so.1)\n"), "it is not a library (no ELF header)"},
    };
    for (const auto& [path, reason] : refused) {
        LinuxGpibDriver gpib(path);
        EXPECT_FALSE(gpib.loaded());
        EXPECT_TRUE(gpib.loadError().startsWith(path + ": " + reason)) << qPrintable(gpib.loadError());
    }
    EXPECT_TRUE(LinuxGpibDriver(copy("whole.so", read(TOLVENAR_SIMGPIB))).loaded());

    qputenv("TOLVENAR_SICL_LIBRARY", fifo.toLocal8Bit());
    SiclLibrary sicl;
    qunsetenv("TOLVENAR_SICL_LIBRARY");
    EXPECT_EQ(sicl.igeterrstr(0),
              "the SICL library is not loaded: " + fifo + ": it is a FIFO, not a plain file");
}
