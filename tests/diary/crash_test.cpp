// A writer killed at any point of a batch leaves the diary whole, with exactly the batches it
// committed.
#include "diary/diarystore.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace somnar::diary;

namespace {

constexpr int kBatch = 40;

QString IntegrityCheck(const QString &path)
{
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
            result = query.value(0).toString();
        else
            result = query.lastError().text();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return result;
}

TEST(DiaryCrash, KilledWriterLeavesEveryCommittedBatchAndNothingElse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("diary.sqlite"));
    // Each round waits for a different number of commits and a different time after the last
    // one, so the kill falls at different points of a batch.
    const struct {
        int commits;
        int afterMs;
    } rounds[] = {{1, 0}, {3, 1}, {2, 3}, {4, 7}, {2, 13}};
    qint64 before = 0;
    for (const auto &round : rounds) {
        QProcess writer;
        writer.start(QStringLiteral(DIARY_CRASH_WRITER), {path, QString::number(kBatch)});
        ASSERT_TRUE(writer.waitForStarted());
        qint64 reported = before;
        for (int seen = 0; seen < round.commits;) {
            ASSERT_TRUE(writer.waitForReadyRead(30000)) << writer.readAllStandardError().toStdString();
            while (writer.canReadLine()) {
                reported = writer.readLine().trimmed().toLongLong();
                ++seen;
            }
        }
        QThread::msleep(round.afterMs);
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished());
        while (writer.canReadLine())
            reported = writer.readLine().trimmed().toLongLong();

        EXPECT_EQ(IntegrityCheck(path), QStringLiteral("ok"));
        DiaryStore store(path);
        ASSERT_EQ(store.open(), DiaryOpenResult::Opened) << store.message().toStdString();
        const qint64 count = store.count();
        // The batch being committed at the kill may have reached the disk before its number
        // reached the pipe.
        EXPECT_TRUE(count == reported || count == reported + kBatch) << count << " after " << reported;
        EXPECT_EQ(count % kBatch, 0);
        EXPECT_EQ(qint64(store.search(QStringLiteral("дорога")).size()), count);
        before = count;
    }
}

}
