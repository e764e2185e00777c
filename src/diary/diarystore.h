#pragma once

#include "diary/diaryentry.h"

#include <QList>
#include <QSqlError>
#include <QString>

#include <memory>
#include <optional>

class QSqlQuery;

namespace somnar::diary {

// How opening the diary ended. Anything but Opened and ReadOnly leaves the file untouched and
// the store closed; message() says what happened in Russian, for the user.
enum class DiaryOpenResult {
    Opened,        // read and write
    ReadOnly,      // the file or its folder cannot be written: entries can be read, not saved
    Locked,        // another copy of the program holds the diary
    Damaged,       // not a readable diary; see startOverAfterDamage()
    NewerVersion,  // written by a newer version of the program
    Failed         // could not be created or opened for another reason
};

// The diary file: entries in SQLite (WAL, each change one transaction) with a full-text index
// folded for case and ё/е. One DiaryStore per file and process: the file stays locked against
// other copies of the program while it is open.
class DiaryStore {
public:
    // $XDG_DATA_HOME/somnar/diary.sqlite
    static QString defaultPath();

    explicit DiaryStore(QString path = defaultPath());
    ~DiaryStore();
    DiaryStore(const DiaryStore &) = delete;
    DiaryStore &operator=(const DiaryStore &) = delete;

    const QString &path() const { return m_path; }

    // Opens the file, creating it (and its folder) when missing and bringing an older schema up
    // to date; before a migration the file is copied to "<name>.v<old version>.bak".
    DiaryOpenResult open();
    void close();
    bool isOpen() const;
    bool isWritable() const;

    // The last problem as a sentence for the user; empty after success.
    const QString &message() const { return m_message; }

    // Only after the user agreed, and only when open() found the file damaged: moves it aside
    // to a new name in the same folder, starts an empty diary in its place and returns the new
    // name of the damaged file (empty on failure, with message() saying why).
    QString startOverAfterDamage();

    // Every entry, newest moment first (ties: the newer entry first).
    QList<EntrySummary> summaries() const;
    std::optional<DiaryEntry> entry(qint64 id) const;
    // Whole entries in list order; all of them when ids is empty.
    QList<DiaryEntry> entries(const QList<qint64> &ids = {}) const;
    qint64 count() const;

    // Saves a new entry (id 0) or replaces the one with its id; fills id, created and changed.
    // An entry without a valid moment gets the default one.
    // False with message() when the diary cannot be written.
    bool save(DiaryEntry &entry);
    // Saves many entries in one transaction: all or none.
    bool saveAll(QList<DiaryEntry> &entries);
    // Saves, in one transaction, those of the entries the diary does not hold yet (the same
    // moment, title and text), so that importing a file twice adds nothing the second time.
    // Returns how many were added, -1 with message() on failure.
    qsizetype importEntries(const QList<DiaryEntry> &entries);
    // Removes an entry and returns it whole, so that restore() can put it back for undo.
    std::optional<DiaryEntry> remove(qint64 id);
    // Puts a removed entry back with its id, created and changed times.
    bool restore(const DiaryEntry &entry);
    // Only the cached lunar day of an entry (after the town changed); not a change of the entry.
    bool setLunarDay(qint64 id, int lunarDay, const QString &lunarPlace);

    // Entries whose title, text or tags hold every word of the query (any form of a Russian
    // word: "кошка" finds "кошку"), or a phrase in double quotes as written; ids in list order.
    // Whatever the user types is taken as words, never as query syntax; a query without any
    // word gives every entry. Nothing found and message() set when the diary could not be read.
    QList<qint64> search(const QString &query) const;

private:
    struct Connection;
    DiaryOpenResult prepare();
    bool backUp(int version);
    DiaryOpenResult migrate(int version);
    DiaryOpenResult fail(const QSqlError &error);
    bool canWrite();
    bool write(DiaryEntry &entry, bool replace);
    bool insertWithId(const DiaryEntry &entry);
    bool index(const DiaryEntry &entry);
    bool failed(const QSqlQuery &query);

    QString m_path;
    mutable QString m_message;
    QSqlError m_lastError;
    DiaryOpenResult m_openResult = DiaryOpenResult::Failed;
    std::unique_ptr<Connection> m_connection;
};

}
