// The literature tool end to end: it is run as the program it is.

#include "support/tooltest.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using somnar::test::ToolRun;

namespace {

class LitTool : public somnar::test::ToolTest {
protected:
    LitTool()
        : ToolTest(QStringLiteral(SOMNAR_LIT_TOOL))
    {
    }
};

// Every construct of the source format once.
const char kSource[] = R"(% комментарий
# Сны
## О снах
Первая строка абзаца
и вторая: **жирно**, *курсив*, {#8b1a1a|цвет **и жир**}.

- пункт
- ещё пункт
1. первый
2. второй
> цитата
Строка \
после переноса, \* \{ \} \# \\ конец.
)";

}

TEST_F(LitTool, BuildsASourceThatReadsBackAsWritten)
{
    const QString lit = dir.filePath(u"Сны.lit"_qs);
    const ToolRun built = run({u"build"_qs, write(u"Сны.txt"_qs, kSource), lit});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    ASSERT_FALSE(built.crashed);

    const ToolRun text = run({u"text"_qs, lit});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out.toStdString(),
              u"Сны\nО снах\nПервая строка абзаца и вторая: жирно, курсив, цвет и жир.\nпункт\nещё пункт\n"
              u"первый\nвторой\nцитата\nСтрока\nпосле переноса, * { } # \\ конец.\n"_qs.toStdString());

    const ToolRun json = run({u"json"_qs, lit});
    ASSERT_EQ(json.exitCode, 0);
    const QJsonArray paragraphs = QJsonDocument::fromJson(json.out.toUtf8())[u"paragraphs"_qs].toArray();
    ASSERT_EQ(paragraphs.size(), 9);
    const QJsonObject heading = paragraphs[0][u"runs"_qs][0].toObject();
    EXPECT_TRUE(heading[u"bold"_qs].toBool());
    EXPECT_EQ(heading[u"size_pt"_qs].toDouble(), 18);
    const QJsonArray body = paragraphs[2][u"runs"_qs].toArray();
    const auto runWith = [&body](const QString &text) {
        for (const QJsonValue &run : body) {
            if (run[u"text"_qs].toString() == text)
                return run.toObject();
        }
        return QJsonObject();
    };
    EXPECT_TRUE(runWith(u"жирно"_qs)[u"bold"_qs].toBool());
    EXPECT_TRUE(runWith(u"курсив"_qs)[u"italic"_qs].toBool());
    EXPECT_EQ(runWith(u"цвет "_qs)[u"color"_qs].toString(), u"#8b1a1a"_qs);
    EXPECT_TRUE(runWith(u"и жир"_qs)[u"bold"_qs].toBool());
    EXPECT_EQ(runWith(u"и жир"_qs)[u"color"_qs].toString(), u"#8b1a1a"_qs);
    EXPECT_TRUE(runWith(u"Первая строка абзаца и вторая: "_qs)[u"color"_qs].isNull());
    for (int i : {3, 4, 5, 6})
        EXPECT_TRUE(paragraphs[i][u"list"_qs].toBool()) << i;
    EXPECT_TRUE(paragraphs[7][u"runs"_qs][0][u"italic"_qs].toBool());
    EXPECT_EQ(paragraphs[8][u"runs"_qs][0][u"text"_qs].toString().left(7), u"Строка\n"_qs);
}

TEST_F(LitTool, ReportsTheLineOfABadSource)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"# Заголовок\n\nтекст **без конца\nабзаца\n", u":3: \"**\""_qs},
        {"текст {не цвет}\n", u":1: \"{\""_qs},
        {"текст }\n", u":1: \"}\""_qs},
    };
    for (const auto &[source, where] : cases) {
        const QString lit = dir.filePath(u"плохой.lit"_qs);
        const ToolRun built = run({u"build"_qs, write(u"плохой.txt"_qs, source), lit});
        EXPECT_EQ(built.exitCode, 1) << source.toStdString();
        EXPECT_TRUE(built.err.contains(where)) << built.err.toStdString();
        EXPECT_FALSE(QFile::exists(lit));
    }
}

TEST_F(LitTool, RefusesWhatItCannotReadWithoutCrashing)
{
    for (const QString &command : {u"text"_qs, u"json"_qs}) {
        const ToolRun missing = run({command, dir.filePath(u"нет.lit"_qs)});
        EXPECT_EQ(missing.exitCode, 1);
        EXPECT_FALSE(missing.crashed);
        EXPECT_FALSE(missing.err.isEmpty());
        const ToolRun broken = run({command, write(u"broken.rtf"_qs, "{\\rtf1{{{\\b\\bin99 x")});
        EXPECT_EQ(broken.exitCode, 0) << command.toStdString();
        EXPECT_FALSE(broken.crashed);
    }
    EXPECT_EQ(run({u"build"_qs, dir.filePath(u"нет.txt"_qs), dir.filePath(u"x.lit"_qs)}).exitCode, 1);
    EXPECT_EQ(run({u"frobnicate"_qs}).exitCode, 2);
}

TEST_F(LitTool, TheShippedArticlesAreBuilt)
{
    const QDir sources(QStringLiteral(SOMNAR_LIT_SOURCES));
    const QStringList names = sources.entryList({u"*.txt"_qs}, QDir::Files);
    EXPECT_GE(names.size(), 8);
    for (const QString &name : names) {
        const QString lit = QStringLiteral(SOMNAR_LIT_OUT) + u'/' + name.chopped(4) + u".lit"_qs;
        const ToolRun json = run({u"json"_qs, lit});
        ASSERT_EQ(json.exitCode, 0) << lit.toStdString();
        const QJsonArray paragraphs = QJsonDocument::fromJson(json.out.toUtf8())[u"paragraphs"_qs].toArray();
        bool list = false;
        for (const QJsonValue &paragraph : paragraphs)
            list = list || paragraph[u"list"_qs].toBool();
        EXPECT_TRUE(list) << name.toStdString();
        EXPECT_GT(paragraphs.size(), 10) << name.toStdString();
    }
}
