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
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

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
        {{"somnar", "/tra", "y"}, false},
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
