#include "diary/diaryschema.h"

#include "diary/searchtext.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <functional>

namespace somnar::diary {

namespace {

using Step = std::function<bool(QSqlDatabase &, const RussianStemmer &, QString *)>;

bool Run(QSqlDatabase &db, const QStringList &statements, QString *error)
{
    QSqlQuery query(db);
    for (const QString &statement : statements) {
        if (!query.exec(statement)) {
            *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

bool CreateEntries(QSqlDatabase &db, const RussianStemmer &, QString *error)
{
    return Run(db,
               {QStringLiteral("CREATE TABLE entry (id INTEGER PRIMARY KEY, moment TEXT NOT NULL, "
                               "title TEXT NOT NULL DEFAULT '', body TEXT NOT NULL DEFAULT '', "
                               "vividness INTEGER NOT NULL DEFAULT 3 CHECK (vividness BETWEEN 1 AND 5), "
                               "created TEXT NOT NULL, changed TEXT NOT NULL)"),
                QStringLiteral("CREATE INDEX entry_by_moment ON entry (moment, id)")},
               error);
}

// The index holds folded copies written by the program, so entries already there are indexed
// here rather than by SQL.
bool AddTagsAndSearch(QSqlDatabase &db, const RussianStemmer &stemmer, QString *error)
{
    if (!Run(db,
             {QStringLiteral("ALTER TABLE entry ADD COLUMN tags TEXT NOT NULL DEFAULT ''"),
              QStringLiteral("CREATE VIRTUAL TABLE entry_words USING fts5(words, "
                             "tokenize = 'unicode61 remove_diacritics 2')"),
              // The stems are ours, folded and split already: the ASCII tokenizer keeps each
              // one a single token whatever its letters (unicode61 splits at some marks, and a
              // query of two tokens fails on a table without positions).
              QStringLiteral("CREATE VIRTUAL TABLE entry_stems USING fts5(stems, tokenize = 'ascii', detail = none)")},
             error))
        return false;
    QSqlQuery entries(db);
    if (!entries.exec(QStringLiteral("SELECT id, title, body FROM entry"))) {
        *error = entries.lastError().text();
        return false;
    }
    while (entries.next()) {
        const SearchText text = MakeSearchText(entries.value(1).toString(), entries.value(2).toString(), {}, stemmer);
        QSqlError failure;
        if (!WriteSearchText(db, entries.value(0).toLongLong(), text, &failure)) {
            *error = failure.text();
            return false;
        }
    }
    return true;
}

// The list reads only this index: the columns after a long text lie in its overflow pages.
bool AddLunarDayAndList(QSqlDatabase &db, const RussianStemmer &, QString *error)
{
    return Run(db,
               {QStringLiteral("ALTER TABLE entry ADD COLUMN lunar_day INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral("ALTER TABLE entry ADD COLUMN lunar_place TEXT NOT NULL DEFAULT ''"),
                QStringLiteral("CREATE INDEX entry_list ON entry (moment, id, title, vividness, lunar_day, lunar_place)")},
               error);
}

}

bool MigrateDiarySchema(QSqlDatabase &db, int from, int to, const RussianStemmer &stemmer, QString *error)
{
    static const Step steps[kDiarySchemaVersion] = {CreateEntries, AddTagsAndSearch, AddLunarDayAndList};
    for (int version = from; version < to; ++version) {
        if (!steps[version](db, stemmer, error))
            return false;
    }
    // Setting the version writes, so an up-to-date file is left alone.
    return from == to || Run(db, {QStringLiteral("PRAGMA user_version = %1").arg(to)}, error);
}

}
