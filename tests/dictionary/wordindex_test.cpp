#include "dictionary/bookcatalogue.h"
#include "dictionary/wordindex.h"

#include "mainwindow_testsupport.h"

using namespace somnar;
using namespace somnar::testing;

namespace {

class WordIndexTest : public ::testing::Test {
protected:
    void load(std::initializer_list<TestBook> books)
    {
        for (const TestBook &book : books)
            folder.add(book);
        SettingsStore settings(folder.settingsPath());
        ASSERT_EQ(catalogue.load(folder.folder(), settings), BookCatalogue::LoadResult::Loaded);
        index.build(catalogue);
    }

    std::vector<QString> words() const { return index.words(); }

    BookFolder folder;
    BookCatalogue catalogue;
    WordIndex index;
};

}

TEST_F(WordIndexTest, MergesBooksOnceEachInRussianOrder)
{
    load({{"1.book", "Один", {"ёж", "Ель", "баня", "Ёлка", "еж"}},
          {"2.book", "Два", {"Баня", "ЕЛЬ", "яма", "Аист"}}});
    EXPECT_EQ(words(), (std::vector<QString>{"Аист", "баня", "еж", "ёж", "Ёлка", "Ель", "яма"}))
        << "one item per word, the first book's spelling, е before ё in otherwise equal words";
    EXPECT_EQ(index.articleTotal(), 9) << "shared words count once per book";
}

TEST_F(WordIndexTest, FollowsTheSwitchedOnBooks)
{
    load({{"1.book", "Один", {"Дом", "Лес"}}, {"2.book", "Два", {"дом", "Море"}}});
    catalogue.setSwitchedOn(0, false);
    index.build(catalogue);
    EXPECT_EQ(words(), (std::vector<QString>{"дом", "Море"}));
    EXPECT_EQ(index.articleTotal(), 2);

    catalogue.switchAll(false);
    index.build(catalogue);
    EXPECT_TRUE(words().empty());
    EXPECT_EQ(index.articleTotal(), 0);
    EXPECT_EQ(index.findPrefix(u"д"), -1);
}

TEST_F(WordIndexTest, FindsTheFirstWordByItsBeginning)
{
    load({{"1.book", "Один", {"Абажур", "абрикос", "Аист", "ёж", "Ежевика", "Ёлка", "ель"}}});
    // Word order: Абажур, абрикос, Аист, ёж, Ежевика, Ёлка, ель.
    ASSERT_EQ(words()[3], QStringLiteral("ёж"));
    const struct {
        const char16_t *text;
        qsizetype position;
    } cases[] = {
        {u"аб", 0}, {u"АБР", 1}, {u"аи", 2}, {u"аист ", -1}, {u"е", 4},
        {u"ё", 3},  {u"ёл", 5},  {u"ел", 6}, {u"ж", -1},     {u"абрикосы", -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_EQ(index.findPrefix(QString::fromUtf16(c.text)), c.position);
    }
}
