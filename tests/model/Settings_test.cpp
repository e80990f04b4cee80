#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/DataFiles.h"
#include "model/Settings.h"

using namespace tlv;

TEST(Settings, BadLinesTakeTheirDefaults)
{
    const struct {
        QByteArray text;
        int type, port, address;
    } cases[] = {
        {"2\n4\n30", 2, 4, 30},                 {"", 0, 1, 1},
        {"3\r\n5\r\n31\r\n", 0, 1, 1},          {" 1 \r\n0\r\n0\r\n", 1, 0, 0},
        {"1.5\r\n2e1\r\n+3\r\n", 0, 1, 1},      {QByteArray("\0\xff\r\n", 4), 0, 1, 1},
        {"1\r\n2\r\n99999999999999999999\r\n", 1, 2, 1},
    };
    for (const auto& c : cases) {
        const InterfaceSettings s = ParseSettings(c.text);
        EXPECT_EQ(s.interfaceType, c.type) << c.text.toStdString();
        EXPECT_EQ(s.comPortNo, c.port) << c.text.toStdString();
        EXPECT_EQ(s.gpibAddress, c.address) << c.text.toStdString();
    }
}

TEST(Settings, FirstStartCreatesTheFileWithCrLfLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("com.ini");
    EXPECT_EQ(LoadSettings(path).interfaceType, 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("0\r\n1\r\n1\r\n"));
    ASSERT_TRUE(SaveSettings(path, {2, 4, 12}));
    EXPECT_EQ(LoadSettings(path).gpibAddress, 12);
}

// Through a link only three lines of whole numbers are replaced (and so repaired).
TEST(Settings, ALinkIsWrittenThroughOnlyToSettings)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("com.ini");
    const QString target = dir.filePath("target");
    QString error;
    const std::pair<QByteArray, bool> targets[] = {
        {" 1\n2 \n3", true}, {"1\r\n2\r\n", false}, {"1\r\n2\r\n3\r\n4\r\n", false},
        {"1\r\n-2\r\n3\r\n", false},
        {"1\r\n2\r\n" + QByteArray(4090, '3'), true}, {"1\r\n2\r\n" + QByteArray(4091, '3'), false}};
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(SaveSettings(link, {2, 3, 4}, &error));
    EXPECT_EQ(error, "it leads to " + target + ", which does not exist");
    for (const auto& [held, written] : targets) {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(held);
        file.close();
        EXPECT_EQ(SaveSettings(link, {2, 3, 4}, &error), written) << held.left(40).toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), written ? "2\r\n3\r\n4\r\n" : held);
        EXPECT_EQ(error, written ? "" : "it leads to " + target + ", which is not a settings file");
        EXPECT_EQ(QFile::symLinkTarget(link), target);
    }
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

TEST(Settings, TheSerialDeviceIsKeptApartAndOnlyAPathIsTaken)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("serial-device");
    EXPECT_TRUE(SaveSerialDevice(path, ""));
    EXPECT_FALSE(QFile::exists(path));  // nothing to keep: no file
    EXPECT_TRUE(SaveSerialDevice(path, "/dev/ttyUSB0"));
    EXPECT_EQ(LoadSerialDevice(path), "/dev/ttyUSB0");
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("ttyUSB0\n");
    damaged.close();
    QString error;
    EXPECT_EQ(LoadSerialDevice(path, &error), "");
    EXPECT_EQ(error, "it is not a serial device setting");
}

TEST(DataFiles, TheProgramsFolderFirstThenTheInstalledDataFolder)
{
    QTemporaryDir root;
    const QString bin = root.filePath("usr/bin");
    const QString data = root.filePath("usr/share/tolvenar");
    EXPECT_EQ(InstalledDataFolder(bin), data);  // <prefix>/bin and <prefix>/share/tolvenar
    for (const QString& path : {data + "/help.hlp", data + "/wait.gif", bin + "/wait.gif"}) {
        QDir().mkpath(QFileInfo(path).path());
        QFile(path).open(QIODevice::WriteOnly);
    }
    EXPECT_EQ(DataFilePath(bin, "help.hlp"), data + "/help.hlp");
    EXPECT_EQ(DataFilePath(bin, "wait.gif"), bin + "/wait.gif");
    EXPECT_EQ(DataFilePath(bin, "other.gif"), bin + "/other.gif");  // found nowhere: the first place
}
