// Books written by the writer are read back exactly by the reader, value for value.

#include "bookfixtures.h"

#include "dictionary/bookfile/bookwriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace somnar;
using namespace somnar::test;

namespace {

struct RoundTripCase {
    const char *name;
    std::function<BookConfig()> config;
    std::function<std::vector<BookArticle>()> articles;
};

std::vector<BookArticle> manyArticles(int count)
{
    std::vector<BookArticle> articles;
    for (int i = count - 1; i >= 0; --i) {   // written out of word order on purpose
        BookArticle a{headword(i), packedArticle(quint32(i), 40 + i % 400), std::nullopt};
        if (i % 2)
            a.links = Pack(cp1251(QStringLiteral("Вода; Дорога; %1.").arg(headword(i + 1))));
        articles.push_back(std::move(a));
    }
    return articles;
}

// Inline, single-page and multi-page long values, and bytes that survive only if nothing
// converts them: 0x00 and 0x98 among them.
std::vector<BookArticle> longArticles()
{
    return {{QStringLiteral("Долгий"), everyByte(300 * 1024), Pack(cp1251(QStringLiteral("Короткий.")))},
            {QStringLiteral("Средний"), everyByte(1500), everyByte(700)},
            {QStringLiteral("Короткий"), everyByte(300), std::nullopt},
            {QStringLiteral("Пустой"), QByteArray(), QByteArray()}};
}

const RoundTripCase kCases[] = {
    {"EmptyTable", sampleConfig, [] { return std::vector<BookArticle>{}; }},
    {"OneRecord", sampleConfig,
     [] {
         return std::vector<BookArticle>{{QStringLiteral("Кошка"), packedArticle(1, 120),
                                          Pack(cp1251(QStringLiteral("Собака; Мышь.")))}};
     }},
    {"TwentyThousandRecords", sampleConfig, [] { return manyArticles(20000); }},
    {"LongArticle", sampleConfig, longArticles},
    {"NullLinks", sampleConfig,
     [] {
         std::vector<BookArticle> articles = manyArticles(50);
         for (BookArticle &a : articles)
             a.links.reset();
         return articles;
     }},
    {"NullColorAndIcon",
     [] {
         BookConfig config = sampleConfig();
         config.color.reset();
         config.icon.reset();
         return config;
     },
     [] { return manyArticles(3); }},
    {"Icon",
     [] {
         BookConfig config = sampleConfig();
         config.icon = everyByte(5000);
         return config;
     },
     [] { return manyArticles(3); }},
    {"SmallIcon",
     [] {
         BookConfig config = sampleConfig();
         config.icon = everyByte(600);
         config.color = QString();
         return config;
     },
     [] { return manyArticles(3); }},
};

class BookRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(BookRoundTrip, ReaderReturnsEveryValueExactly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.book"));
    const BookConfig config = GetParam().config();
    const std::vector<BookArticle> articles = GetParam().articles();
    writeBook(path, config, articles);

    const BookDatabase book = BookDatabase::open(path);
    EXPECT_EQ(book.config().toolName, config.toolName);
    EXPECT_EQ(book.config().tolkName, config.tolkName);
    EXPECT_EQ(book.config().color, config.color);
    EXPECT_EQ(book.config().icon, config.icon);

    const std::vector<BookArticle> expected = inWordOrder(articles);
    ASSERT_EQ(book.recordCount(), qsizetype(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        const BookArticle &got = book.record(qsizetype(i));
        ASSERT_EQ(got.list, expected[i].list) << "record " << i;
        ASSERT_EQ(got.text, expected[i].text) << "record " << i;
        ASSERT_EQ(got.links, expected[i].links) << "record " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Books, BookRoundTrip, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(BookWriter, RefusesHeadwordLongerThanTheField)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.book"));
    const std::vector<BookArticle> articles{{QString(256, QChar(0x0436)), QByteArray("x"), std::nullopt}};
    try {
        writeBook(path, sampleConfig(), articles);
        FAIL() << "no error";
    } catch (const BookError &e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(path)) << e.what();
    }
    EXPECT_FALSE(QFile::exists(path));
}

}
