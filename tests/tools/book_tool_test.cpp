// The book maker end to end: it is run as the program it is.

#include "dictionary/bookfile/bookdatabase.h"
#include "dictionary/bookfile/bookwriter.h"
#include "text/codepage.h"
#include "text/packedtext.h"
#include "dictionary/bookfile/jetformat.h"

#include "support/tooltest.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace somnar;
using somnar::test::ToolRun;

namespace {

class BookTool : public test::ToolTest {
protected:
    BookTool()
        : ToolTest(QStringLiteral(SOMNAR_BOOK_TOOL))
    {
    }
    void SetUp() override { ASSERT_TRUE(QFile::exists(tool)) << SOMNAR_BOOK_TOOL; }
};

const QByteArray kPicture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0\x98\0\0", 33);

// A source as dump prints it: articles in word order, one blank line before each.
const char kSource[] = R"(ToolName: Сонник Полуночный
TolkName: Полуночный сонник
Color: 32896
Icon: night.png

== Ёж
Ёж – к колючему, но честному разговору.

== Кошка
Кошка – к мелкой ссоре с близким человеком.

Чёрная кошка перебежала дорогу – не спешите с важными делами.
-> Собака; Мышь

== Собака
Собака – к верному другу, «рядом» и №1…
-> Кошка
)";

TEST_F(BookTool, BuildThenDumpGivesTheSource)
{
    write(QStringLiteral("night.png"), kPicture);
    const QString source = write(QStringLiteral("night.txt"), kSource);
    const QString book = dir.filePath(QStringLiteral("night.book"));
    const ToolRun build = run({QStringLiteral("build"), source, book});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();

    const QString icons = dir.filePath(QStringLiteral("icons"));
    QDir().mkpath(icons);
    const ToolRun dump = run({QStringLiteral("dump"), book, QStringLiteral("--save-icon"), icons});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    EXPECT_EQ(dump.out, QString::fromUtf8(kSource));
    QFile icon(QDir(icons).filePath(QStringLiteral("night.png")));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    EXPECT_EQ(icon.readAll(), kPicture);

    const ToolRun check = run({QStringLiteral("check"), book});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_TRUE(check.out.contains(QStringLiteral("Articles: 3"))) << check.out.toStdString();
}

TEST_F(BookTool, JsonForScripts)
{
    const QString source = write(QStringLiteral("small.txt"),
                                 "# comment\r\nToolName: Малый\r\nTolkName: Малый \"сонник\"\r\n\r\n"
                                 "== Вода\r\nЧистая вода – к здоровью.\r\nМутная – к хлопотам.\r\n-> Река\r\n"
                                 "== Ясень\r\nЯсень – к покою.\r\n");
    const QString book = dir.filePath(QStringLiteral("small.book"));
    ASSERT_EQ(run({QStringLiteral("build"), source, book}).exitCode, 0);
    const ToolRun json = run({QStringLiteral("dump"), QStringLiteral("--json"), book});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    EXPECT_EQ(json.out.toStdString(),
              "{\"ToolName\": \"Малый\", \"TolkName\": \"Малый \\\"сонник\\\"\", \"Color\": null, \"Icon\": null, "
              "\"articles\": [{\"List\": \"Вода\", \"Text\": \"Чистая вода – к здоровью.\\r\\nМутная – к хлопотам.\", "
              "\"Links\": \"Река.\"}, {\"List\": \"Ясень\", \"Text\": \"Ясень – к покою.\", \"Links\": null}]}\n");
}

