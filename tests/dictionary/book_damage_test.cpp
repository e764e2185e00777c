// Damaged books: every damage comes back as an error that names the file, never a crash or a
// hang, and the damaged file is left as it was.

#include "bookfixtures.h"

#include "dictionary/bookfile/bookwriter.h"
#include "dictionary/bookfile/jetformat.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::test;

namespace {

class BookDamage : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString source = dir.filePath(QStringLiteral("source.book"));
        BookConfig config = sampleConfig();
        config.icon = everyByte(2500);
        std::vector<BookArticle> articles;
        for (int i = 0; i < 40; ++i)
            articles.push_back({headword(i), packedArticle(quint32(i), 100 + i * 40), Pack(cp1251(headword(i + 1)))});
        articles.push_back({QStringLiteral("Длинный"), everyByte(20000), std::nullopt});
        writeBook(source, config, articles);
        image = readAll(source);
        path = dir.filePath(QStringLiteral("damaged.book"));
    }

    // Opens the damaged image: either it reads, or the error names the file.
    void expectReadOrError(const QByteArray &damaged, const std::string &what)
    {
        writeAll(path, damaged);
        try {
            const BookDatabase book = BookDatabase::open(path);
            EXPECT_LE(book.recordCount(), 10000) << what;
        } catch (const BookError &e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(path)) << what << ": " << e.what();
        }
        EXPECT_EQ(readAll(path), damaged) << what;
    }

    static void put32At(QByteArray &bytes, qsizetype at, uint32_t value)
    {
        jet::put32(reinterpret_cast<unsigned char *>(bytes.data()) + at, value);
    }

    QTemporaryDir dir;
    QByteArray image;
    QString path;
};

TEST_F(BookDamage, TruncatedFiles)
{
    for (qsizetype size : {qsizetype(22), qsizetype(100), qsizetype(4096), qsizetype(3 * 4096 + 17),
                           image.size() - 4096, image.size() - 1}) {
        writeAll(path, image.left(size));
        EXPECT_THROW(BookDatabase::open(path), BookError) << size;
    }
}

TEST_F(BookDamage, BrokenPointers)
{
    const qsizetype catalogue = 2 * 4096;
    struct Damage {
        const char *what;
        qsizetype at;
        uint32_t value;
    };
    const Damage damages[] = {
        {"catalogue page type", catalogue, 0x01},
        {"catalogue next page", catalogue + 4, 0x7FFFFF},
        {"catalogue next page to itself", catalogue + 4, 2},
        {"catalogue column count", catalogue + jet::kTableColumnCount, 0xFFFF},
        {"catalogue index count", catalogue + jet::kTableRealIndexCount, 0x7FFFFFFF},
        {"catalogue usage map", catalogue + jet::kTableUsageMap, 0xFFFFFF00},
        {"catalogue free map", catalogue + jet::kTableFreeMap, 0x00000377},
        {"database version", 0x14, 0x09},
    };
    for (const Damage &d : damages) {
        QByteArray damaged = image;
        if (d.what == std::string("database version"))
            damaged[d.at] = char(d.value);
        else
            put32At(damaged, d.at, d.value);
        expectReadOrError(damaged, d.what);
    }
}

// libmdb decrypts every page of a database with a key, so the reader must refuse it before the
// library reads pages that were never checked.
TEST_F(BookDamage, DatabaseKeyIsRefused)
{
    QByteArray damaged = image;
    auto *page0 = reinterpret_cast<unsigned char *>(damaged.data());
    jet::maskDatabaseHeader(page0);
    jet::put32(page0 + jet::kDatabaseKey, 0x12345678);
    jet::maskDatabaseHeader(page0);
    writeAll(path, damaged);
    try {
        BookDatabase::open(path);
        FAIL() << "no error";
    } catch (const BookError &e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("encrypted"))) << e.what();
    }
}

// Random damage anywhere in the file: bytes flipped, pages overwritten with noise or zeros.
TEST_F(BookDamage, RandomDamageNeverCrashes)
{
    const qsizetype pages = image.size() / 4096;
    QRandomGenerator random(20240521);
    for (int round = 0; round < 1500; ++round) {
        QByteArray damaged = image;
        switch (round % 3) {
        case 0:
            for (int k = 0; k < 1 + round % 8; ++k)
                damaged[22 + random.bounded(damaged.size() - 22)] = char(random.bounded(256));
            break;
        case 1: {
            const qsizetype page = random.bounded(pages);
            const qsizetype at = page * 4096 + random.bounded(64);
            for (int k = 0; k < 4; ++k)
                damaged[std::max<qsizetype>(22, at + k)] = char(random.bounded(256));
            break;
        }
        default: {
            const qsizetype page = 1 + random.bounded(pages - 1);
            for (qsizetype i = 0; i < 4096; ++i)
                damaged[page * 4096 + i] = round % 2 ? char(random.bounded(256)) : '\0';
        }
        }
        expectReadOrError(damaged, "round " + std::to_string(round));
        if (HasFailure())
            return;
    }
}

}
