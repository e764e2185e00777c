// The diary file when it is not simply there and writable: older, newer, locked, read-only,
// damaged. The file is never changed behind the user's back.
#include "diary/diaryschema.h"
#include "diary/diarystore.h"
#include "diary/searchtext.h"
#include "diarytestsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar::diary;
using somnar::test::At;
using somnar::test::Dream;
using somnar::test::FileBytes;

namespace {

// Runs SQL on a file outside the store, as an older program or another tool would.
class RawFile {
public:
    explicit RawFile(const QString &path) : m_name(QStringLiteral("raw-") + path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
    }
    ~RawFile()
    {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name); }
    QVariant value(const QString &sql) const
    {
        QSqlQuery query(db());
        EXPECT_TRUE(query.exec(sql) && query.next()) << sql.toStdString();
        return query.value(0);
    }
    void run(const QString &sql) const
    {
        QSqlQuery query(db());
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString();
    }

private:
    QString m_name;
};

class DiaryFile : public ::testing::Test {
protected:
    QString write(const QByteArray &bytes)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("diary.sqlite"));
};

TEST_F(DiaryFile, EveryEarlierVersionIsBroughtUpToDateAfterACopy)
{
    for (int version = 1; version < kDiarySchemaVersion; ++version) {
        SCOPED_TRACE(version);
        QFile::remove(path);
        {
            RawFile old(path);
            QSqlDatabase db = old.db();
            QString error;
            RussianStemmer stemmer;
            ASSERT_TRUE(MigrateDiarySchema(db, 0, version, stemmer, &error)) << error.toStdString();
            old.run(QStringLiteral("INSERT INTO entry (moment, title, body, vividness, created, changed) VALUES "
                                   "('2020-02-03T05:00:00', 'Старый сон', 'Видела ёлку', 4, "
                                   "'2020-02-03T06:00:00.000Z', '2020-02-03T06:00:00.000Z')"));
            if (version >= 2) {
                const SearchText text = MakeSearchText(QStringLiteral("Старый сон"), QStringLiteral("Видела ёлку"), {}, stemmer);
                old.run(QStringLiteral("INSERT INTO entry_words (rowid, words) VALUES (1, '%1')").arg(text.words));
                old.run(QStringLiteral("INSERT INTO entry_stems (rowid, stems) VALUES (1, '%1')").arg(text.stems));
            }
        }
        const QByteArray before = FileBytes(path);

        DiaryStore store(path);
        ASSERT_EQ(store.open(), DiaryOpenResult::Opened) << store.message().toStdString();
        const QList<DiaryEntry> entries = store.entries();
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].title, QStringLiteral("Старый сон"));
        EXPECT_EQ(entries[0].moment, At(2020, 2, 3));
        EXPECT_EQ(entries[0].vividness, 4);
        EXPECT_EQ(store.search(QStringLiteral("елка")), QList<qint64> {entries[0].id});
        DiaryEntry added = Dream(QStringLiteral("Новый"), {}, At(2026, 1, 1), {QStringLiteral("метка")});
        EXPECT_TRUE(store.save(added));
        store.close();

        const QString backup = path + QStringLiteral(".v%1.bak").arg(version);
        EXPECT_EQ(FileBytes(backup), before);
        EXPECT_EQ(RawFile(path).value(QStringLiteral("PRAGMA user_version")).toInt(), kDiarySchemaVersion);
        QFile::remove(backup);
    }
}

TEST_F(DiaryFile, ProblemsLeaveTheFileAsItWas)
{
    const auto otherDatabase = [this] {
        RawFile(path).run(QStringLiteral("CREATE TABLE notes (x)"));
    };
    const auto newerDiary = [this] {
        DiaryStore(path).open();
        RawFile(path).run(QStringLiteral("PRAGMA user_version = %1").arg(kDiarySchemaVersion + 1));
    };
    const struct {
        const char *name;
        std::function<void()> make;
        DiaryOpenResult result;
        const char *told;
    } cases[] = {
        {"garbage", [this] { write(QByteArray(5000, 'x')); }, DiaryOpenResult::Damaged, "повреждён"},
        {"a text file", [this] { write("Мой сон\n"); }, DiaryOpenResult::Damaged, "повреждён"},
        {"another database", otherDatabase, DiaryOpenResult::Damaged, "повреждён"},
        {"a newer version", newerDiary, DiaryOpenResult::NewerVersion, "более новой версией"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        c.make();
        const QByteArray before = FileBytes(path);
        DiaryStore store(path);
        EXPECT_EQ(store.open(), c.result);
        EXPECT_TRUE(store.message().contains(QString::fromUtf8(c.told))) << store.message().toStdString();
        EXPECT_FALSE(store.isOpen());
        DiaryEntry entry = Dream(QStringLiteral("Сон"), {}, At(2026, 1, 1));
        EXPECT_FALSE(store.save(entry));
        EXPECT_EQ(FileBytes(path), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("diary.sqlite")});
    }
}

