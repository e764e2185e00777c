// The calendar's reading of a dream's moment at the saved town is what somnar-calendar prints
// for the same moment there.
#include "app/settingsstore.h"
#include "astro/datetime.h"
#include "diary/dreamcalendar.h"
#include "diarytestsupport.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::diary;
using somnar::test::At;

namespace {

QString Moment(double value)
{
    const astro::CivilDateTime t = astro::ToCivil(value);
    return QStringLiteral("%1-%2-%3T%4:%5:%6")
        .arg(t.year, 4, 10, QLatin1Char('0'))
        .arg(t.month, 2, 10, QLatin1Char('0'))
        .arg(t.day, 2, 10, QLatin1Char('0'))
        .arg(t.hour, 2, 10, QLatin1Char('0'))
        .arg(t.minute, 2, 10, QLatin1Char('0'))
        .arg(t.second, 2, 10, QLatin1Char('0'));
}

QString Csv(const QStringList &fields)
{
    QStringList quoted;
    for (QString field : fields) {
        if (field.contains(u',') || field.contains(u'"')) {
            field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            field = u'"' + field + u'"';
        }
        quoted << field;
    }
    return quoted.join(u',');
}

QString CsvOf(const calendar::CalendarReading &r)
{
    return Csv({Moment(r.moment), QString::number(r.weekday), r.weekdayName, QString::number(r.day),
                QString::number(r.lunarDay.number), Moment(r.lunarDay.start), Moment(r.lunarDay.end), r.weekdayText,
                r.dayText, r.lunarText});
}

QStringList ToolLines(const QStringList &moments, int offsetMinutes)
{
    QProcess tool;
    tool.start(qEnvironmentVariable("SOMNAR_BIN_DIR") + QStringLiteral("/somnar-calendar"),
               QStringList {QStringLiteral("--csv"), QStringLiteral("--utc-offset"), QString::number(offsetMinutes)}
                   + moments);
    EXPECT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeFirst();
    return lines;
}

TEST(DreamCalendar, ReadsWhatTheCalendarToolPrintsAtTheSavedTown)
{
    const struct {
        const char *name;
        UserLocation town;
        int offsetMinutes;
    } towns[] = {
        {"Новосибирск", [] { UserLocation t; t.latitudeDegrees = 55; t.latitudeMinutes = 2; t.longitudeDegrees = 82;
                             t.longitudeMinutes = 55; return t; }(), 420},
        {"Буэнос-Айрес", [] { UserLocation t; t.latitudeDegrees = 34; t.latitudeMinutes = 36; t.latitudeSign = -1;
                              t.longitudeDegrees = 58; t.longitudeMinutes = 22; t.longitudeSign = -1; return t; }(), -180},
    };
    const QList<QDateTime> moments {At(2026, 12, 10), At(2024, 3, 10, 12, 10), At(2026, 12, 20, 3, 43),
                                    At(1901, 6, 30, 23, 59), At(2431, 1, 1, 0, 1)};
    for (const auto &town : towns) {
        SCOPED_TRACE(town.name);
        ProgramOptions options;
        options.location = town.town;
        options.location.cityName = QString::fromUtf8(town.name);
        ASSERT_TRUE(SaveProgramOptions(SettingsStore::instance(), options));

        QStringList texts;
        for (const QDateTime &moment : moments)
            texts << moment.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        const QStringList expected = ToolLines(texts, town.offsetMinutes);
        ASSERT_EQ(expected.size(), moments.size());

        astro::FixedUtcOffset offset(town.offsetMinutes);
        DreamCalendar calendar(ReadProgramOptions(SettingsStore::instance()).location, offset);
        for (qsizetype i = 0; i < moments.size(); ++i) {
            const std::optional<calendar::CalendarReading> reading = calendar.read(moments[i]);
            ASSERT_TRUE(reading && reading->lunarDayFound) << texts[i].toStdString();
            EXPECT_EQ(CsvOf(*reading), expected[i]);
        }
    }
}

TEST(DreamCalendar, NothingOutsideTheCalendarsYears)
{
    astro::FixedUtcOffset moscowTime(180);
    DreamCalendar calendar(UserLocation {}, moscowTime);
    for (const QDateTime &moment : {At(99, 12, 31), At(100, 1, 2), At(9999, 12, 30), At(10000, 1, 1), QDateTime()})
        EXPECT_FALSE(calendar.read(moment)) << moment.toString(Qt::ISODate).toStdString();
    EXPECT_TRUE(calendar.read(At(2026, 12, 10)));
}

}
