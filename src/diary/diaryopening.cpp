#include "diary/diarystore.h"

#include "app/datafolders.h"
#include "diary/diaryconnection.h"
#include "diary/diarymessages.h"
#include "diary/diaryschema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <atomic>

namespace somnar::diary {

namespace {

// A second copy of the program answers at once rather than after SQLite's retries.
const QString kBusyTimeout = QStringLiteral("QSQLITE_BUSY_TIMEOUT=50");

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
    m_openResult = DiaryOpenResult::Failed;
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
    m_openResult = prepare();
    if (m_openResult != DiaryOpenResult::Opened && m_openResult != DiaryOpenResult::ReadOnly)
        close();
    return m_openResult;
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
    // Only a file the last open() found damaged is ever moved.
    if (m_openResult != DiaryOpenResult::Damaged) {
        m_message = NotDamagedMessage(m_path);
        return {};
    }
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

}