TEST_F(DiaryFile, DamagedFileIsMovedAsideOnlyWhenAsked)
{
    const QByteArray damaged = QByteArray("SQLite format 3") + QByteArray(1, '\0') + QByteArray(4000, '\x7f');
    write(damaged);
    DiaryStore store(path);
    ASSERT_EQ(store.open(), DiaryOpenResult::Damaged);
    EXPECT_EQ(FileBytes(path), damaged);

    const QString aside = store.startOverAfterDamage();
    ASSERT_FALSE(aside.isEmpty()) << store.message().toStdString();
    EXPECT_TRUE(store.message().contains(aside));
    EXPECT_EQ(FileBytes(aside), damaged);
    EXPECT_TRUE(store.isWritable());
    EXPECT_EQ(store.count(), 0);
    DiaryEntry entry = Dream(QStringLiteral("Первый сон нового дневника"), {}, At(2026, 1, 1));
    EXPECT_TRUE(store.save(entry));

    EXPECT_TRUE(store.startOverAfterDamage().isEmpty()) << "a sound diary stays where it is";
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.damaged-*")}, QDir::Files).size(), 1);
}

TEST_F(DiaryFile, SecondCopyIsToldTheDiaryIsTaken)
{
    DiaryStore first(path);
    ASSERT_EQ(first.open(), DiaryOpenResult::Opened);
    DiaryEntry entry = Dream(QStringLiteral("Сон"), {}, At(2026, 1, 1));
    ASSERT_TRUE(first.save(entry));

    DiaryStore second(path);
    EXPECT_EQ(second.open(), DiaryOpenResult::Locked);
    EXPECT_TRUE(second.message().contains(QStringLiteral("другой копией"))) << second.message().toStdString();
    EXPECT_TRUE(first.save(entry)) << "the first copy goes on writing";

    first.close();
    EXPECT_EQ(second.open(), DiaryOpenResult::Opened);
    EXPECT_EQ(second.count(), 1);
}

// chmod does not stop root; the immutable attribute does.
bool MakeReadOnly(const QString &path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!QFileInfo(path).isWritable())
        return true;
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path});
    return !QFileInfo(path).isWritable();
}

void MakeWritable(const QString &path)
{
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(DiaryFile, ReadOnlyFileShowsWhatACrashLeftInTheJournal)
{
    // A copy taken while the diary is open is what a crash leaves: commits still in the journal.
    const QString copy = dir.filePath(QStringLiteral("copy.sqlite"));
    {
        DiaryStore store(path);
        ASSERT_EQ(store.open(), DiaryOpenResult::Opened);
        QList<DiaryEntry> entries {Dream(QStringLiteral("Один"), {}, At(2026, 1, 1)),
                                   Dream(QStringLiteral("Два"), {}, At(2026, 1, 2))};
        ASSERT_TRUE(store.saveAll(entries));
        for (const QString &suffix : {QString(), QStringLiteral("-wal")})
            ASSERT_TRUE(QFile::copy(path + suffix, copy + suffix));
    }
    ASSERT_GT(QFileInfo(copy + QStringLiteral("-wal")).size(), 0);
    const QByteArray before = FileBytes(copy);
    if (!MakeReadOnly(copy))
        GTEST_SKIP() << "cannot make a file read-only here";

    DiaryStore store(copy);
    EXPECT_EQ(store.open(), DiaryOpenResult::ReadOnly) << store.message().toStdString();
    EXPECT_EQ(store.count(), 2);
    EXPECT_EQ(store.search(QStringLiteral("два")).size(), 1);
    store.close();
    MakeWritable(copy);
    EXPECT_EQ(FileBytes(copy), before);
}

TEST_F(DiaryFile, ReadOnlyFileIsReadButNotWritten)
{
    qint64 id = 0;
    {
        DiaryStore store(path);
        ASSERT_EQ(store.open(), DiaryOpenResult::Opened);
        DiaryEntry entry = Dream(QStringLiteral("Река"), QStringLiteral("Плыла по реке"), At(2026, 1, 1));
        ASSERT_TRUE(store.save(entry));
        id = entry.id;
    }
    const QByteArray before = FileBytes(path);
    if (!MakeReadOnly(path))
        GTEST_SKIP() << "cannot make a file read-only here";

    DiaryStore store(path);
    EXPECT_EQ(store.open(), DiaryOpenResult::ReadOnly);
    EXPECT_TRUE(store.message().contains(QStringLiteral("только для чтения"))) << store.message().toStdString();
    EXPECT_EQ(store.entry(id)->title, QStringLiteral("Река"));
    EXPECT_EQ(store.search(QStringLiteral("реки")), QList<qint64> {id});
    DiaryEntry entry = Dream(QStringLiteral("Новый"), {}, At(2026, 1, 2));
    EXPECT_FALSE(store.save(entry));
    EXPECT_FALSE(store.remove(id));
    EXPECT_TRUE(store.message().contains(QStringLiteral("только для чтения")));
    store.close();
    MakeWritable(path);
    EXPECT_EQ(FileBytes(path), before);
}

}
