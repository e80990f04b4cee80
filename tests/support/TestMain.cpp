#include <QGuiApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Logic tests that paint or lay out need an application object; they run on the offscreen
// platform with a private runtime folder.
int main(int argc, char** argv)
{
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
