// What the writer produces is read the same by mdbtools' own tools, once the marker is
// replaced by the Jet 4 start: mdb-ver, mdb-schema, mdb-export.

#include "bookfixtures.h"

#include "dictionary/bookfile/bookwriter.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::test;

namespace {

// mdb-export cuts every value at its buffer of 200,000 bytes.
constexpr qsizetype kExportLimit = 199999;

using CsvRow = std::vector<std::optional<QByteArray>>;

QByteArray run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

// mdb-export's CSV: text quoted with doubled quotes inside, Null as an empty unquoted field.
std::vector<CsvRow> parseCsv(const QByteArray &csv)
{
    std::vector<CsvRow> rows(1);
    std::optional<QByteArray> field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                field->append('"');
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field->append(c);
            }
        } else if (c == '"') {
            quoted = true;
            field = QByteArray("");
        } else if (c == ',' || c == '\n') {
            rows.back().push_back(field);
            field.reset();
            if (c == '\n')
                rows.emplace_back();
        } else {
            field = field.value_or(QByteArray()) + c;
        }
    }
    rows.pop_back();
    return rows;
}

// A value that mdb-export can carry: no U+0000 (its strings end there) and no U+0098 (its
// character conversion turns it into "?").
bool exportable(const QString &value)
{
    return !value.contains(QChar(0)) && !value.contains(QChar(0x98));
}

void expectSameValue(const std::optional<QByteArray> &exported, const std::optional<QString> &ours, const char *where)
{
    if (!ours) {
        EXPECT_FALSE(exported.has_value()) << where;
        return;
    }
    if (!exportable(*ours))
        return;
    if (ours->isEmpty()) {
        EXPECT_TRUE(exported.value_or(QByteArray()).isEmpty()) << where;   // mdb-export prints "" as Null
        return;
    }
    ASSERT_TRUE(exported.has_value()) << where;
    const QByteArray utf8 = ours->toUtf8();
    if (utf8.size() > kExportLimit)
        EXPECT_TRUE(utf8.startsWith(*exported) && exported->size() > kExportLimit - 4) << where;
    else
        EXPECT_EQ(*exported, utf8) << where;
}

std::optional<QString> asText(const std::optional<QByteArray> &bytes)
{
    return bytes ? std::optional<QString>(decodeCp1251(*bytes)) : std::nullopt;
}

QByteArray readableText(int i, qsizetype length)
{
    QString text;
    while (text.size() < length)
        text += QStringLiteral("Сон №%1 – к «добрым» вестям;\r\nвода, \"ёлка\", дорога. ").arg(i);
    return cp1251(text.left(length));
}

struct ExportCase {
    const char *name;
    BookConfig config;
    std::vector<BookArticle> articles;
};

std::vector<ExportCase> exportCases()
{
    std::vector<ExportCase> cases;
    cases.push_back({"OneRecord", sampleConfig(), {{QStringLiteral("Кошка"), readableText(1, 80), std::nullopt}}});

    ExportCase many{"ManyRecords", sampleConfig(), {}};
    many.config.color.reset();
    many.config.icon = readableText(0, 3000);
    for (int i = 0; i < 20000; ++i) {
        BookArticle a{headword(i), i % 10 ? readableText(i, 30 + i % 700) : packedArticle(quint32(i), 200), std::nullopt};
        if (i % 3)
            a.links = cp1251(QStringLiteral("Вода; %1.").arg(headword(i + 1)));
        many.articles.push_back(std::move(a));
    }
    cases.push_back(std::move(many));

    ExportCase longer{"LongValues", sampleConfig(), {}};
    longer.config.icon = everyByte(4000);
    longer.articles = {{QStringLiteral("Долгий"), readableText(1, 300 * 1024), readableText(2, 5000)},
                       {QStringLiteral("Средний"), readableText(3, 1800), QByteArray()},
                       {QStringLiteral("Пустой"), QByteArray(), std::nullopt}};
    cases.push_back(std::move(longer));
    return cases;
}

class JetExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *tool : {"mdb-export", "mdb-schema", "mdb-ver"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        }
    }

    // A copy with the Jet 4 start in place of the marker, as mdbtools needs it.
    QString plainCopy(const ExportCase &c)
    {
        const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".mdb"));
        writeBook(path, c.config, c.articles);
        UnlockBase(path);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(JetExport, ToolsReadTheWrittenFile)
{
    for (const ExportCase &c : exportCases()) {
        SCOPED_TRACE(c.name);
        const QString path = plainCopy(c);
        EXPECT_EQ(run(QStringLiteral("mdb-ver"), {path}).trimmed(), QByteArray("JET4"));
        const QByteArray schema = run(QStringLiteral("mdb-schema"), {path});
        for (const char *part : {"CREATE TABLE [Book]", "[List]\t\t\tText (255)", "[Text]\t\t\tMemo", "[Links]\t\t\tMemo",
                                 "CREATE TABLE [Config]", "[Icon]\t\t\tMemo", "[ToolName]\t\t\tText", "[TolkName]\t\t\tText",
                                 "[Color]\t\t\tText"})
            EXPECT_TRUE(schema.contains(part)) << part << "\n" << schema.toStdString();

        const std::vector<CsvRow> config = parseCsv(run(QStringLiteral("mdb-export"), {QStringLiteral("-H"), path, QStringLiteral("Config")}));
        ASSERT_EQ(config.size(), 1u);
        ASSERT_EQ(config[0].size(), 4u);
        expectSameValue(config[0][0], asText(c.config.icon), "Icon");
        expectSameValue(config[0][1], c.config.toolName, "ToolName");
        expectSameValue(config[0][2], c.config.tolkName, "TolkName");
        expectSameValue(config[0][3], c.config.color, "Color");

        const std::vector<CsvRow> rows = parseCsv(run(QStringLiteral("mdb-export"), {QStringLiteral("-H"), path, QStringLiteral("Book")}));
        ASSERT_EQ(rows.size(), c.articles.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].size(), 3u) << "row " << i;
            expectSameValue(rows[i][0], c.articles[i].list, "List");
            expectSameValue(rows[i][1], asText(c.articles[i].text), "Text");
            expectSameValue(rows[i][2], asText(c.articles[i].links), "Links");
            if (HasFailure())
                FAIL() << "row " << i;
        }
    }
}

}