// Field values that the plain source form cannot carry: each must survive dump then build.
TEST_F(BookTool, DumpThenBuildKeepsEveryFieldValue)
{
    const auto packed = [](const QString &text) { return std::optional<QByteArray>(Pack(*encodeCp1251(text))); };
    const BookConfig config{std::nullopt, QStringLiteral(" Сонник с пробелами "), QStringLiteral("Заголовок\\1"),
                            QStringLiteral("&H80000005")};
    const std::vector<BookArticle> articles = {
        {QStringLiteral("Без точки"), packed(QStringLiteral("текст")), packed(QStringLiteral("Луна; Звезда"))},
        {QStringLiteral("Пустые"), packed(QStringLiteral("текст")), packed(QStringLiteral("луна;  звезда  ;"))},
        {QStringLiteral("Пустая ссылка"), packed(QStringLiteral("текст")), packed(QString())},
        {QStringLiteral("Нет текста"), std::nullopt, packed(QStringLiteral("Луна."))},
        {QStringLiteral("Пустой текст"), packed(QString()), std::nullopt},
        {QStringLiteral("Разметка"), packed(QStringLiteral("# не комментарий\r\n== не статья\r\n\\x\r\n-> не ссылки")),
         std::nullopt},
        {QStringLiteral("Края"), packed(QStringLiteral("\r\n  \r\nсередина\r\n\r\n")), std::nullopt},
        {QStringLiteral("Переводы"), packed(QStringLiteral("одинокий\nперевод и возврат\r")), std::nullopt},
        {QStringLiteral(" Слово с пробелом"), packed(QStringLiteral("текст")), std::nullopt},
    };
    const QString original = dir.filePath(QStringLiteral("odd.book"));
    writeBook(original, config, articles);

    const ToolRun dump = run({QStringLiteral("dump"), original});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    EXPECT_TRUE(dump.out.contains(QStringLiteral("\n-> Луна\n"))) << "a canonical list keeps its plain form";
    const QString source = write(QStringLiteral("odd.txt"), dump.out.toUtf8());
    const QString rebuilt = dir.filePath(QStringLiteral("rebuilt.book"));
    const ToolRun build = run({QStringLiteral("build"), source, rebuilt});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString() << dump.out.toStdString();

    const BookDatabase before = BookDatabase::open(original);
    const BookDatabase after = BookDatabase::open(rebuilt);
    EXPECT_EQ(after.config().toolName, before.config().toolName);
    EXPECT_EQ(after.config().tolkName, before.config().tolkName);
    EXPECT_EQ(after.config().color, before.config().color);
    const auto unpacked = [](const std::optional<QByteArray> &field) {
        return field ? std::optional<QByteArray>(UnpackBytes(*field)) : std::nullopt;
    };
    ASSERT_EQ(after.recordCount(), before.recordCount());
    for (qsizetype i = 0; i < before.recordCount(); ++i) {
        SCOPED_TRACE(before.record(i).list.toStdString());
        EXPECT_EQ(after.record(i).list, before.record(i).list);
        EXPECT_EQ(unpacked(after.record(i).text), unpacked(before.record(i).text));
        EXPECT_EQ(unpacked(after.record(i).links), unpacked(before.record(i).links));
    }
}

struct BadSource {
    const char *name;
    const char *text;
    const char *where;     // expected "file:line" suffix, or ":" alone for the whole file
    const char *message;   // part of the message
};

TEST_F(BookTool, BadSourcesAreReportedWithTheirLine)
{
    const BadSource cases[] = {
        {"missing headword", "ToolName: A\nTolkName: B\n\n== \nтекст\n", ":4: ", "without a headword"},
        {"unreadable picture", "ToolName: A\nTolkName: B\nIcon: nowhere.png\n== Слово\nтекст\n", ":3: ", "nowhere.png"},
        {"duplicate headword", "ToolName: A\nTolkName: B\n== Кот\nа\n== Дом\nб\n== КОТ\nв\n", ":7: ", "line 3"},
        {"text outside the code page", "ToolName: A\nTolkName: B\n== Кот\nстрока\nулыбка 😀\n", ":5: ", "character U+1F600 cannot be written in Windows-1251"},
        {"accent outside the code page", "ToolName: A\nTolkName: B\n== Café\nтекст\n", ":3: ", "headword: character U+00E9"},
        {"no ToolName", "TolkName: B\n== Кот\nтекст\n", ": ", "ToolName"},
        {"bad colour", "ToolName: A\nTolkName: B\nColor: красный\n== Кот\nтекст\n", ":3: ", "Color"},
        {"unknown key", "ToolName: A\nTolkName: B\nColour: 5\n== Кот\nтекст\n", ":3: ", "Colour"},
        {"empty cross-reference", "ToolName: A\nTolkName: B\n== Кот\nтекст\n-> Дом; ; Лес\n", ":5: ", "cross-reference"},
        {"article without text", "ToolName: A\nTolkName: B\n== Кот\n\n-> Дом\n== Лес\nтекст\n", ":3: ", "no text"},
        {"unknown escape", "ToolName: A\nTolkName: B\n== Кот\n\\a\\qb\n", ":4: ", "unknown escape"},
        {"Null text among lines", "ToolName: A\nTolkName: B\n== Кот\nтекст\n\\\\N\n", ":5: ", "Null"},
        {"not UTF-8", "ToolName: A\nTolkName: \xcf\xf0\xee\n== Кот\nтекст\n", ":2: ", "UTF-8"},
    };
    for (const BadSource &c : cases) {
        const QString source = write(QStringLiteral("bad.txt"), c.text);
        const QString book = dir.filePath(QStringLiteral("bad.book"));
        const ToolRun build = run({QStringLiteral("build"), source, book});
        EXPECT_EQ(build.exitCode, 1) << c.name;
        EXPECT_FALSE(build.crashed) << c.name;
        EXPECT_TRUE(build.err.startsWith(source + QString::fromUtf8(c.where))) << c.name << ": " << build.err.toStdString();
        EXPECT_TRUE(build.err.contains(QString::fromUtf8(c.message))) << c.name << ": " << build.err.toStdString();
        EXPECT_FALSE(QFile::exists(book)) << c.name;
    }
}

