#include "diary/diarystore.h"
#include "diarytestsupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar::diary;
using somnar::test::At;
using somnar::test::Dream;

namespace {

class Diary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(store.open(), DiaryOpenResult::Opened) << store.message().toStdString(); }

    qint64 add(const QString &title, const QString &text, const QDateTime &moment, QStringList tags = {})
    {
        DiaryEntry entry = Dream(title, text, moment, std::move(tags));
        EXPECT_TRUE(store.save(entry)) << store.message().toStdString();
        return entry.id;
    }

    QTemporaryDir dir;
    DiaryStore store {dir.filePath(QStringLiteral("diary.sqlite"))};
};

TEST_F(Diary, SavedEntryReadsBackWholeAndChangesKeepCreated)
{
    DiaryEntry entry = Dream(QStringLiteral("Лес"), QStringLiteral("Шёл по лесу.\nВторая строка."),
                             At(2026, 12, 9, 4, 30), {QStringLiteral("лес"), QStringLiteral("ночь")});
    entry.vividness = 9;
    entry.lunarDay = 12;
    entry.lunarPlace = QStringLiteral("55.7500 37.5833 180");
    ASSERT_TRUE(store.save(entry));
    EXPECT_GT(entry.id, 0);
    EXPECT_EQ(entry.vividness, 5);
    EXPECT_EQ(store.entry(entry.id), entry);

    DiaryEntry changed = entry;
    changed.title = QStringLiteral("Тёмный лес");
    changed.created = {};
    ASSERT_TRUE(store.save(changed));
    EXPECT_EQ(changed.id, entry.id);
    EXPECT_EQ(changed.created, entry.created);
    EXPECT_EQ(store.entry(entry.id), changed);
    EXPECT_EQ(store.count(), 1);
}

TEST_F(Diary, EntryWithoutAMomentIsSavedAtTheDefaultOne)
{
    DiaryEntry entry = Dream(QStringLiteral("Когда?"), {}, QDateTime());
    ASSERT_TRUE(store.save(entry));
    EXPECT_EQ(store.entry(entry.id)->moment, DefaultDreamMoment());
}

TEST_F(Diary, ListsNewestMomentFirst)
{
    const qint64 middle = add(QStringLiteral("Б"), {}, At(2026, 5, 2));
    const qint64 oldest = add(QStringLiteral("А"), {}, At(2025, 1, 1));
    const qint64 newest = add(QStringLiteral("В"), {}, At(2026, 11, 30, 23, 59));
    const qint64 sameMoment = add(QStringLiteral("Г"), {}, At(2026, 5, 2));

    QList<qint64> listed;
    for (const EntrySummary &summary : store.summaries())
        listed << summary.id;
    EXPECT_EQ(listed, (QList<qint64> {newest, sameMoment, middle, oldest}));
    EXPECT_EQ(store.search({}), listed);
}

TEST_F(Diary, CachedLunarDayReachesTheListWithoutChangingTheEntry)
{
    const qint64 id = add(QStringLiteral("Луна"), {}, At(2026, 12, 10));
    const DiaryEntry before = *store.entry(id);
    ASSERT_TRUE(store.setLunarDay(id, 21, QStringLiteral("55.0333 82.9167 420")));

    const EntrySummary summary = store.summaries().first();
    EXPECT_EQ(summary.lunarDay, 21);
    EXPECT_EQ(summary.lunarPlace, QStringLiteral("55.0333 82.9167 420"));
    EXPECT_EQ(store.entry(id)->changed, before.changed);
}

TEST_F(Diary, RemovedEntryComesBackWithItsIdAndIsFoundAgain)
{
    const qint64 kept = add(QStringLiteral("Река"), QStringLiteral("Плыла по реке"), At(2026, 3, 1));
    const qint64 id = add(QStringLiteral("Кошка"), QStringLiteral("Видела кошку"), At(2026, 3, 2));
    const DiaryEntry before = *store.entry(id);

    const std::optional<DiaryEntry> removed = store.remove(id);
    ASSERT_TRUE(removed);
    EXPECT_EQ(*removed, before);
    EXPECT_FALSE(store.entry(id));
    EXPECT_TRUE(store.search(QStringLiteral("кошка")).isEmpty());

    ASSERT_TRUE(store.restore(*removed));
    EXPECT_EQ(store.entry(id), before);
    EXPECT_EQ(store.search(QStringLiteral("кошка")), QList<qint64> {id});
    EXPECT_FALSE(store.restore(*removed)) << "an id already there is not overwritten";
    EXPECT_EQ(store.entry(kept)->title, QStringLiteral("Река"));
}

TEST_F(Diary, SearchFoldsCaseAndYoAndFindsFormsAndPhrases)
{
    const qint64 hedgehog = add(QStringLiteral("Ёжик в тумане"), QStringLiteral("Туман стоял над рекой, ЁЛКИ чернели."),
                                At(2026, 1, 10), {QStringLiteral("лес")});
    const qint64 cat = add(QStringLiteral("Кошка"), QStringLiteral("Я видела чёрную кошку у реки."), At(2026, 1, 11));
    const QList<qint64> none;
    const QList<qint64> both {cat, hedgehog};

    const struct {
        const char *query;
        QList<qint64> found;
    } cases[] = {
        {"ежик", {hedgehog}},
        {"ЕЖИК", {hedgehog}},
        {"ёлки", {hedgehog}},
        {"елка", {hedgehog}},
        {"кошки", {cat}},
        {"Черная", {cat}},
        {"река", both},
        {"лес", {hedgehog}},
        {"кошка река", {cat}},
        {"\"чёрную кошку\"", {cat}},
        {"\"кошку чёрную\"", none},
        {"\"видела кошки\"", none},
        {"собака", none},
        {"кошка собака", none},
        {"\"", both},
        {"*", both},
        {"кош*", none},
        {"кошка\"", {cat}},
        {"\"чёрную кошку", {cat}},
        {"NEAR(кошка река)", none},
        {"кошка OR ежик", none},
        {"-кошка", {cat}},
        {"words:кошка", none},
        {"^кошка", {cat}},
        {"(((", both},
        {"r\u05a1e", none},
        {"кошка \x01\x04", {cat}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(store.search(QString::fromUtf8(c.query)), c.found) << c.query;
        EXPECT_TRUE(store.message().isEmpty()) << c.query << ": " << store.message().toStdString();
    }
}

}
