#include "app/messages.h"
#include "app/settingsstore.h"
#include "astro/datetime.h"
#include "calendar/window/calen.h"
#include "calendar/window/calenconnector.h"
#include "calendar/window/lunardayhelp.h"
#include "calendar/window/moonpicture.h"
#include "dictionary/mainwindow.h"
#include "location/optionsform.h"

#include "calentestsupport.h"
#include "support/qtapplication.h"

#include <QAction>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>

using namespace somnar;
using namespace somnar::calendar;
using somnar::astro::MakeDateTime;

namespace {

constexpr double kSecond = 1.0 / 86400;

// Stands in for the desktop's browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class CalenTest : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureApplication(); }

    // Moscow time, the town as the options window saves it.
    std::unique_ptr<Calen> openAt(double localMoment, astro::YieldFunction yield = {})
    {
        auto window = std::make_unique<Calen>(settings, nullptr, moscowTime, std::move(yield));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        showMoment(*window, localMoment);
        return window;
    }
    static void showMoment(Calen &window, double localMoment) { test::ShowMoment(window, localMoment); }
    void saveTown(const QString &city, int lat, int latMin, int sm, int lon, int lonMin, int dm)
    {
        test::SaveTown(settings, city, lat, latMin, sm, lon, lonMin, dm);
    }

    QTemporaryDir dir;
    SettingsStore settings {dir.filePath(QStringLiteral("settings.ini"))};
    astro::FixedUtcOffset moscowTime {180};
};

// The new moon of 2024-03-10 is at 12:01:32 Moscow time; the Moon rises at Moscow on 11 March
// at 07:25:05.
TEST_F(CalenTest, MinutesAfterANewMoonAreLunarDayOneUpToTheFirstMoonrise)
{
    const auto window = openAt(MakeDateTime(2024, 3, 10, 12, 10));
    EXPECT_EQ(window->Label16()->text(), QStringLiteral("1"));
    EXPECT_EQ(window->Label3()->text(), QStringLiteral(" (10 мар. 2024 12:01 - 11 мар. 2024 07:25)"));
    EXPECT_FALSE(window->Label3()->isHidden());
    EXPECT_FALSE(window->Text3()->text().isEmpty());
    EXPECT_EQ(window->shownPicture(), 1);
}

TEST_F(CalenTest, AMomentOnAMoonriseBelongsToTheDayEndingThere)
{
    const auto window = openAt(MakeDateTime(2024, 3, 10, 12, 10));
    const double rise = window->logic().reading().lunarDay.end;
    showMoment(*window, rise);
    EXPECT_EQ(window->Label16()->text(), QStringLiteral("1"));
    showMoment(*window, astro::AddDays(rise, kSecond));
    EXPECT_EQ(window->Label16()->text(), QStringLiteral("2"));
    EXPECT_EQ(window->logic().reading().lunarDay.start, rise);
}

TEST_F(CalenTest, EveningAndJustAfterMidnightDifferInWeekdayAndDayNotInLunarDay)
{
    const auto window = openAt(MakeDateTime(2024, 3, 17, 23, 50));
    const QString weekday = window->Label12()->text(), day = window->Label5()->text();
    const QString lunarDay = window->Label16()->text(), period = window->Label3()->text();
    showMoment(*window, MakeDateTime(2024, 3, 18, 0, 10));
    EXPECT_EQ(weekday, QStringLiteral("Воскресенье"));
    EXPECT_EQ(window->Label12()->text(), QStringLiteral("Понедельник"));
    EXPECT_EQ(day, QStringLiteral("17"));
    EXPECT_EQ(window->Label5()->text(), QStringLiteral("18"));
    EXPECT_EQ(window->Label16()->text(), lunarDay);
    EXPECT_EQ(window->Label3()->text(), period);
}

