#include "diary/diarystore.h"

#include "app/datafolders.h"
#include "diary/diarymessages.h"
#include "diary/diaryschema.h"
#include "diary/searchtext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <atomic>

namespace somnar::diary {

namespace {

const QString kMomentFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
const QString kEntryColumns =
    QStringLiteral("id, moment, title, body, vividness, tags, created, changed, lunar_day, lunar_place");
const QString kListOrder = QStringLiteral(" ORDER BY moment DESC, id DESC");
// A second copy of the program answers at once rather than after SQLite's retries.
const QString kBusyTimeout = QStringLiteral("QSQLITE_BUSY_TIMEOUT=50");

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
    bool commit()
    {
        m_open = false;
        return m_db.commit();
    }

private:
    QSqlDatabase &m_db;
    bool m_open;
};

QString AsideName(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    return aside;
}

QString BackupName(const QString &path, int version)
{
    QString backup = path + QStringLiteral(".v%1.bak").arg(version);
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup = path + QStringLiteral(".v%1-%2.bak").arg(version).arg(n);
    return backup;
}

}

struct DiaryStore::Connection {
    QString name;
    bool writable = false;
    RussianStemmer stemmer;

    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }
};

QString DiaryStore::defaultPath()
{
    return UserFolder() + QStringLiteral("/diary.sqlite");
}

DiaryStore::DiaryStore(QString path) : m_path(std::move(path)) {}

DiaryStore::~DiaryStore()
{
    close();
}

void DiaryStore::close()
{
    if (!m_connection)
        return;
    const QString name = m_connection->name;
    m_connection.reset();
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

bool DiaryStore::isOpen() const
{
    return m_connection != nullptr;
}

bool DiaryStore::isWritable() const
{
    return m_connection && m_connection->writable;
}

DiaryOpenResult DiaryStore::open()
{
    close();
    m_message.clear();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        m_message = NoDriverMessage();
        return DiaryOpenResult::Failed;
    }
    const QFileInfo file(m_path);
    const QFileInfo folder(file.absolutePath());
    if (!file.exists() && !QDir().mkpath(folder.absoluteFilePath())) {
        m_message = CannotCreateMessage(m_path);
        return DiaryOpenResult::Failed;
    }
    const bool writable = file.exists() ? file.isWritable() && folder.isWritable() : folder.isWritable();
    if (!file.exists() && !writable) {
        m_message = CannotCreateMessage(m_path);
        return DiaryOpenResult::Failed;
    }

    static std::atomic<int> connections = 0;
    auto connection = std::make_unique<Connection>();
    connection->name = QStringLiteral("diary-%1").arg(++connections);
    connection->writable = writable;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection->name);
        if (writable) {
            db.setDatabaseName(m_path);
            db.setConnectOptions(kBusyTimeout);
        } else if (folder.isWritable() && QFileInfo(m_path + QStringLiteral("-wal")).size() > 0) {
            // Commits a crash left in the journal are read through a WAL index beside the file.
            db.setDatabaseName(m_path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        } else {
            // Immutable: SQLite writes nothing, not even its WAL index, beside a file it may not change.
            QUrl uri = QUrl::fromLocalFile(file.absoluteFilePath());
            uri.setQuery(QStringLiteral("immutable=1"));
            db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        }
    }
    m_connection = std::move(connection);
    const DiaryOpenResult result = prepare();
    if (result != DiaryOpenResult::Opened && result != DiaryOpenResult::ReadOnly)
        close();
    return result;
}

DiaryOpenResult DiaryStore::fail(const QSqlError &error)
{
    if (IsBusy(error)) {
        m_message = LockedMessage(m_path);
        return DiaryOpenResult::Locked;
    }
    if (IsDamage(error)) {
        m_message = DamagedMessage(m_path);
        return DiaryOpenResult::Damaged;
    }
    m_message = CannotOpenMessage(m_path, error);
    return DiaryOpenResult::Failed;
}

DiaryOpenResult DiaryStore::prepare()
{
    QSqlDatabase db = m_connection->db();
    if (!db.open())
        return fail(db.lastError());
    QSqlQuery query(db);
    // Exclusive: the lock taken on first reading is held until close, so a second copy finds
    // the diary busy.
    if (m_connection->writable && !query.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")))
        return fail(query.lastError());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return fail(query.lastError());
    const int version = query.value(0).toInt();
    if (version > kDiarySchemaVersion) {
        m_message = NewerVersionMessage(m_path, version);
        return DiaryOpenResult::NewerVersion;
    }
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'entry'")) || !query.next())
        return fail(query.lastError());
    const bool hasEntries = query.value(0).toInt() == 1;
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
        return fail(query.lastError());
    // An empty file starts a diary; any other database is not ours to change.
    if ((version == 0 && query.value(0).toInt() != 0) || (version > 0 && !hasEntries)) {
        m_message = DamagedMessage(m_path);
        return DiaryOpenResult::Damaged;
    }
    if (!m_connection->writable) {
        if (version < kDiarySchemaVersion) {
            m_message = OutdatedReadOnlyMessage(m_path);
            return DiaryOpenResult::Failed;
        }
        if (!query.exec(QStringLiteral("SELECT count(*) FROM entry")))
            return fail(query.lastError());
        m_message = ReadOnlyMessage(m_path);
        return DiaryOpenResult::ReadOnly;
    }
    query.finish();
    if (version > 0 && version < kDiarySchemaVersion && !backUp(version))
        return DiaryOpenResult::Failed;
    // Only now that the file is known to be ours may its journal mode change.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !query.exec(QStringLiteral("PRAGMA synchronous = FULL")))
        return fail(query.lastError());
    query.finish();
    return migrate(version);
}

bool DiaryStore::backUp(int version)
{
    // Commits still in the journal of an older program belong in the copy.
    if (QFileInfo(m_path + QStringLiteral("-wal")).size() > 0) {
        QSqlQuery query(m_connection->db());
        if (!query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"))) {
            fail(query.lastError());
            return false;
        }
    }
    const QString backup = BackupName(m_path, version);
    if (!QFile::copy(m_path, backup)) {
        m_message = CannotCreateMessage(backup);
        return false;
    }
    return true;
}

DiaryOpenResult DiaryStore::migrate(int version)
{
    QSqlDatabase db = m_connection->db();
    QSqlQuery query(db);
    // Taking the write lock now keeps it for the whole session.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(query.lastError());
    QString error;
    if (!MigrateDiarySchema(db, version, kDiarySchemaVersion, m_connection->stemmer, &error)) {
        query.exec(QStringLiteral("ROLLBACK"));
        m_message = CannotOpenMessage(m_path, QSqlError(error, {}, QSqlError::StatementError));
        return DiaryOpenResult::Failed;
    }
    if (!query.exec(QStringLiteral("SELECT count(*) FROM entry")) || !query.exec(QStringLiteral("COMMIT"))) {
        const QSqlError failure = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        return fail(failure);
    }
    return DiaryOpenResult::Opened;
}

QString DiaryStore::startOverAfterDamage()
{
    close();
    const QString aside = AsideName(m_path);
    if (!QFile::rename(m_path, aside)) {
        m_message = CannotMoveAsideMessage(m_path);
        return {};
    }
    // The damaged file's journal belongs to it, not to the new diary.
    for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(m_path + suffix))
            QFile::rename(m_path + suffix, aside + suffix);
    }
    const DiaryOpenResult result = open();
    if (result != DiaryOpenResult::Opened)
        return {};
    m_message = MovedAsideMessage(aside);
    return aside;
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
    query.exec();
    while (query.next())
        ids.append(query.value(0).toLongLong());
    return ids;
}

}
