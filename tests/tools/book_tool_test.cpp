// The book maker end to end: it is run as the program it is.

#include "dictionary/bookfile/bookdatabase.h"
#include "dictionary/bookfile/jetformat.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;

namespace {

struct ToolRun {
    int exitCode = -1;
    bool crashed = true;
    QString out;
    QString err;
};

class BookTool : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QFile::exists(tool)) << SOMNAR_BOOK_TOOL; }

    ToolRun run(const QStringList &args)
    {
        QProcess process;
        process.start(tool, args);
        ToolRun result;
        if (!process.waitForFinished(60000))
            return result;
        result.crashed = process.exitStatus() != QProcess::NormalExit;
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    const QString tool = QStringLiteral(SOMNAR_BOOK_TOOL);
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