TEST_F(BookTool, DamagedBooksGetAMessage)
{
    const QString garbage = write(QStringLiteral("garbage.book"), QByteArray(kBookMarker) + QByteArray(5 * 4096, '\x5A'));
    const QString plain = write(QStringLiteral("plain.book"),
                                QByteArray(reinterpret_cast<const char *>(jet::kJetStart), 22) + QByteArray(4096, '\0'));
    for (const QString &book : {garbage, plain}) {
        const ToolRun check = run({QStringLiteral("check"), book});
        EXPECT_FALSE(check.crashed);
        EXPECT_EQ(check.exitCode, 1);
        EXPECT_TRUE(check.out.contains(book == plain ? QStringLiteral("Marker: missing") : QStringLiteral("cannot be read")))
            << check.out.toStdString();
        for (const QStringList &args : {QStringList{QStringLiteral("dump"), book},
                                        QStringList{QStringLiteral("dump"), QStringLiteral("--json"), book}}) {
            const ToolRun dump = run(args);
            EXPECT_FALSE(dump.crashed);
            EXPECT_EQ(dump.exitCode, 1);
            EXPECT_TRUE(dump.err.startsWith(book)) << dump.err.toStdString();
        }
    }
}

// Two books that pass the set check: short dash parts ("к удаче") may repeat, an abbreviation
// does not end a sentence, links and listed words are found without regard to case.
const char kSetDay[] = "ToolName: День\nTolkName: Дневной сонник\n"
                       "== Кот\nКот на крыше – к удаче.\nСерый кот, т. е. обычный, – к тихому вечеру.\n-> дом\n"
                       "== Дом\nДом – к удаче.\nСтарый дом – к встрече с прошлым.\n";
const char kSetNight[] = "ToolName: Ночь\nTolkName: Ночной сонник\n"
                         "== Кот\nЧёрный кот – к удаче.\nКот спит – и вам пора отдохнуть.\n-> Лес\n"
                         "== Лес\nТёмный лес – к дороге.\nРыжий кот, т. е. тоже обычный.\n";
const char kSetWords[] = "# theme<TAB>Headword<TAB>common\nживотные\tкот\t1\nдом\tДом\t0\n";

TEST_F(BookTool, SetCheckPassesAGoodSet)
{
    const QStringList args = {QStringLiteral("check-set"), QStringLiteral("--words"), write(QStringLiteral("words.tsv"), kSetWords),
                              write(QStringLiteral("day.txt"), kSetDay), write(QStringLiteral("night.txt"), kSetNight)};
    const ToolRun check = run(args);
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
    EXPECT_TRUE(check.out.contains(QStringLiteral("Articles: 4, distinct headwords: 3"))) << check.out.toStdString();
    EXPECT_TRUE(check.out.contains(QStringLiteral("Word list: 2 words, 1 common; headwords not listed: 1"))) << check.out.toStdString();
    EXPECT_TRUE(check.out.endsWith(QStringLiteral("Result: OK\n")));
}

