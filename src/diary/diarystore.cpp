#include "diary/diarystore.h"

#include "diary/diarymessages.h"
#include "diary/diaryconnection.h"
#include "diary/searchtext.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace somnar::diary {

namespace {

const QString kMomentFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
const QString kEntryColumns =
    QStringLiteral("id, moment, title, body, vividness, tags, created, changed, lunar_day, lunar_place");
const QString kListOrder = QStringLiteral(" ORDER BY moment DESC, id DESC");

// SQL columns hold '' rather than NULL for empty text.
QVariant Text(const QString &text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QString MomentText(const QDateTime &moment)
{
    return moment.toString(kMomentFormat);
}

// By hand: the list reads 10,000 of them, and a parse by format costs many times more.
QDateTime MomentFrom(const QVariant &value)
{
    const QString text = value.toString();
    if (text.size() != 19)
        return {};
    const auto number = [&text](qsizetype from, qsizetype length) { return QStringView(text).mid(from, length).toInt(); };
    return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)), QTime(number(11, 2), number(14, 2), number(17, 2)));
}

QString StampText(const QDateTime &stamp)
{
    return stamp.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime StampFrom(const QVariant &text)
{
    return QDateTime::fromString(text.toString(), Qt::ISODateWithMs).toLocalTime();
}

QDateTime Now()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return StampFrom(StampText(now));
}

DiaryEntry EntryFrom(const QSqlQuery &query)
{
    DiaryEntry entry;
    entry.id = query.value(0).toLongLong();
    entry.moment = MomentFrom(query.value(1));
    entry.title = query.value(2).toString();
    entry.text = query.value(3).toString();
    entry.vividness = query.value(4).toInt();
    const QString tags = query.value(5).toString();
    entry.tags = tags.isEmpty() ? QStringList() : tags.split(u'\n');
    entry.created = StampFrom(query.value(6));
    entry.changed = StampFrom(query.value(7));
    entry.lunarDay = query.value(8).toInt();
    entry.lunarPlace = query.value(9).toString();
    return entry;
}

// Ends a transaction: rolls it back unless committed.
class Transaction {
public:
    explicit Transaction(QSqlDatabase &db) : m_db(db), m_open(db.transaction()) {}
    ~Transaction()
    {
        if (m_open)
            m_db.rollback();
    }
    bool isOpen() const { return m_open; }
    // A commit that failed (a full disk) is rolled back.
    bool commit()
    {
        m_open = !m_db.commit();
        return !m_open;
    }

private:
    QSqlDatabase &m_db;
    bool m_open;
};

}

QList<EntrySummary> DiaryStore::summaries() const
{
    QList<EntrySummary> list;
    if (!m_connection)
        return list;
    QSqlQuery query(m_connection->db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, moment, title, vividness, lunar_day, lunar_place FROM entry")
                    + kListOrder)) {
        m_message = CannotOpenMessage(m_path, query.lastError());
        return list;
    }
    while (query.next()) {
        list.append({query.value(0).toLongLong(), MomentFrom(query.value(1)), query.value(2).toString(),
                     query.value(3).toInt(), query.value(4).toInt(), query.value(5).toString()});
    }
    return list;
}

std::optional<DiaryEntry> DiaryStore::entry(qint64 id) const
{
    if (!m_connection)
        return std::nullopt;
    QSqlQuery query(m_connection->db());
    query.prepare(QStringLiteral("SELECT %1 FROM entry WHERE id = ?").arg(kEntryColumns));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return EntryFrom(query);
}

QList<DiaryEntry> DiaryStore::entries(const QList<qint64> &ids) const
{
    QList<DiaryEntry> list;
    if (!m_connection)
        return list;
    if (ids.isEmpty()) {
        QSqlQuery query(m_connection->db());
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT %1 FROM entry").arg(kEntryColumns) + kListOrder);
        while (query.next())
            list.append(EntryFrom(query));
        return list;
    }
    for (qint64 id : ids) {
        if (std::optional<DiaryEntry> found = entry(id))
            list.append(*found);
    }
    std::stable_sort(list.begin(), list.end(), [](const DiaryEntry &a, const DiaryEntry &b) {
        return a.moment != b.moment ? a.moment > b.moment : a.id > b.id;
    });
    return list;
}

