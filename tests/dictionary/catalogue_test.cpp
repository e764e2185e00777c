#include "dictionary/bookcatalogue.h"
#include "dictionary/loadbooksmessage.h"

#include "mainwindow_testsupport.h"

#include <QFile>

using namespace somnar;
using namespace somnar::testing;
using Result = BookCatalogue::LoadResult;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}

TEST(BookCatalogue, OrdersByFileNameWithoutCaseAndReadsConfig)
{
    BookFolder folder({{"b.book", "Второй", {"Дом"}, QStringLiteral("255")},
                       {"A.book", "Первый", {"Аист", "Вода"}},
                       {"c.book", "Третий", {"Яма"}}});
    SettingsStore settings(folder.settingsPath());
    settings.save(kBooksSection, folder.path("b.book"), QStringLiteral("0"));

    BookCatalogue catalogue;
    ASSERT_EQ(catalogue.load(folder.folder(), settings), Result::Loaded);
    ASSERT_EQ(catalogue.count(), 3);
    EXPECT_EQ(catalogue.book(0).path, folder.path("A.book"));
    EXPECT_EQ(catalogue.book(1).path, folder.path("b.book"));
    EXPECT_EQ(catalogue.book(2).path, folder.path("c.book"));
    EXPECT_EQ(catalogue.book(0).toolName, QStringLiteral("Первый"));
    EXPECT_EQ(catalogue.book(0).tolkName, QStringLiteral("Первый (title)"));
    EXPECT_EQ(catalogue.book(0).color, QStringLiteral("0")) << "a Null colour is black";
    EXPECT_EQ(catalogue.book(1).color, QStringLiteral("255"));
    EXPECT_TRUE(catalogue.book(0).switchedOn) << "a missing setting switches the book on";
    EXPECT_FALSE(catalogue.book(1).switchedOn);
    EXPECT_EQ(catalogue.book(0).database.recordCount(), 2);
}

TEST(BookCatalogue, LeavesBookFilesAsTheyWere)
{
    BookFolder folder({{"one.book", "Один", {"Дом", "Лес"}}});
    const QByteArray before = fileBytes(folder.path("one.book"));
    SettingsStore settings(folder.settingsPath());
    BookCatalogue catalogue;
    ASSERT_EQ(catalogue.load(folder.folder(), settings), Result::Loaded);
    EXPECT_EQ(fileBytes(folder.path("one.book")), before);
    EXPECT_TRUE(before.startsWith(kBookMarker));
}

