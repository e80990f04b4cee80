#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "model/OsVersion.h"
#include "model/Settings.h"

using namespace tlv;

TEST(Settings, BadLinesTakeTheirDefaults)
{
    struct Case {
        QByteArray text;
        int type, port, address;
    } cases[] = {
        {"2\r\n3\r\n17\r\n", 2, 3, 17},
        {"1\n4\n30", 1, 4, 30},
        {"", 0, 1, 1},
        {"x\r\n\r\n-4\r\n", 0, 1, 1},
        {"99999999999999999999\r\n2\r\n5\r\n", 0, 2, 5},
        {"7\r\n9\r\n31\r\n", 0, 1, 1},
        {" 1 \r\n0\r\n0\r\n", 1, 0, 0},
        {"1.5\r\n2e1\r\n+3\r\n", 0, 1, 1},
        {QByteArray("\0\xff\r\n", 4), 0, 1, 1},
    };
    for (const Case& c : cases) {
        InterfaceSettings s = ParseSettings(c.text);
        EXPECT_EQ(s.interfaceType, c.type) << c.text.toStdString();
        EXPECT_EQ(s.comPortNo, c.port) << c.text.toStdString();
        EXPECT_EQ(s.gpibAddress, c.address) << c.text.toStdString();
    }
}

TEST(Settings, FirstStartCreatesTheFileWithCrLfLines)
{
    QTemporaryDir dir;
    QString path = dir.filePath("com.ini");
    InterfaceSettings s = LoadSettings(path);
    EXPECT_EQ(s.interfaceType, 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("0\r\n1\r\n1\r\n"));

    ASSERT_TRUE(SaveSettings(path, {2, 4, 12}));
    InterfaceSettings back = LoadSettings(path);
    EXPECT_EQ(back.interfaceType, 2);
    EXPECT_EQ(back.comPortNo, 4);
    EXPECT_EQ(back.gpibAddress, 12);
}

TEST(Settings, AnUnwritableFolderIsReportedNotFatal)
{
    QString error;
    EXPECT_FALSE(SaveSettings("/proc/tolvenar-no/com.ini", {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(Settings, OnlyAPlainFileIsReadOrReplaced)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString error;
    const InterfaceSettings read = LoadSettings(fifo, &error);  // a blocking open never returns
    EXPECT_EQ(error, "it is a FIFO, not a plain file");
    EXPECT_EQ(read.comPortNo, 1);
    EXPECT_FALSE(SaveSettings(fifo, {2, 3, 4}, &error));

    // A link to /dev/null is how settings are thrown away; it stays.
    const QString link = dir.filePath("com.ini");
    ASSERT_TRUE(QFile::link("/dev/null", link));
    EXPECT_FALSE(SaveSettings(link, {2, 3, 4}, &error));
    EXPECT_EQ(error, "it leads to /dev/null, a device, not a plain file");
    EXPECT_EQ(QFile::symLinkTarget(link), "/dev/null");
}

TEST(Settings, FolderRule)
{
    QTemporaryDir program;
    qunsetenv("TOLVENAR_CONFIG_DIR");
    EXPECT_EQ(SettingsPath(program.path()), program.path() + "/com.ini");

    qputenv("XDG_CONFIG_HOME", "/tmp/tolvenar-test-config");
    EXPECT_EQ(SettingsPath("/nonexistent-tolvenar-folder"), "/tmp/tolvenar-test-config/tolvenar/com.ini");

    qputenv("TOLVENAR_CONFIG_DIR", "/somewhere/");
    EXPECT_EQ(SettingsPath(program.path()), "/somewhere/com.ini");
    qunsetenv("TOLVENAR_CONFIG_DIR");
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(OsVersion, WindowsNames)
{
    EXPECT_EQ(WindowsVersionName(2, 5, 1), "Windows XP");
    EXPECT_EQ(WindowsVersionName(2, 5, 0), "Windows 2000");
    EXPECT_EQ(WindowsVersionName(2, 5, 2), "Windows NT");
    EXPECT_EQ(WindowsVersionName(2, 4, 0), "Windows NT");
    EXPECT_EQ(WindowsVersionName(1, 4, 10), "Windows");
    EXPECT_EQ(WindowsVersionName(0, 3, 1), "Windows 3.1");
    auto text = ReadOsVersionText();
    EXPECT_EQ(text[2], "Linux");
    EXPECT_NE(text[2], "Windows NT");
}