qint64 DiaryStore::count() const
{
    if (!m_connection)
        return 0;
    QSqlQuery query(m_connection->db());
    return query.exec(QStringLiteral("SELECT count(*) FROM entry")) && query.next() ? query.value(0).toLongLong() : 0;
}

bool DiaryStore::canWrite()
{
    if (isWritable())
        return true;
    m_message = SavingReadOnlyMessage();
    return false;
}

bool DiaryStore::save(DiaryEntry &entry)
{
    QList<DiaryEntry> one {entry};
    if (!saveAll(one))
        return false;
    entry = one.first();
    return true;
}

bool DiaryStore::saveAll(QList<DiaryEntry> &entries)
{
    if (!canWrite())
        return false;
    QSqlDatabase db = m_connection->db();
    m_lastError = {};
    Transaction transaction(db);
    QList<DiaryEntry> saved = entries;
    const QDateTime now = Now();
    for (DiaryEntry &entry : saved) {
        entry.vividness = BoundedVividness(entry.vividness);
        if (!entry.moment.isValid())
            entry.moment = DefaultDreamMoment();
        entry.changed = now;
        if (!entry.created.isValid())
            entry.created = now;
        if (!transaction.isOpen() || !write(entry, entry.id != 0)) {
            m_message = NotSavedMessage(m_lastError.isValid() ? m_lastError : db.lastError());
            return false;
        }
    }
    if (!transaction.commit()) {
        m_message = NotSavedMessage(db.lastError());
        return false;
    }
    entries = saved;
    m_message.clear();
    return true;
}

qsizetype DiaryStore::importEntries(const QList<DiaryEntry> &entries)
{
    if (!canWrite())
        return -1;
    QSqlQuery known(m_connection->db());
    known.prepare(QStringLiteral("SELECT count(*) FROM entry WHERE moment = ? AND title = ? AND body = ?"));
    QList<DiaryEntry> added;
    for (const DiaryEntry &entry : entries) {
        known.addBindValue(MomentText(entry.moment));
        known.addBindValue(Text(entry.title));
        known.addBindValue(Text(entry.text));
        if (!known.exec() || !known.next()) {
            m_message = NotSavedMessage(known.lastError());
            return -1;
        }
        if (known.value(0).toInt() == 0) {
            added << entry;
            added.last().id = 0;
        }
    }
    known.finish();
    return saveAll(added) ? added.size() : -1;
}

