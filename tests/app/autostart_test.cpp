#include "app/autostart.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;

TEST(Autostart, WriteFindDelete)
{
    QTemporaryDir dir;
    Autostart autostart(dir.filePath("autostart"));
    EXPECT_FALSE(autostart.IsThere());
    EXPECT_FALSE(autostart.IsThere(kAutostartName));

    autostart.Value(kAutostartName, Autostart::programCommand("/opt/Сонник 3/somnar"));
    EXPECT_TRUE(autostart.IsThere());
    EXPECT_TRUE(autostart.IsThere(kAutostartName));
    QFile entry(dir.filePath("autostart/OKVSomnar3.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(entry.readAll()).contains("\nExec=\"/opt/Сонник 3/somnar\" /tray\n"));

    EXPECT_TRUE(autostart.DeleteValue(kAutostartName));
    EXPECT_FALSE(autostart.IsThere(kAutostartName));
}

TEST(Autostart, EmptyNameDeletesNothing)
{
    QTemporaryDir dir;
    Autostart autostart(dir.path());
    autostart.Value(kAutostartName, "somnar /tray");
    EXPECT_FALSE(autostart.DeleteValue(""));
    EXPECT_TRUE(autostart.IsThere(kAutostartName));
}

TEST(Autostart, QuotesTheProgramPath)
{
    EXPECT_EQ(Autostart::programCommand("/a b/$x\"y`z\\w%/somnar"),
              "\"/a b/\\$x\\\"y\\`z\\\\w%%/somnar\" /tray");
}

TEST(Autostart, UnwritableFolderRaisesAClearError)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Autostart autostart(dir.filePath("file/autostart"));
    EXPECT_THROW(autostart.Value(kAutostartName, "somnar /tray"), AutostartError);
}
