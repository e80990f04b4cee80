#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/DataFiles.h"

namespace tlv {
namespace {

void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(DataFiles, TheProgramsFolderFirstThenTheInstalledDataFolder)
{
    QTemporaryDir root;
    const QString bin = root.filePath("usr/bin");
    const QString data = root.filePath("usr/share/tolvenar");
    QDir().mkpath(bin);
    // The usual layout: <prefix>/bin and <prefix>/share/tolvenar.
    EXPECT_EQ(InstalledDataFolder(bin), data);

    Touch(data + "/help.hlp");
    Touch(data + "/wait.gif");
    Touch(bin + "/wait.gif");
    EXPECT_EQ(DataFilePath(bin, "help.hlp"), data + "/help.hlp");
    EXPECT_EQ(DataFilePath(bin, "wait.gif"), bin + "/wait.gif");
    // Found nowhere: named where it was first looked for.
    EXPECT_EQ(DataFilePath(bin, "other.gif"), bin + "/other.gif");
}

}  // namespace
}  // namespace tlv
