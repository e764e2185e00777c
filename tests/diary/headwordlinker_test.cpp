#include "diary/headwordlinker.h"
#include "dictionary/bookcatalogue.h"
#include "dictionary/mainwindow_testsupport.h"
#include "dictionary/wordindex.h"

using namespace somnar;
using namespace somnar::diary;
using namespace somnar::testing;

namespace {

class Linking : public ::testing::Test {
protected:
    void SetUp() override
    {
        SettingsStore settings(books.settingsPath());
        ASSERT_EQ(catalogue.load(books.folder(), settings), BookCatalogue::LoadResult::Loaded);
        index.build(catalogue);
        linker.build(index.words());
    }

    QString headwordOf(const QString &word) const
    {
        const QList<WordLink> found = linker.links(word);
        return found.isEmpty() ? QString() : found[0].headword;
    }

    BookFolder books {{"1.book", "Один", {"Кошка", "Вода", "Водить", "Дом", "Дорога", "Лес", "Ёлка", "Оса", "Ад",
                                          "Я", "Так", "При", "Белый конь", "Жар-птица", "Река", "Дверь", "Свеча", "Мука", "Муки", "Пот", "Долг", "Бельё", "Медь", "Мышь"}},
                      {"2.book", "Два", {"кошка", "Мост"}}};
    BookCatalogue catalogue;
    WordIndex index;
    HeadwordLinker linker;
};

TEST_F(Linking, FindsHeadwordsInTheirFormsWhereTheyStand)
{
    const QString text = QStringLiteral("Я видела кошку в воде, а потом — Ёлку у моста.");
    const QList<WordLink> expected {{9, 5, QStringLiteral("кошку"), QStringLiteral("Кошка")},
                                    {17, 4, QStringLiteral("воде"), QStringLiteral("Вода")},
                                    {33, 4, QStringLiteral("Ёлку"), QStringLiteral("Ёлка")},
                                    {40, 5, QStringLiteral("моста"), QStringLiteral("Мост")}};
    EXPECT_EQ(linker.links(text), expected);
}

TEST_F(Linking, InflectedFormsReachTheirHeadword)
{
    const struct {
        const char *word;
        const char *headword;
    } cases[] = {
        {"кошку", "Кошка"}, {"Кошки", "Кошка"},   {"КОШКОЙ", "Кошка"}, {"воде", "Вода"},    {"водой", "Вода"},
        {"водил", "Водить"}, {"водить", "Водить"}, {"дома", "Дом"},     {"домом", "Дом"},    {"дорогу", "Дорога"},
        {"лесу", "Лес"},     {"ёлку", "Ёлка"},     {"елке", "Ёлка"},    {"оса", "Оса"},      {"ад", "Ад"},
        {"реке", "Река"},    {"свечи", "Свеча"},   {"мостом", "Мост"},  {"воды", "Вода"},     {"водит", "Водить"},
        {"водилась", "Водить"}, {"долги", "Долг"},  {"белья", "Бельё"},     {"бельём", "Бельё"},
        {"медью", "Медь"},    {"двери", "Дверь"},   {"мышами", "Мышь"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(headwordOf(QString::fromUtf8(c.word)), QString::fromUtf8(c.headword)) << c.word;
}

TEST_F(Linking, WordsThatMustNotLink)
{
    const char *const words[] = {
        "я",      "Так",   "при",   // function words, though a book has them
        "потом",  "тогда", "совсем", "долго",  // words that tell a story, whatever stem they share
        "мукой",  "муке",  // the stem of both Мука and Муки, equally close to each
        "ось",    "осы",   "аду",   // stems of one or two letters match only the word itself
        "белый",  "конь",  "жар",   "птица",  // words of headwords that are not one word
        "кошмар", "водка", "лестница", "водитель", "белое", "мёдом",  // the stems of "Бельё" and "Медь", in hard forms
    };
    for (const char *word : words)
        EXPECT_EQ(headwordOf(QString::fromUtf8(word)), QString()) << word;
}

TEST_F(Linking, NoBookSwitchedOnLinksNothing)
{
    catalogue.switchAll(false);
    index.build(catalogue);
    linker.build(index.words());
    EXPECT_TRUE(linker.isEmpty());
    EXPECT_TRUE(linker.links(QStringLiteral("Я видела кошку в воде")).isEmpty());
}

}
