#include "diary/diaryentry.h"
#include "diarytestsupport.h"

#include <gtest/gtest.h>

using namespace somnar::diary;
using somnar::test::At;

namespace {

TEST(DiaryEntry, NewDreamIsThisMorningsAtFive)
{
    for (const QDateTime &now : {At(2026, 12, 10, 9, 30), At(2026, 12, 10, 0, 10), At(2026, 12, 10, 23, 59)})
        EXPECT_EQ(NewDiaryEntry(now).moment, At(2026, 12, 10, 5, 0)) << now.toString(Qt::ISODate).toStdString();
}

TEST(DiaryEntry, TagsAsTyped)
{
    const struct {
        const char *typed;
        QStringList tags;
        const char *shown;
    } cases[] = {
        {"", {}, ""},
        {" вода ,  дом", {"вода", "дом"}, "вода, дом"},
        {"вода,,Вода, ВОДА , полёт", {"вода", "полёт"}, "вода, полёт"},
        {"  страшный   сон ,", {"страшный сон"}, "страшный сон"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(TagsFromText(QString::fromUtf8(c.typed)), c.tags) << c.typed;
        EXPECT_EQ(TagsToText(c.tags), QString::fromUtf8(c.shown));
    }
}

}