TEST(BookCatalogue, SkipsUnmarkedFilesAndReportsEachFailure)
{
    struct Case {
        const char *name;
        std::function<void(BookFolder &)> prepare;
        bool removeFolder;
        Result expected;
        QString message;
    };
    const QString noBooks = QStringLiteral("В папке данных программы не найдено ни одного сонника! "
                                           "Переустановите программу или добавьте файлы сонников!");
    const QString noCompatible = QStringLiteral("Среди файлов программы нет сонников совместимых с текущей версией! "
                                                "Переустановите программу или добавьте файлы сонников!");
    const std::vector<Case> cases = {
        {"no folder", [](BookFolder &) {}, true, Result::Unreadable, {}},
        {"empty folder", [](BookFolder &f) { writeFile(f.path("notes.txt"), "x"); }, false, Result::NoBookFiles, noBooks},
        {"only an unmarked book",
         [](BookFolder &f) {
             f.add({"plain.book", "Простой", {"Дом"}});
             QFile file(f.path("plain.book"));
             file.open(QIODevice::ReadWrite);
             file.write(QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00", 22));
         },
         false, Result::NoCompatibleBooks, noCompatible},
        {"only marked garbage",
         [](BookFolder &f) { writeFile(f.path("junk.book"), QByteArray(kBookMarker) + QByteArray(5000, '\x5a')); },
         false, Result::NoCompatibleBooks,
         noCompatible + QStringLiteral("\n\nФайл «junk.book» повреждён и пропущен: база данных сонника испорчена.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        BookFolder folder;
        c.prepare(folder);
        const QString dataFolder = c.removeFolder ? folder.folder() + QStringLiteral("/missing") : folder.folder();
        SettingsStore settings(folder.settingsPath());
        BookCatalogue catalogue;
        EXPECT_EQ(catalogue.load(dataFolder, settings), c.expected);
        EXPECT_EQ(catalogue.count(), 0);
        const QString message = LoadBooksMessage(c.expected, {dataFolder}, catalogue.skipped());
        if (c.expected == Result::Unreadable)
            EXPECT_EQ(message, QStringLiteral("Невозможно найти папку с данными:\n") + dataFolder);
        else if (c.expected == Result::NoBookFiles)
            EXPECT_EQ(message, c.message + QStringLiteral("\n\nПапки сонников:\n") + dataFolder);
        else
            EXPECT_EQ(message, c.message);
    }
}

TEST(BookCatalogue, DamagedBooksAreSkippedAndNamedWithoutBeingWritten)
{
    BookFolder folder({{"a.book", "Первый", {"Дом"}}, {"c.book", "Третий", {"Яма"}}, {"e.book", "Пятый", {"Лес"}}});
    const QByteArray whole = fileBytes(folder.path("e.book"));
    writeFile(folder.path("b.book"), QByteArray(kBookMarker) + QByteArray(5000, '\x5a'));
    writeFile(folder.path("d.book"), whole.left(whole.size() / 2));
    writeFile(folder.path("e.book"), whole.left(4096 + 2048));
    const QByteArray damaged = fileBytes(folder.path("d.book"));

    SettingsStore settings(folder.settingsPath());
    BookCatalogue catalogue;
    ASSERT_EQ(catalogue.load(folder.folder(), settings), Result::Loaded);
    ASSERT_EQ(catalogue.count(), 2);
    EXPECT_EQ(catalogue.book(0).toolName, QStringLiteral("Первый"));
    EXPECT_EQ(catalogue.book(1).toolName, QStringLiteral("Третий"));
    ASSERT_EQ(catalogue.skipped().size(), 3u);
    EXPECT_EQ(catalogue.skipped()[0].fileName, QStringLiteral("b.book"));
    EXPECT_EQ(catalogue.skipped()[1].fileName, QStringLiteral("d.book"));
    EXPECT_EQ(catalogue.skipped()[2].fileName, QStringLiteral("e.book"));
    EXPECT_EQ(fileBytes(folder.path("d.book")), damaged) << "a damaged book is never written";
    const QStringList lines = SkippedBooksMessage(catalogue.skipped()).split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Файл «b.book» повреждён и пропущен: база данных сонника испорчена."));
    for (const QString &line : lines)
        EXPECT_TRUE(line.startsWith(QStringLiteral("Файл «"))) << line.toStdString();
    EXPECT_TRUE(LoadBooksMessage(Result::Loaded, {folder.folder()}, catalogue.skipped()).isEmpty());
}

TEST(BookCatalogue, SwitchingSignalsEveryChange)
{
    BookFolder folder({{"1.book", "Один", {"А"}}, {"2.book", "Два", {"Б"}}, {"3.book", "Три", {"В"}}});
    SettingsStore settings(folder.settingsPath());
    BookCatalogue catalogue;
    ASSERT_EQ(catalogue.load(folder.folder(), settings), Result::Loaded);
    int changes = 0;
    QObject::connect(&catalogue, &BookCatalogue::switchedOnChanged, [&] { ++changes; });

    catalogue.keepOnly(1);
    EXPECT_FALSE(catalogue.book(0).switchedOn);
    EXPECT_TRUE(catalogue.book(1).switchedOn);
    EXPECT_FALSE(catalogue.book(2).switchedOn);
    catalogue.switchAll(false);
    EXPECT_EQ(catalogue.switchedOnCount(), 0);
    catalogue.setSwitchedOn(2, true);
    catalogue.setSwitchedOn(2, true);
    EXPECT_EQ(catalogue.switchedOnCount(), 1);
    EXPECT_EQ(changes, 3) << "switching a book to the state it has changes nothing";
}
