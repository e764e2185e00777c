#include "app/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

TEST(SettingsStore, AwkwardNamesAndValuesRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/Somnar3.ini");
    const QString pairs[][2] = {
        {"/home/user/Мои книги/сонник = 1; новый.book", "1"},
        {"/opt/somnar/Books/a.book", "0"},
        {"[not a section]", "value with = and ; and # inside"},
        {" leading and trailing ", "  padded  "},
        {"percent%name", "50% off\r\nsecond line"},
        {"LastWord", "Кошка"},
        {"empty", ""},
        {"\u00A0no-break space name\v", "\fvalue ends in a no-break space\u00A0"},
        {"\u0085next line", "\u3000wide space at the start and\u3000inside"},
    };
    {
        SettingsStore store(path);
        for (const auto &p : pairs)
            ASSERT_TRUE(store.save(kBooksSection, p[0], p[1]));
        store.save(kMainSection, "Top", 1234);
        store.save(kMainSection, "ToTray", true);
        store.save(kLocationSection, "CityName", QStringLiteral("Москва"));
    }
    SettingsStore reread(path);
    for (const auto &p : pairs)
        EXPECT_EQ(reread.get(kBooksSection, p[0], "missing"), p[1]) << p[0].toStdString();
    EXPECT_EQ(reread.getInt(kMainSection, "Top", 0), 1234);
    EXPECT_TRUE(reread.getBool(kMainSection, "ToTray", false));
    EXPECT_EQ(reread.get(kLocationSection, "CityName"), QStringLiteral("Москва"));
    EXPECT_EQ(reread.get(kMainSection, "CityName", "none"), "none");
}

TEST(SettingsStore, MissingOrGarbageValuesGiveTheDefault)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Somnar3.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("garbage line without equals\n[Somnar3]\nWidth=wide\nHeight=6100.5x\nToTray=maybe\n"
               "ListMode=0\n=nameless\n\xff\xfe\x00 binary\n[UserLocation\nSM=-1\n");
    file.close();

    SettingsStore store(path);
    EXPECT_EQ(store.getInt(kMainSection, "Width", 4100), 4100);
    EXPECT_EQ(store.getNumber(kMainSection, "Height", 6100), 6100);
    EXPECT_FALSE(store.getBool(kMainSection, "ToTray", false));
    EXPECT_EQ(store.getInt(kMainSection, "ListMode", 1), 0);
    EXPECT_EQ(store.getInt(kMainSection, "UnloadQ", 0), 0);
    EXPECT_EQ(store.get(kLocationSection, "CityName", "Москва"), "Москва");

    SettingsStore absent(dir.filePath("no/such/file.ini"));
    EXPECT_EQ(absent.getInt(kLocationSection, "SGraduses", 55), 55);
}

TEST(SettingsStore, FailedRenameLeavesTheOldFileIntact)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Somnar3.ini");
    SettingsStore store(path);
    ASSERT_TRUE(store.save(kMainSection, "Top", 100));
    const QByteArray before = readAll(path);

    store.setRenameFunction([](const QString &, const QString &) { return false; });
    EXPECT_FALSE(store.save(kMainSection, "Top", 200));
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Somnar3.ini"});
    EXPECT_EQ(SettingsStore(path).getInt(kMainSection, "Top", 0), 100);
}
