#include "diary/searchtext.h"

#include "diary/textwords.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace somnar::diary {

namespace {

QStringList FoldedWords(QStringView text)
{
    QStringList words;
    for (const TextWord &word : WordsOf(text))
        words << FoldWord(text.mid(word.position, word.length).toString());
    return words;
}

QString Quoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}

SearchText MakeSearchText(const QString &title, const QString &text, const QString &tags,
                          const RussianStemmer &stemmer)
{
    const QString all = title + u'\n' + tags + u'\n' + text;
    const QStringList words = FoldedWords(all);
    QStringList stems;
    stems.reserve(words.size());
    for (const QString &word : words)
        stems << stemmer.stem(word);
    return {words.join(u' '), stems.join(u' ')};
}

namespace {

const QString kTables[] = {QStringLiteral("entry_words"), QStringLiteral("entry_stems")};

bool Exec(QSqlQuery &query, QSqlError *error)
{
    if (query.exec())
        return true;
    *error = query.lastError();
    return false;
}

}

bool EraseSearchText(QSqlDatabase &db, qint64 id, QSqlError *error)
{
    QSqlQuery query(db);
    for (const QString &table : kTables) {
        query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(table));
        query.addBindValue(id);
        if (!Exec(query, error))
            return false;
    }
    return true;
}

bool WriteSearchText(QSqlDatabase &db, qint64 id, const SearchText &text, QSqlError *error)
{
    if (!EraseSearchText(db, id, error))
        return false;
    QSqlQuery query(db);
    const QString columns[] = {text.words, text.stems};
    for (int i = 0; i < 2; ++i) {
        query.prepare(QStringLiteral("INSERT INTO %1 (rowid, %2) VALUES (?, ?)")
                          .arg(kTables[i], i == 0 ? QStringLiteral("words") : QStringLiteral("stems")));
        query.addBindValue(id);
        query.addBindValue(columns[i].isNull() ? QStringLiteral("") : columns[i]);
        if (!Exec(query, error))
            return false;
    }
    return true;
}

SearchQuery MakeSearchQuery(const QString &userText, const RussianStemmer &stemmer)
{
    QStringList stems;
    QStringList phrases;
    // Even parts lie outside double quotes, odd ones inside; an unclosed quote runs to the end.
    const QStringList parts = userText.split(u'"');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringList words = FoldedWords(parts[i]);
        if (words.isEmpty())
            continue;
        if (i % 2 == 1) {
            phrases << Quoted(words.join(u' '));
            continue;
        }
        for (const QString &word : words)
            stems << Quoted(stemmer.stem(word));
    }
    return {stems.join(QStringLiteral(" AND ")), phrases.join(QStringLiteral(" AND "))};
}

}
