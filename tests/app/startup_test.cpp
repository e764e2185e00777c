#include "app/exitchoice.h"
#include "app/exitdialog.h"
#include "app/programinfo.h"
#include "app/settingsstore.h"
#include "app/singleinstance.h"

#include "app/autostart.h"

#include "support/qtapplication.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <gtest/gtest.h>

using namespace somnar;

namespace {

class StartupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::EnsureApplication(); }
};

}

TEST(TraySwitch, AnyCaseAnywhere)
{
    const struct {
        QStringList arguments;
        bool tray;
    } cases[] = {
        {{"somnar", "/tray"}, true}, {{"somnar", "/TRAY"}, true}, {{"somnar", "x/TrAy"}, true},
        {{"somnar", "-a", "/Tray", "-b"}, true}, {{"somnar"}, false}, {{"somnar", "tray"}, false},
        {{"somnar", "/tra", "y"}, false}, {{"/home/u/Tray/somnar"}, false}, {{"/opt/TRAY/somnar", "-x"}, false},
        {{"/home/u/Tray/somnar", "/tray"}, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HasTraySwitch(c.arguments), c.tray) << c.arguments.join(' ').toStdString();
}

TEST(VersionText, MajorMinorBuild)
{
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(VersionText()).hasMatch());
}

TEST_F(StartupTest, SecondCopyWakesTheFirst)
{
    const QString name = QStringLiteral("somnar-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance first(name);
    EXPECT_FALSE(first.notifyRunningInstance()) << "nobody is running yet";
    ASSERT_TRUE(first.listen());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    SingleInstance second(name);
    EXPECT_TRUE(second.notifyRunningInstance());
    QElapsedTimer waited;
    waited.start();
    while (activations == 0 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(activations, 1);
}

TEST(SingleInstanceSocket, LivesInAFolderOnlyTheUserCanEnter)
{
    QTemporaryDir dir;
    const QString runtime = dir.filePath(QStringLiteral("run"));
    QDir().mkpath(runtime);
    const QString fallback = dir.filePath(QStringLiteral("cache/somnar-runtime"));
    EXPECT_EQ(QFileInfo(SingleInstance::socketPath(runtime, fallback)).absolutePath(), runtime);
    EXPECT_FALSE(QFileInfo::exists(fallback)) << "the fallback is only made when needed";

    const QFile::Permissions privateMode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    const auto modeOf = [&](const QString &path) { return QFile::permissions(path) & ~userBits; };
    EXPECT_EQ(QFileInfo(SingleInstance::socketPath(QString(), fallback)).absolutePath(), fallback);
    EXPECT_EQ(modeOf(fallback), privateMode);
    QFile::setPermissions(fallback, privateMode | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    SingleInstance::socketPath(dir.filePath(QStringLiteral("absent")), fallback);
    EXPECT_EQ(modeOf(fallback), privateMode) << "a folder left open to others is closed again";

    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    EXPECT_TRUE(SingleInstance::defaultName().startsWith(runtime + u'/')) << SingleInstance::defaultName().toStdString();
    qputenv("XDG_RUNTIME_DIR", saved);
}

TEST_F(StartupTest, StaleSocketOfAKilledCopyIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("somnar.socket"));
    // A copy that was killed leaves its bound socket file behind with nobody listening.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(path));

    SingleInstance first(path);
    EXPECT_FALSE(first.notifyRunningInstance());
    ASSERT_TRUE(first.listen());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });
    EXPECT_TRUE(SingleInstance(path).notifyRunningInstance());
    QElapsedTimer waited;
    waited.start();
    while (activations == 0 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(activations, 1);
}

TEST_F(StartupTest, ExitDialogChoices)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath("s.ini"));
    Autostart autostart;
    autostart.Value(kAutostartName, QStringLiteral("somnar /tray"));
    ASSERT_TRUE(autostart.IsThere(kAutostartName));
    EXPECT_TRUE(ExitNeedsConfirmation(true, settings));
    EXPECT_FALSE(ExitNeedsConfirmation(false, settings));

    int exits = 0;
    {
        Dialog cancel(settings, [&] { ++exits; });
        EXPECT_TRUE(cancel.Option1(0)->isChecked());
        EXPECT_FALSE(cancel.Check1()->isChecked());
        EXPECT_EQ(cancel.windowTitle(), QStringLiteral("Завершение работы OKV Somnar"));
        cancel.Command2_Click();
    }
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(settings.get(kMainSection, "UnloadQ").isEmpty()) << "Cancel saves nothing";

    {
        Dialog keep(settings, [&] { ++exits; });
        keep.Check1()->setChecked(true);
        keep.Command1_Click();
    }
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(settings.get(kMainSection, "UnloadQ"), QStringLiteral("1"));
    EXPECT_TRUE(autostart.IsThere(kAutostartName)) << "the first option keeps autostart";
    EXPECT_FALSE(ExitNeedsConfirmation(true, settings));

    settings.save(kMainSection, "ToTray", QStringLiteral("True"));
    {
        Dialog off(settings, [&] { ++exits; });
        off.Option1(1)->setChecked(true);
        off.Command1_Click();
    }
    EXPECT_EQ(exits, 2);
    EXPECT_FALSE(autostart.IsThere(kAutostartName));
    EXPECT_EQ(settings.get(kMainSection, "ToTray"), QStringLiteral("False"));
    EXPECT_EQ(settings.get(kMainSection, "UnloadQ"), QStringLiteral("0"));
}
