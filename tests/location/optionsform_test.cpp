#include "app/autostart.h"
#include "app/messages.h"
#include "app/settingsstore.h"
#include "controls/slider.h"
#include "location/datetimesettings.h"
#include "location/optionsform.h"
#include "location/optionstexts.h"
#include "location/showoptions.h"
#include "location/spravcity.h"

#include "support/qtapplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace somnar;

namespace {

class OptionsFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        Autostart().DeleteValue(kAutostartName);
        setMessageHandler([this](QMessageBox::Icon, const QString &, const QString &text) { messages << text; });
    }
    void TearDown() override
    {
        Autostart().DeleteValue(kAutostartName);
        setMessageHandler(nullptr);
    }

    // The values as the settings file holds them, in the order they were first written.
    QStringList writtenOrder() const { return order; }

    void recordWrites()
    {
        settings.setRenameFunction([this](const QString &from, const QString &to) {
            SettingsStore written(from);
            for (const char *name : {"CityName", "DGraduses", "DMinutes", "DM", "SGraduses", "SMinutes", "SM"})
                if (!order.contains(name) && !written.get(kLocationSection, name).isNull())
                    order << name;
            for (const char *name : {"ToTray", "MenuTransp"})
                if (!order.contains(name) && !written.get(kMainSection, name).isNull())
                    order << name;
            QFile::remove(to);
            return QFile::rename(from, to);
        });
    }

    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    ProgramOptions options;
    QStringList messages;
    QStringList order;
};

}