struct BadSet {
    const char *name;
    const char *night;      // replaces the second book
    const char *words;      // replaces the word list
    const char *where;      // "night.txt:LINE" or "words.tsv:LINE"
    const char *message;
};

TEST_F(BookTool, SetCheckFailsOnLinksRepeatsAndMissingWords)
{
    const char *head = "ToolName: Ночь\nTolkName: Ночной сонник\n";
    const BadSet cases[] = {
        {"dangling link", "== Лес\nТёмный лес.\n-> Кот; Река\n", "", "night.txt:5", "\"Река\" names a word no book has"},
        {"sentence repeated, other case, ё and punctuation", "== Лес\nТёмный лес. Серый кот,  т.е. обычный – к тихому вечеру!\n", "",
         "night.txt:4", "day.txt:5"},
        {"long dash part repeated", "== Лес\nВ лесу – к тихому вечеру.\n", "", "night.txt:4", "\"к тихому вечеру\""},
        {"short full sentence repeated", "== Лес\nЛес шумит.\n== Луг\nЛуг. Лес шумит!\n", "", "night.txt:6", "\"лес шумит\""},
        {"listed word in no book", "== Лес\nЛес.\n", "x\tРека\t0\n", "words.tsv:1", "\"Река\" is in no book"},
        {"common word in one book", "== Лес\nЛес.\n", "x\tДом\t1\n", "words.tsv:1", "only one book"},
        {"one reading", "== Лес\nЛес шумит.\nЛес молчит.\n== Луг\nЛуг цветёт.\n", "", "night.txt:6", "\"Луг\" has 1 reading(s); an article needs 2 to 6"},
        {"seven readings", "== Лес\nА.\nБ.\nВ.\nГ.\nД.\nЕ.\nЖ.\n", "", "night.txt:3", "has 7 reading(s)"},
        {"word listed twice", "== Лес\nЛес.\n", "x\tДом\t0\ny\tдом\t0\n", "words.tsv:2", "listed twice"},
    };
    const QString day = write(QStringLiteral("day.txt"), kSetDay);
    for (const BadSet &c : cases) {
        const QString night = write(QStringLiteral("night.txt"), QByteArray(head) + c.night);
        const QString words = write(QStringLiteral("words.tsv"), c.words);
        const ToolRun check = run({QStringLiteral("check-set"), QStringLiteral("--words"), words, day, night});
        EXPECT_FALSE(check.crashed) << c.name;
        EXPECT_EQ(check.exitCode, 1) << c.name;
        EXPECT_TRUE(check.out.contains(dir.filePath(QString::fromUtf8(c.where)) + QStringLiteral(": "))) << c.name << ": " << check.out.toStdString();
        EXPECT_TRUE(check.out.contains(QString::fromUtf8(c.message))) << c.name << ": " << check.out.toStdString();
    }
    const ToolRun broken = run({QStringLiteral("check-set"), day, write(QStringLiteral("broken.txt"), "ToolName: A\n== Кот\nтекст\n")});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("broken.txt: the header has no TolkName"))) << broken.err.toStdString();
    const ToolRun badList = run({QStringLiteral("check-set"), QStringLiteral("--words"), write(QStringLiteral("bad.tsv"), "Дом\t1\n"), day});
    EXPECT_EQ(badList.exitCode, 1);
    EXPECT_TRUE(badList.err.contains(QStringLiteral("bad.tsv:1: expected"))) << badList.err.toStdString();
}

TEST_F(BookTool, ShippedBooksAreBuiltAndPassTheCheck)
{
    const QDir sources(QStringLiteral(SOMNAR_BOOK_SOURCES));
    const QStringList names = sources.entryList({QStringLiteral("*.txt")}, QDir::Files);
    if (names.isEmpty())
        GTEST_SKIP() << "no book sources in " << sources.path().toStdString();
    for (const QString &name : names) {
        const QString book = QDir(QStringLiteral(SOMNAR_BOOKS_OUT)).filePath(QFileInfo(name).completeBaseName() + QStringLiteral(".book"));
        ASSERT_TRUE(QFile::exists(book)) << book.toStdString();
        const ToolRun check = run({QStringLiteral("check"), book});
        EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    }
}

}