bool DiaryStore::write(DiaryEntry &entry, bool replace)
{
    QSqlDatabase db = m_connection->db();
    QSqlQuery query(db);
    if (replace) {
        query.prepare(QStringLiteral("UPDATE entry SET moment = ?, title = ?, body = ?, vividness = ?, tags = ?, "
                                     "changed = ?, lunar_day = ?, lunar_place = ? WHERE id = ?"));
    } else {
        query.prepare(QStringLiteral("INSERT INTO entry (moment, title, body, vividness, tags, changed, lunar_day, "
                                     "lunar_place, created) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    }
    query.addBindValue(MomentText(entry.moment));
    query.addBindValue(Text(entry.title));
    query.addBindValue(Text(entry.text));
    query.addBindValue(entry.vividness);
    query.addBindValue(Text(entry.tags.join(u'\n')));
    query.addBindValue(StampText(entry.changed));
    query.addBindValue(entry.lunarDay);
    query.addBindValue(Text(entry.lunarPlace));
    query.addBindValue(replace ? QVariant(entry.id) : QVariant(StampText(entry.created)));
    if (!query.exec())
        return failed(query);
    if (replace) {
        if (query.numRowsAffected() != 1)
            return insertWithId(entry);
        query.prepare(QStringLiteral("SELECT created FROM entry WHERE id = ?"));
        query.addBindValue(entry.id);
        if (!query.exec() || !query.next())
            return failed(query);
        entry.created = StampFrom(query.value(0));
    } else {
        entry.id = query.lastInsertId().toLongLong();
    }
    return index(entry);
}

bool DiaryStore::insertWithId(const DiaryEntry &entry)
{
    QSqlQuery query(m_connection->db());
    query.prepare(QStringLiteral("INSERT INTO entry (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(kEntryColumns));
    query.addBindValue(entry.id);
    query.addBindValue(MomentText(entry.moment));
    query.addBindValue(Text(entry.title));
    query.addBindValue(Text(entry.text));
    query.addBindValue(BoundedVividness(entry.vividness));
    query.addBindValue(Text(entry.tags.join(u'\n')));
    query.addBindValue(StampText(entry.created));
    query.addBindValue(StampText(entry.changed));
    query.addBindValue(entry.lunarDay);
    query.addBindValue(Text(entry.lunarPlace));
    return (query.exec() || failed(query)) && index(entry);
}

bool DiaryStore::index(const DiaryEntry &entry)
{
    const SearchText text = MakeSearchText(entry.title, entry.text, TagsToText(entry.tags), m_connection->stemmer);
    QSqlDatabase db = m_connection->db();
    return WriteSearchText(db, entry.id, text, &m_lastError);
}

bool DiaryStore::failed(const QSqlQuery &query)
{
    m_lastError = query.lastError();
    return false;
}

std::optional<DiaryEntry> DiaryStore::remove(qint64 id)
{
    std::optional<DiaryEntry> removed = entry(id);
    if (!removed || !canWrite())
        return std::nullopt;
    QSqlDatabase db = m_connection->db();
    Transaction transaction(db);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM entry WHERE id = ?"));
    query.addBindValue(id);
    QSqlError error;
    if (!transaction.isOpen() || !query.exec() || !EraseSearchText(db, id, &error)) {
        m_message = NotSavedMessage(error.isValid() ? error : query.lastError());
        return std::nullopt;
    }
    if (!transaction.commit()) {
        m_message = NotSavedMessage(db.lastError());
        return std::nullopt;
    }
    return removed;
}

bool DiaryStore::restore(const DiaryEntry &entry)
{
    if (!canWrite())
        return false;
    QSqlDatabase db = m_connection->db();
    m_lastError = {};
    Transaction transaction(db);
    if (!transaction.isOpen() || !insertWithId(entry) || !transaction.commit()) {
        m_message = NotSavedMessage(m_lastError.isValid() ? m_lastError : db.lastError());
        return false;
    }
    return true;
}

bool DiaryStore::setLunarDay(qint64 id, int lunarDay, const QString &lunarPlace)
{
    if (!canWrite())
        return false;
    QSqlQuery query(m_connection->db());
    query.prepare(QStringLiteral("UPDATE entry SET lunar_day = ?, lunar_place = ? WHERE id = ?"));
    query.addBindValue(lunarDay);
    query.addBindValue(Text(lunarPlace));
    query.addBindValue(id);
    if (!query.exec()) {
        m_message = NotSavedMessage(query.lastError());
        return false;
    }
    return true;
}

QList<qint64> DiaryStore::search(const QString &text) const
{
    QList<qint64> ids;
    if (!m_connection)
        return ids;
    const SearchQuery match = MakeSearchQuery(text, m_connection->stemmer);
    // "+id": walk the list's index in order and test each id, rather than fetch every found
    // row (a page each, for the text) and sort them.
    QStringList conditions;
    if (!match.stems.isEmpty())
        conditions << QStringLiteral("+id IN (SELECT rowid FROM entry_stems WHERE entry_stems MATCH ?)");
    if (!match.words.isEmpty())
        conditions << QStringLiteral("+id IN (SELECT rowid FROM entry_words WHERE entry_words MATCH ?)");
    QSqlQuery query(m_connection->db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id FROM entry")
                  + (conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND ")))
                  + kListOrder);
    for (const QString &part : {match.stems, match.words}) {
        if (!part.isEmpty())
            query.addBindValue(part);
    }
    if (!query.exec()) {
        m_message = NotSearchedMessage(query.lastError());
        return ids;
    }
    m_message.clear();
    while (query.next())
        ids.append(query.value(0).toLongLong());
    return ids;
}

}
