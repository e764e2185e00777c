#include "app/settingsstore.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

// The tool and these tests read the settings from a private folder, never the user's own.
class PrivateSettingsFolder : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        qputenv("XDG_CONFIG_HOME", m_folder.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("HOME", m_folder.path().toLocal8Bit());
    }

private:
    QTemporaryDir m_folder;
};

const auto *const kPrivateSettings = ::testing::AddGlobalTestEnvironment(new PrivateSettingsFolder);

ToolRun RunTool(const QStringList &arguments)
{
    QProcess process;
    process.start(qEnvironmentVariable("SOMNAR_BIN_DIR", QStringLiteral(SOMNAR_TOOL_DIR)) + QStringLiteral("/somnar-calendar"),
                  arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    ToolRun run;
    run.exitCode = process.exitCode();
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TEST(CalendarTool, CalendarCsv)
{
    const ToolRun run = RunTool({QStringLiteral("--csv"), QStringLiteral("--utc-offset"), QStringLiteral("180"),
                             QStringLiteral("--lat"), QStringLiteral("55.75"), QStringLiteral("--lon"),
                             QStringLiteral("37.5833"), QStringLiteral("2024-03-10T12:10:00")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_EQ(run.lines[0],
              QStringLiteral("moment,weekday,weekday_name,day,lunar_day,start,end,weekday_text,day_text,lunar_text"));
    EXPECT_EQ(run.lines[1],
              QStringLiteral("2024-03-10T12:10:00,7,Воскресенье,10,1,2024-03-10T12:01:32,2024-03-11T07:25:05,"
                             "\"Сны сбываются до обеда. Или сбываются, если не рассказывать.\","
                             "Сны обычно предупреждают о затруднениях.,"
                             "Сон в этот день исполняется в точности и предзнаменует доброе."));
}

TEST(CalendarTool, OptionsAfterArgumentsAndNegativeValues)
{
    const ToolRun run = RunTool({QStringLiteral("2024-04-09T12:00:00"), QStringLiteral("--lat"), QStringLiteral("-33.8667"),
                             QStringLiteral("--lon=151.2"), QStringLiteral("--utc-offset"), QStringLiteral("600"),
                             QStringLiteral("--csv")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_TRUE(run.lines[1].startsWith(QStringLiteral("2024-04-09T12:00:00,2,Вторник,9,2,2024-04-09T06:24:18,2024-04-10T07:37:23,")))
        << run.lines[1].toStdString();
}

TEST(CalendarTool, PlaceComesFromTheSavedSettings)
{
    somnar::SettingsStore store;
    ASSERT_TRUE(store.save(somnar::kLocationSection, QStringLiteral("SGraduses"), 33));
    store.save(somnar::kLocationSection, QStringLiteral("SMinutes"), 52);
    store.save(somnar::kLocationSection, QStringLiteral("SM"), -1);
    store.save(somnar::kLocationSection, QStringLiteral("DGraduses"), 151);
    store.save(somnar::kLocationSection, QStringLiteral("DMinutes"), 12);
    store.save(somnar::kLocationSection, QStringLiteral("DM"), 1);
    const ToolRun saved = RunTool({QStringLiteral("--csv"), QStringLiteral("--utc-offset"), QStringLiteral("600"),
                               QStringLiteral("2024-04-09T12:00:00")});
    const ToolRun explicitPlace = RunTool({QStringLiteral("--csv"), QStringLiteral("--utc-offset"), QStringLiteral("600"),
                                       QStringLiteral("--lat"), QStringLiteral("-33.8667"), QStringLiteral("--lon"),
                                       QStringLiteral("151.2"), QStringLiteral("2024-04-09T12:00:00")});
    ASSERT_EQ(saved.exitCode, 0) << saved.errors.toStdString();
    EXPECT_EQ(saved.lines, explicitPlace.lines);
    store.save(somnar::kLocationSection, QStringLiteral("SGraduses"), 95);
    EXPECT_EQ(RunTool({QStringLiteral("2024-04-09T12:00:00")}).exitCode, 2);
}

TEST(CalendarTool, MoonriseCsvWithSpecialValues)
{
    const ToolRun run = RunTool({QStringLiteral("moonrise"), QStringLiteral("--csv"), QStringLiteral("--lat"),
                             QStringLiteral("89"), QStringLiteral("--lon"), QStringLiteral("0"),
                             QStringLiteral("2024-03-10"), QStringLiteral("2024-03-25")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 3);
    EXPECT_EQ(run.lines[0], QStringLiteral("date,rise,set,rise_time,set_time"));
    EXPECT_EQ(run.lines[1], QStringLiteral("2024-03-10,-1,-1,,"));
    EXPECT_TRUE(run.lines[2].startsWith(QStringLiteral("2024-03-25,0,45376.1607"))) << run.lines[2].toStdString();
    EXPECT_TRUE(run.lines[2].endsWith(QStringLiteral(",,2024-03-25T03:51:28"))) << run.lines[2].toStdString();
}

TEST(CalendarTool, PhasesCsv)
{
    const ToolRun run = RunTool({QStringLiteral("phases"), QStringLiteral("2024-03-01"), QStringLiteral("2024-03-10"),
                             QStringLiteral("--csv")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 3);
    EXPECT_EQ(run.lines[0], QStringLiteral("lunation,phase,jde,time"));
    EXPECT_TRUE(run.lines[1].startsWith(QStringLiteral("1251,3,2460373.142216"))) << run.lines[1].toStdString();
    EXPECT_TRUE(run.lines[1].endsWith(QStringLiteral(",2024-03-03T15:24:47")));
    EXPECT_TRUE(run.lines[2].startsWith(QStringLiteral("1252,0,2460379.876059"))) << run.lines[2].toStdString();
    EXPECT_TRUE(run.lines[2].endsWith(QStringLiteral(",2024-03-10T09:01:32")));
}

TEST(CalendarTool, HumanOutputs)
{
    const ToolRun calendar = RunTool({QStringLiteral("--utc-offset"), QStringLiteral("180"), QStringLiteral("--lat"),
                                  QStringLiteral("55.75"), QStringLiteral("--lon"), QStringLiteral("37.5833"),
                                  QStringLiteral("2024-03-10T12:10:00")});
    ASSERT_EQ(calendar.exitCode, 0);
    EXPECT_TRUE(calendar.lines.contains(QStringLiteral("Лунный день: 1 (2024-03-10T12:01:32 - 2024-03-11T07:25:05)")));
    const ToolRun now = RunTool({QStringLiteral("--lat"), QStringLiteral("0"), QStringLiteral("--lon"), QStringLiteral("0")});
    EXPECT_EQ(now.exitCode, 0);
    EXPECT_TRUE(now.lines.value(0).startsWith(QStringLiteral("Момент: ")));
    const ToolRun help = RunTool({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.lines.value(0).startsWith(QStringLiteral("Usage:")));
}

TEST(CalendarTool, BadInputEndsWithStatusTwo)
{
    const QStringList cases[] = {
        {QStringLiteral("2024-13-01T00:00:00")},
        {QStringLiteral("2024-02-30T00:00:00")},
        {QStringLiteral("yesterday")},
        {QStringLiteral("0099-12-31T00:00:00")},
        {QStringLiteral("10000-01-01T00:00:00")},
        {QStringLiteral("9999-12-31T12:00:00")},
        {QStringLiteral("--utc-offset"), QStringLiteral("60"), QStringLiteral("0100-01-01T00:30:00")},
        {QStringLiteral("--lat"), QStringLiteral("90.5")},
        {QStringLiteral("--lat"), QStringLiteral("north")},
        {QStringLiteral("--lon"), QStringLiteral("-180.01")},
        {QStringLiteral("--utc-offset"), QStringLiteral("841")},
        {QStringLiteral("--utc-offset"), QStringLiteral("-900")},
        {QStringLiteral("--lat")},
        {QStringLiteral("--frobnicate")},
        {QStringLiteral("moonrise")},
        {QStringLiteral("moonrise"), QStringLiteral("2024-03-10T25:00:00")},
        {QStringLiteral("phases"), QStringLiteral("2024-03-10")},
        {QStringLiteral("phases"), QStringLiteral("2024-03-10"), QStringLiteral("2024-03-01")},
    };
    for (const QStringList &arguments : cases) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.errors.startsWith(QStringLiteral("somnar-calendar: "))) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.lines.isEmpty()) << arguments.join(u' ').toStdString();
    }
}

}