TEST_F(CalenTest, PlaceLineFollowsTheHemispheresAndTheSystemZone)
{
    struct Case {
        const char *tz;
        int lat, latMin, sm, lon, lonMin, dm;
        const char *line;
    };
    const Case cases[] = {
        {"<+03>-3", 55, 45, 1, 37, 35, 1, "55°45' с.ш.  37°35' в.д 3 GMT"},
        {"<-05>5", 40, 43, 1, 74, 0, -1, "40°43' с.ш.  74°0' з.д. -5 GMT"},
        {"<+10>-10", 33, 52, -1, 151, 12, 1, "33°52' ю.ш.  151°12' в.д 10 GMT"},
        {"<+0530>-5:30", 28, 36, 1, 77, 12, 1, "28°36' с.ш.  77°12' в.д 5:30 GMT"},
        {"<-0330>3:30", 47, 34, 1, 52, 43, -1, "47°34' с.ш.  52°43' з.д. -3:30 GMT"},
    };
    const char *saved = std::getenv("TZ");
    const std::string previous = saved ? saved : "";
    for (const Case &c : cases) {
        setenv("TZ", c.tz, 1);
        tzset();
        saveTown(QStringLiteral("Город"), c.lat, c.latMin, c.sm, c.lon, c.lonMin, c.dm);
        Calen window(settings);
        EXPECT_EQ(window.Label9()->text(), QString::fromUtf8(c.line)) << c.tz;
        EXPECT_EQ(window.Label7()->text(), QStringLiteral("Город"));
    }
    if (saved)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST_F(CalenTest, LunarDaysBeyondTwentyNineShowTheLastPicture)
{
    const auto window = openAt(MakeDateTime(2024, 3, 20, 12, 0));
    for (int n : {29, 30, 31})
        EXPECT_EQ((window->ShowMoonPhase(n), window->shownPicture()), 29) << n;
    EXPECT_EQ((window->ShowMoonPhase(0), window->shownPicture()), 1);
    // The lit part grows to the full moon and shrinks after it.
    EXPECT_LT(MoonLitFraction(1), 0.02);
    EXPECT_GT(MoonLitFraction(15), 0.99);
    EXPECT_LT(MoonLitFraction(29), 0.03);
    EXPECT_NEAR(MoonLitFraction(8), 0.5, 0.07);
}

TEST_F(CalenTest, SeveralPickerStepsWithinHalfASecondGiveOneCalculation)
{
    const auto window = openAt(MakeDateTime(2024, 3, 20, 12, 0));
    QSignalSpy calculations(&window->logic(), &CalenLogic::calculationFinished);
    QDateTimeEdit *time = window->DTPicker2().hWnd();
    time->setSelectedSection(QDateTimeEdit::HourSection);
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(time, Qt::Key_Up);
    EXPECT_EQ(calculations.count(), 0);
    EXPECT_TRUE(window->logic().debouncing());
    ASSERT_TRUE(calculations.wait(5000));
    EXPECT_FALSE(window->logic().debouncing());
    EXPECT_EQ(calculations.count(), 1);
    EXPECT_EQ(window->logic().reading().moment, MakeDateTime(2024, 3, 20, 15, 0));
    EXPECT_EQ(window->DTPicker1().value(), window->DTPicker2().value());
}

TEST_F(CalenTest, ARequestDuringACalculationIsServedOnceAfterIt)
{
    Calen *self = nullptr;
    int nested = 0;
    const auto window = std::make_unique<Calen>(settings, nullptr, moscowTime, [&] {
        // Three requests while the new moons are searched, the last with the latest moment.
        if (self && nested < 3) {
            ++nested;
            self->logic().setSelectedMoment(MakeDateTime(2024, 5, 1, 12, nested));
            self->Calculate();
        }
    });
    self = window.get();
    QSignalSpy passes(&window->logic(), &CalenLogic::pictureChanged);
    QSignalSpy calculations(&window->logic(), &CalenLogic::calculationFinished);
    showMoment(*window, MakeDateTime(2024, 3, 20, 12, 0));
    EXPECT_EQ(nested, 3);
    EXPECT_EQ(passes.count(), 2);
    EXPECT_EQ(calculations.count(), 1);
    EXPECT_EQ(window->logic().reading().moment, MakeDateTime(2024, 5, 1, 12, 3));
}

TEST_F(CalenTest, AMomentTheEngineRefusesKeepsThePreviousValues)
{
    const auto window = openAt(MakeDateTime(2024, 3, 20, 12, 0));
    const QString period = window->Label3()->text();
    showMoment(*window, MakeDateTime(100, 1, 5, 12, 0));
    EXPECT_EQ(window->Label3()->text(), period);
    EXPECT_EQ(window->Label5()->text(), QStringLiteral("20"));
    // The pickers do not go there at all.
    window->SetPicker(window->DTPicker1(), MakeDateTime(100, 1, 5, 12, 0));
    EXPECT_EQ(window->DTPicker1().value(), CalenLogic::firstMoment());
    window->SetPicker(window->DTPicker1(), MakeDateTime(9999, 12, 30, 12, 0));
    EXPECT_EQ(window->DTPicker1().value(), CalenLogic::lastMoment());
}

TEST_F(CalenTest, TheWindowAgreesWithTheCalendarTool)
{
    const QString tool = qEnvironmentVariable("SOMNAR_BIN_DIR") + QStringLiteral("/somnar-calendar");
    const QStringList moments = {QStringLiteral("2024-03-10T12:10:00"), QStringLiteral("2024-03-17T23:50:00"),
                                 QStringLiteral("2025-07-01T03:00:00"), QStringLiteral("1999-12-31T23:59:59"),
                                 QStringLiteral("2031-02-14T18:30:00")};
    QProcess process;
    process.start(tool, QStringList {QStringLiteral("--lat"), QStringLiteral("55.75"), QStringLiteral("--lon"),
                                     QStringLiteral("37.5833"), QStringLiteral("--utc-offset"), QStringLiteral("180"),
                                     QStringLiteral("--csv")} + moments);
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), moments.size() + 1);

    const auto window = openAt(MakeDateTime(2024, 3, 20, 12, 0));
    for (int i = 0; i < moments.size(); ++i) {
        const QStringList fields = lines[i + 1].split(u',');
        showMoment(*window, CalendarMoment(QDateTime::fromString(moments[i], Qt::ISODate)));
        const CalendarReading &reading = window->logic().reading();
        EXPECT_EQ(window->Label16()->text(), fields[4]) << moments[i].toStdString();
        EXPECT_EQ(ToPickerValue(reading.lunarDay.start).toString(Qt::ISODate).left(19), fields[5]);
        EXPECT_EQ(ToPickerValue(reading.lunarDay.end).toString(Qt::ISODate).left(19), fields[6]);
    }
}

