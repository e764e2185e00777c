#include "diary/diaryexport.h"
#include "diary/diarystore.h"
#include "diarytestsupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar::diary;
using somnar::test::At;
using somnar::test::Dream;
using somnar::test::FileBytes;

namespace {

QList<DiaryEntry> TrickyEntries()
{
    QList<DiaryEntry> entries {
        Dream(QStringLiteral("Ёлка и «гость»"), QStringLiteral("Первая строка.\nВторая: с двоеточием.\n\n\nПосле пустых."),
              At(2026, 12, 9, 4, 30), {QStringLiteral("лес"), QStringLiteral("зима")}),
        Dream(QStringLiteral("Пустой сон"), QString(), At(1999, 1, 1, 0, 0)),
        Dream(QStringLiteral("Строки, похожие на разметку"),
              QStringLiteral("=== 1 января — не запись\n\\обратная черта\n===\nВремя сна: 2020-01-01T00:00:00\n"
                             "возврат каретки в конце строки\r\n"),
              At(2026, 2, 28, 23, 59, 59)),
        Dream(QStringLiteral("<b>&amp;</b>"), QStringLiteral("\n\nс пустыми строками в начале и в конце\n\n"),
              At(2025, 7, 1)),
    };
    for (int i = 0; i < entries.size(); ++i) {
        entries[i].vividness = 1 + i;
        entries[i].created = QDateTime(QDate(2026, 1, 1 + i), QTime(8, 0, 0, 125), Qt::UTC).toLocalTime();
        entries[i].changed = entries[i].created.addSecs(3600);
    }
    return entries;
}

TEST(DiaryExport, TextExportReadsBackAsTheSameEntries)
{
    QTemporaryDir dir;
    DiaryStore from(dir.filePath(QStringLiteral("from.sqlite")));
    ASSERT_EQ(from.open(), DiaryOpenResult::Opened);
    QList<DiaryEntry> written = TrickyEntries();
    ASSERT_TRUE(from.saveAll(written));
    const QString path = dir.filePath(QStringLiteral("сны.txt"));
    QString error;
    ASSERT_TRUE(ExportEntries(from.entries(), ExportFormat::Text, path, &error)) << error.toStdString();

    const QList<DiaryEntry> original = from.entries();
    ImportResult imported = ImportTextFile(path);
    ASSERT_TRUE(imported.error.isEmpty()) << imported.error.toStdString();
    DiaryStore into(dir.filePath(QStringLiteral("into.sqlite")));
    ASSERT_EQ(into.open(), DiaryOpenResult::Opened);
    ASSERT_EQ(into.importEntries(imported.entries), original.size());
    EXPECT_EQ(into.importEntries(imported.entries), 0) << "a second import adds nothing";

    const QList<DiaryEntry> copy = into.entries();
    ASSERT_EQ(copy.size(), original.size());
    for (qsizetype i = 0; i < copy.size(); ++i) {
        SCOPED_TRACE(original[i].title.toStdString());
        EXPECT_EQ(copy[i].moment, original[i].moment);
        EXPECT_EQ(copy[i].title, original[i].title);
        EXPECT_EQ(copy[i].text, original[i].text);
        EXPECT_EQ(copy[i].vividness, original[i].vividness);
        EXPECT_EQ(copy[i].tags, original[i].tags);
        EXPECT_EQ(copy[i].created, original[i].created);
    }
    EXPECT_EQ(into.search(QStringLiteral("\"после пустых\"")).size(), 1);
}

TEST(DiaryExport, HtmlShowsEveryEntryWithItsMarkupEscaped)
{
    const QString html = EntriesToHtml(TrickyEntries());
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_EQ(html.count(QStringLiteral("<article>")), 4);
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;&amp;amp;&lt;/b&gt;")));
    EXPECT_FALSE(html.contains(QStringLiteral("<b>")));
    EXPECT_TRUE(html.contains(QStringLiteral("9 декабря 2026, 04:30")));
    EXPECT_TRUE(html.contains(QStringLiteral("метки: лес, зима")));
}

TEST(DiaryExport, ImportRefusesWhatItCannotReadWhole)
{
    const QString good = EntriesToText({Dream(QStringLiteral("Сон"), QStringLiteral("Текст"), At(2026, 1, 1))});
    const struct {
        const char *name;
        QString content;
        const char *told;
    } cases[] = {
        {"not an export", QStringLiteral("Просто заметки\n"), "не похож на выгрузку"},
        {"empty", QString(), "не похож на выгрузку"},
        {"bad moment", QString(good).replace(QStringLiteral("2026-01-01T05:00:00"), QStringLiteral("вчера")),
         "Строка 5: непонятное время сна «вчера»"},
        {"bad vividness", QString(good).replace(QStringLiteral("Яркость: 3"), QStringLiteral("Яркость: 7")),
         "Строка 7: яркость"},
        {"no moment", QString(good).remove(QStringLiteral("Время сна: 2026-01-01T05:00:00\n")), "нет строки «Время сна»"},
        {"not a field", QString(good).replace(QStringLiteral("Метки: "), QStringLiteral("Метки ")), "Строка 8"},
    };
    for (const auto &c : cases) {
        const ImportResult result = ImportText(c.content);
        EXPECT_TRUE(result.entries.isEmpty()) << c.name;
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.told))) << c.name << ": " << result.error.toStdString();
    }
    const ImportResult windowsLines = ImportText(QString(good).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    ASSERT_EQ(windowsLines.entries.size(), 1) << windowsLines.error.toStdString();
    EXPECT_EQ(windowsLines.entries[0].text, QStringLiteral("Текст"));
}

TEST(DiaryExport, FilesThatCannotBeImportedAreNamed)
{
    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("огромный.txt"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(600) * 1024 * 1024));  // sparse
    file.close();
    const struct {
        QString path;
        const char *told;
    } cases[] = {
        {dir.filePath(QStringLiteral("нет.txt")), "Не удалось открыть файл"},
        {huge, "слишком велик"},
    };
    for (const auto &c : cases) {
        const ImportResult result = ImportTextFile(c.path);
        EXPECT_TRUE(result.entries.isEmpty());
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.told)) && result.error.contains(c.path))
            << result.error.toStdString();
    }
}

TEST(DiaryExport, FailedWriteIsTold)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(ExportEntries(TrickyEntries(), ExportFormat::Html, dir.filePath(QStringLiteral("нет/сны.html")), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Не удалось записать файл"))) << error.toStdString();
}

}
