// Seek "=" and word order: without regard to case, ё with е.

#include "bookfixtures.h"

#include "dictionary/bookfile/bookwriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::test;

namespace {

class BookSeek : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath(QStringLiteral("book.book"));
        std::vector<BookArticle> articles;
        for (const char *word : {"Яблоко", "ёж", "Ель", "Еда", "кошка", "Жук", "Абрикос", "Ёлка", "Я", "Дом"})
            articles.push_back({QString::fromUtf8(word), Pack(cp1251(QString::fromUtf8(word))), std::nullopt});
        writeBook(path, sampleConfig(), articles);
        book = std::make_unique<BookDatabase>(BookDatabase::open(path));
    }

    QStringList words() const
    {
        QStringList list;
        for (qsizetype i = 0; i < book->recordCount(); ++i)
            list << book->record(i).list;
        return list;
    }

    QTemporaryDir dir;
    std::unique_ptr<BookDatabase> book;
};

TEST_F(BookSeek, WalkIsInRussianWordOrder)
{
    EXPECT_EQ(words().join(QLatin1Char(' ')), QStringLiteral("Абрикос Дом Еда ёж Ёлка Ель Жук кошка Я Яблоко"));
}

struct SeekCase {
    const char *word;
    const char *found;   // nullptr: no record
};

TEST_F(BookSeek, FindsTheSameWordWithoutRegardToCase)
{
    const SeekCase cases[] = {
        {"кошка", "кошка"}, {"КОШКА", "кошка"}, {"Кошка", "кошка"},   // stored only in lower case
        {"ЁЖ", "ёж"},       {"ЯБЛОКО", "Яблоко"}, {"я", "Я"},
        {"еж", nullptr},    {"кошк", nullptr},    {"Кошки", nullptr}, {"", nullptr}, {"Ящик", nullptr},
    };
    for (const SeekCase &c : cases) {
        const qsizetype i = book->seek(QString::fromUtf8(c.word));
        if (!c.found) {
            EXPECT_EQ(i, -1) << c.word;
            continue;
        }
        ASSERT_GE(i, 0) << c.word;
        EXPECT_EQ(book->record(i).list, QString::fromUtf8(c.found)) << c.word;
        EXPECT_EQ(Unpack(*book->record(i).text), QString::fromUtf8(c.found));
    }
}

TEST(BookSeekDuplicates, FirstOfWordsThatDifferOnlyInCase)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.book"));
    writeBook(path, sampleConfig(),
              {{QStringLiteral("Мост"), QByteArray("1"), std::nullopt},
               {QStringLiteral("мост"), QByteArray("2"), std::nullopt},
               {QStringLiteral("Море"), QByteArray("3"), std::nullopt}});
    const BookDatabase book = BookDatabase::open(path);
    const qsizetype i = book.seek(u"МОСТ");
    ASSERT_EQ(i, 1);
    EXPECT_EQ(*book.record(i).text, QByteArray("1"));
}

}