TEST_F(CalenTest, TheTownLabelOpensTheLocationOptionsAndTheReadingFollowsTheTown)
{
    const auto window = openAt(MakeDateTime(2024, 4, 9, 5, 0));
    const QString moscowPeriod = window->Label3()->text();
    int opened = 0;
    window->setLocationOptions([&](QWidget *parent) {
        ++opened;
        EXPECT_EQ(parent, window.get());
        saveTown(QStringLiteral("Сидней"), 33, 52, -1, 151, 12, 1);
    });
    window->Label7_Click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(window->Label7()->text(), QStringLiteral("Сидней"));
    EXPECT_TRUE(window->Label9()->text().contains(QStringLiteral("ю.ш.")));
    EXPECT_NE(window->Label3()->text(), moscowPeriod);
}

TEST_F(CalenTest, EscCloses)
{
    const auto window = openAt(MakeDateTime(2024, 3, 20, 12, 0));
    window->show();
    QSignalSpy closed(window.get(), &Calen::closed);
    QTest::keyClick(window->DTPicker2().hWnd(), Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CalenTest, ThePhaseAnimationRunsThroughTheMonthAndReturns)
{
    const auto window = openAt(MakeDateTime(2024, 3, 20, 12, 0));
    const int lunarDay = window->shownPicture();
    QList<int> shown;
    QObject::connect(&window->logic(), &CalenLogic::pictureChanged, [&](int n) { shown << n; });
    window->Picture2_DblClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->logic().animating(); }, 6000));
    QList<int> expected;
    for (int n = 1; n <= 28; ++n)
        expected << n;
    expected << lunarDay;
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(window->shownPicture(), lunarDay);
}

TEST_F(CalenTest, TheMainWindowsCalendarOpensOneWindowAtTheCurrentMomentAndAFreshOneAfterClosing)
{
    Form1 form(settings, qEnvironmentVariable("SOMNAR_BIN_DIR") + QStringLiteral("/Books"));
    auto *connector = new CalenConnector(form, settings);
    const double before = CurrentLocalMoment();
    emit form.calendarRequested();
    QPointer<Calen> first = connector->window();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->parentWidget(), &form);
    EXPECT_GE(first->logic().selectedMoment(), before);
    EXPECT_LE(first->logic().selectedMoment(), astro::AddDays(CurrentLocalMoment(), kSecond));
    EXPECT_FALSE(first->Label16()->text().isEmpty());

    connector->ShowCalendar();
    EXPECT_EQ(connector->window(), first.data());
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    connector->ShowCalendar();
    EXPECT_NE(connector->window(), nullptr);
}

TEST_F(CalenTest, TheTownLabelOpensTheOptionsWindowModalOnItsLocationTab)
{
    Form1 form(settings, qEnvironmentVariable("SOMNAR_BIN_DIR") + QStringLiteral("/Books"));
    auto *connector = new CalenConnector(form, settings);
    connector->ShowCalendar();
    Calen *window = connector->window();
    int tab = -1;
    QTimer::singleShot(0, [&] {
        auto *options = qobject_cast<OptionsForm *>(QApplication::activeModalWidget());
        ASSERT_NE(options, nullptr);
        tab = options->TabStrip1()->currentIndex();
        saveTown(QStringLiteral("Сидней"), 33, 52, -1, 151, 12, 1);
        options->reject();
    });
    window->Label7_Click();
    EXPECT_EQ(tab, 1);
    EXPECT_EQ(window->Label7()->text(), QStringLiteral("Сидней"));
}

TEST_F(CalenTest, TheHelpPageShipsAndOpensInTheBrowser)
{
    const QString page = qEnvironmentVariable("SOMNAR_BIN_DIR") + QStringLiteral("/help/lunar-day.html");
    ASSERT_TRUE(QFile::exists(page));
    Browser browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
    EXPECT_TRUE(OpenLunarDayHelp(nullptr, page));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(browser.urls.size(), 1);
    EXPECT_EQ(browser.urls.front(), QUrl::fromLocalFile(page));

    QStringList messages;
    setMessageHandler([&](QMessageBox::Icon, const QString &, const QString &text) { messages << text; });
    EXPECT_FALSE(OpenLunarDayHelp(nullptr, page + QStringLiteral(".missing")));
    EXPECT_EQ(messages.size(), 1);
    setMessageHandler({});
}

}

#include "calen_test.moc"