TEST_F(OptionsFormTest, DefaultsShowMoscowAndOkSavesEveryValueInOrder)
{
    recordWrites();
    OptionsForm form(options, settings);
    EXPECT_EQ(form.Text1()->text(), "Москва");
    EXPECT_EQ(form.Combo7()->currentText(), "55°");
    EXPECT_EQ(form.Combo8()->currentText(), "45'");
    EXPECT_EQ(form.Combo9()->currentText(), "С.ш.");
    EXPECT_EQ(form.Combo12()->currentText(), "37°");
    EXPECT_EQ(form.Combo11()->currentText(), "35'");
    EXPECT_EQ(form.Combo10()->currentText(), "В.д.");
    EXPECT_EQ(form.Combo12()->count(), 181);
    EXPECT_EQ(form.Combo8()->count(), 60);

    form.Command1()->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(writtenOrder(), QStringList({"CityName", "DGraduses", "DMinutes", "DM", "SGraduses", "SMinutes", "SM",
                                           "ToTray", "MenuTransp"}));
    SettingsStore saved(settings.filePath());
    EXPECT_EQ(saved.get(kLocationSection, "DM"), "1");
    EXPECT_EQ(saved.get(kMainSection, "ToTray"), "False");
    EXPECT_EQ(saved.get(kMainSection, "MenuTransp"), "205");
    EXPECT_DOUBLE_EQ(options.location.longitude(), 37.5833);
    EXPECT_DOUBLE_EQ(options.location.latitude(), 55.75);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(OptionsFormTest, SouthAndWestAreSavedAsMinusOne)
{
    OptionsForm form(options, settings);
    form.SetTab(2);
    EXPECT_EQ(form.TabStrip1()->currentIndex(), 1);
    form.Text1()->setText("Буэнос-Айрес");
    form.Combo7()->setCurrentIndex(34);
    form.Combo8()->setCurrentIndex(36);
    form.Combo9()->setCurrentIndex(1);
    form.Combo12()->setCurrentIndex(58);
    form.Combo11()->setCurrentIndex(22);
    form.Combo10()->setCurrentIndex(1);
    form.Check1()->click();
    form.Command1()->click();

    SettingsStore saved(settings.filePath());
    EXPECT_EQ(saved.get(kLocationSection, "CityName"), "Буэнос-Айрес");
    EXPECT_EQ(saved.get(kLocationSection, "SM"), "-1");
    EXPECT_EQ(saved.get(kLocationSection, "DM"), "-1");
    EXPECT_EQ(saved.get(kMainSection, "ToTray"), "True");
    EXPECT_TRUE(options.closeToTray);
    EXPECT_DOUBLE_EQ(options.location.latitude(), -34.6);
    EXPECT_DOUBLE_EQ(options.location.longitude(), -58.3667);
    EXPECT_EQ(ReadProgramOptions(saved).location.longitudeSign, -1) << "the main window reads back what was saved";
}

TEST_F(OptionsFormTest, CancelChangesNothingAndRestoresTheOpacity)
{
    OptionsForm form(options, settings);
    form.Text1()->setText("Омск");
    form.Check1()->click();
    form.Slider1_Change(100);
    EXPECT_EQ(options.menuTransp, 155) << "the pop-up sees the slider at once";
    form.Command2()->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(options.menuTransp, 205);
    EXPECT_FALSE(options.closeToTray);
    EXPECT_EQ(options.location.cityName, "Москва");
    EXPECT_FALSE(QFile::exists(settings.filePath()));
}

TEST_F(OptionsFormTest, AutostartChecksAndGreysCloseToTray)
{
    OptionsForm form(options, settings);
    EXPECT_FALSE(form.Image4()->isVisibleTo(&form));
    form.Check2()->click();
    EXPECT_TRUE(form.Check1()->isChecked());
    EXPECT_FALSE(form.Check1()->isEnabled());
    EXPECT_TRUE(form.Image4()->isVisibleTo(&form));
    form.Check2()->click();
    EXPECT_TRUE(form.Check1()->isChecked()) << "unchecking autostart leaves close-to-tray as it is";
    EXPECT_TRUE(form.Check1()->isEnabled());
    form.Check1()->click();
    EXPECT_FALSE(form.Image4()->isVisibleTo(&form));

    form.Check2()->click();
    form.Command1()->click();
    EXPECT_TRUE(Autostart().IsThere(kAutostartName));
    OptionsForm again(options, settings);
    EXPECT_TRUE(again.Check2()->isChecked());
    EXPECT_FALSE(again.Check1()->isEnabled());
}

TEST_F(OptionsFormTest, AutostartFailureIsReported)
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QTemporaryDir blocked;
    QFile blocker(blocked.filePath("autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocked.path().toUtf8());
    OptionsForm form(options, settings);
    form.Check2()->click();
    EXPECT_FALSE(form.ApplySettings());
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains("автозапуск")) << messages.first().toStdString();
}

TEST_F(OptionsFormTest, OpacityLabelsAndTheSliderRange)
{
    EXPECT_EQ(OpacityPercentText(0), "0 %");
    EXPECT_EQ(OpacityPercentText(220), "86 %");
    EXPECT_EQ(OpacityForSlider(0), 255);
    EXPECT_EQ(OpacityForSlider(220), 35);

    options.menuTransp = 0;
    OptionsForm form(options, settings);
    EXPECT_EQ(form.Slider1()->Value(), 0) << "a stored 0 opens with the slider at 0";
    EXPECT_EQ(form.Slider1()->Max(), 220);
    EXPECT_EQ(options.menuTransp, 255);
    EXPECT_EQ(form.Label1()->text(), "0 %");
    form.Slider1_Change(220);
    EXPECT_EQ(form.Label1()->text(), "86 %");
    EXPECT_EQ(options.menuTransp, 35);
}

TEST_F(OptionsFormTest, EmptyTownNameIsSavedEmpty)
{
    OptionsForm form(options, settings);
    form.Text1()->clear();
    form.Command1()->click();
    SettingsStore saved(settings.filePath());
    EXPECT_EQ(ReadProgramOptions(saved).location.cityName, "");
}

TEST_F(OptionsFormTest, TownReferenceFillsTheLocationTab)
{
    QFile file(dir.filePath("City.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name\nМосква,37,37,55,45,0,0\nБуэнос-Айрес,58,23,34,37,1,1\n");
    file.close();

    OptionsForm form(options, settings, nullptr, file.fileName());
    SpravCity reference(file.fileName(), QStringLiteral("Москва"), &form);
    ASSERT_EQ(reference.ListView1()->topLevelItemCount(), 2);
    const QTreeWidgetItem *moscow = reference.ListView1()->currentItem();
    ASSERT_TRUE(moscow) << "the current town is selected on opening";
    EXPECT_EQ(moscow->text(1), "55° 45' с.ш.");
    EXPECT_EQ(moscow->text(2), "37° 37' в.д");

    reference.Text1()->setText("Омск");
    EXPECT_EQ(reference.ListView1()->currentItem(), moscow) << "no match keeps the selection";
    reference.Text1()->setText("буэ");
    reference.Command1()->click();
    ASSERT_TRUE(reference.choice());
    form.applyTown(*reference.choice());
    EXPECT_EQ(form.Text1()->text(), "Буэнос-Айрес");
    EXPECT_EQ(form.Combo7()->currentIndex(), 34);
    EXPECT_EQ(form.Combo8()->currentIndex(), 37);
    EXPECT_EQ(form.Combo9()->currentText(), "Ю.ш.");
    EXPECT_EQ(form.Combo12()->currentIndex(), 58);
    EXPECT_EQ(form.Combo11()->currentIndex(), 23);
    EXPECT_EQ(form.Combo10()->currentText(), "З.д.");
}

TEST_F(OptionsFormTest, ChoosingWithNoRowSelectedDoesNothing)
{
    SpravCity reference(dir.filePath("missing.csv"), QStringLiteral("Москва"));
    EXPECT_EQ(reference.ListView1()->topLevelItemCount(), 0);
    reference.Command1()->click();
    EXPECT_FALSE(reference.choice());
    EXPECT_EQ(reference.result(), 0);
}

TEST_F(OptionsFormTest, ModelessWindowIsReusedAndGoesAwayWhenClosed)
{
    EXPECT_FALSE(ShowOptions(nullptr, options, settings, 1, false));
    const auto open = [] {
        QList<OptionsForm *> forms;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *form = qobject_cast<OptionsForm *>(widget); form && form->isVisible())
                forms << form;
        return forms;
    };
    ASSERT_EQ(open().size(), 1);
    ShowOptions(nullptr, options, settings, 2, false);
    ASSERT_EQ(open().size(), 1) << "the window already open comes to the front";
    QPointer<OptionsForm> form = open().first();
    EXPECT_EQ(form->TabStrip1()->currentIndex(), 1);
    form->Slider1_Change(220);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(options.menuTransp, 205) << "closing is Отмена";
}

TEST(DateTimeSettings, FirstDesktopProgramOnThePath)
{
    QTemporaryDir dir;
    const auto program = [&](const QString &folder, const QString &name) {
        QDir().mkpath(dir.filePath(folder));
        QFile file(dir.filePath(folder + "/" + name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file.fileName();
    };
    const QString a = dir.filePath("a");
    const QString b = dir.filePath("b");
    const QString path = a + ":" + b;
    EXPECT_FALSE(DateTimeSettingsCommand(path)) << "none: the message names timedatectl";

    const QString mate = program("a", "mate-time-admin");
    EXPECT_EQ(DateTimeSettingsCommand(path), (DesktopCommand{mate, {}}));
    const QString xfce = program("b", "xfce4-datetime-settings");
    EXPECT_EQ(DateTimeSettingsCommand(path), (DesktopCommand{xfce, {}})) << "XFCE comes before MATE";
    const QString kde = program("b", "systemsettings");
    EXPECT_EQ(DateTimeSettingsCommand(path), (DesktopCommand{kde, {"kcm_clock"}}));
    const QString gnome = program("b", "gnome-control-center");
    EXPECT_EQ(DateTimeSettingsCommand(path), (DesktopCommand{gnome, {"datetime"}}));
    QFile(dir.filePath("b/gnome-control-center")).setPermissions(QFile::ReadOwner);
    EXPECT_EQ(DateTimeSettingsCommand(path), (DesktopCommand{kde, {"kcm_clock"}})) << "a file that cannot run is no program";
}
