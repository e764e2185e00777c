// The book marker: plain Jet files are not books, marked files that are not databases give a
// clear error, and reading never changes the file.

#include "bookfixtures.h"

#include "dictionary/bookfile/bookwriter.h"
#include "dictionary/bookfile/jetformat.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::test;

namespace {

class BookMarker : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath(QStringLiteral("book.book"));
        writeBook(path, sampleConfig(), {{QStringLiteral("Кошка"), packedArticle(1, 50), std::nullopt}});
    }

    // Expects open to fail with a message that names the file.
    void expectOpenError(const QString &file)
    {
        try {
            BookDatabase::open(file);
            FAIL() << "no error for " << file.toStdString();
        } catch (const BookError &e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(file)) << e.what();
        }
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(BookMarker, WrittenBookCarriesTheMarker)
{
    EXPECT_TRUE(IsValidVersion(path));
    EXPECT_EQ(readAll(path).left(22), QByteArray(kBookMarker, 22));
}

TEST_F(BookMarker, PlainJetStartIsRejected)
{
    UnlockBase(path);
    EXPECT_EQ(readAll(path).left(22), QByteArray(reinterpret_cast<const char *>(jet::kJetStart), 22));
    EXPECT_FALSE(IsValidVersion(path));
    expectOpenError(path);
    LockBase(path);
    EXPECT_TRUE(IsValidVersion(path));
    EXPECT_EQ(BookDatabase::open(path).recordCount(), 1);
}

TEST_F(BookMarker, MarkedFileThatIsNotADatabase)
{
    const QString garbage = dir.filePath(QStringLiteral("garbage.book"));
    for (const QByteArray &tail : {QByteArray(), QByteArray("just some text"), QByteArray(3 * 4096, 'x'),
                                   QByteArray(8 * 4096, '\0')}) {
        writeAll(garbage, QByteArray(kBookMarker, 22) + tail);
        EXPECT_TRUE(IsValidVersion(garbage));
        expectOpenError(garbage);
    }
}

TEST_F(BookMarker, MissingOrShortFiles)
{
    const QString missing = dir.filePath(QStringLiteral("missing.book"));
    EXPECT_FALSE(IsValidVersion(missing));
    expectOpenError(missing);
    const QString shortFile = dir.filePath(QStringLiteral("short.book"));
    writeAll(shortFile, QByteArray(kBookMarker, 10));
    EXPECT_FALSE(IsValidVersion(shortFile));
    EXPECT_THROW(UnlockBase(shortFile), BookError);
    EXPECT_THROW(UnlockBase(missing), BookError);
}

TEST_F(BookMarker, ReadingLeavesTheFileUntouched)
{
    const QByteArray before = fileHash(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    for (int i = 0; i < 3; ++i)
        BookDatabase::open(path);
    EXPECT_EQ(fileHash(path), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
}

TEST_F(BookMarker, ReadOnlyBookOpens)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_EQ(BookDatabase::open(path).recordCount(), 1);
    EXPECT_TRUE(IsValidVersion(path));
}

}
