#include "dictionary/bookfile/bookdatabase.h"

#include "dictionary/bookfile/jetformat.h"
#include "dictionary/bookfile/jetreader.h"

#include <QFile>

#include <algorithm>
#include <new>
#include <cstring>
#include <numeric>

namespace somnar {
namespace {

constexpr qint64 kMaxDatabaseSize = qint64(2) << 30;

[[noreturn]] void fail(const QString &path, BookFault fault, const QString &what)
{
    throw BookError(QStringLiteral("%1: %2").arg(path, what).toStdString(), fault);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, BookFault::CannotOpen, QStringLiteral("cannot open: %1").arg(file.errorString()));
    if (file.size() > kMaxDatabaseSize)
        fail(path, BookFault::TooLarge, QStringLiteral("larger than a Jet 4 database can be"));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(path, BookFault::CannotRead, QStringLiteral("cannot read: %1").arg(file.errorString()));
    return bytes;
}

// The Jet 4 start put back in place of the marker (in memory only).
QByteArray jetImage(QByteArray bytes, const QString &path)
{
    if (!bytes.startsWith(QByteArrayView(kBookMarker, jet::kMarkerLength)))
        fail(path, BookFault::NotMarked,
             QStringLiteral("not a book of this version (the file does not start with the book marker)"));
    std::memcpy(bytes.data(), jet::kJetStart, jet::kMarkerLength);
    return bytes;
}

std::optional<QByteArray> optionalBytes(const jet::Cell &cell)
{
    return cell.null ? std::nullopt : std::optional<QByteArray>(jet::cellBytes(cell));
}

}

BookDatabase BookDatabase::open(const QString &path)
{
    return fromBytes(readFile(path), path);
}

BookDatabase BookDatabase::fromBytes(QByteArray bytes, const QString &path)
{
    BookDatabase book;
    book.m_path = path;
    std::vector<BookArticle> stored;
    try {
        jet::Reader reader(jetImage(std::move(bytes), path));
        bool haveConfig = false;
        reader.readRows(QStringLiteral("Config"),
                        {QStringLiteral("Icon"), QStringLiteral("ToolName"), QStringLiteral("TolkName"),
                         QStringLiteral("Color")},
                        [&](const std::vector<jet::Cell> &c) {
                            if (haveConfig)
                                return;
                            haveConfig = true;
                            book.m_config.icon = optionalBytes(c[0]);
                            book.m_config.toolName = jet::cellText(c[1]);
                            book.m_config.tolkName = jet::cellText(c[2]);
                            if (!c[3].null)
                                book.m_config.color = jet::cellText(c[3]);
                        });
        if (!haveConfig)
            fail(path, BookFault::NoConfig, QStringLiteral("table Config holds no record"));
        reader.readRows(QStringLiteral("Book"), {QStringLiteral("List"), QStringLiteral("Text"), QStringLiteral("Links")},
                        [&](const std::vector<jet::Cell> &c) {
                            stored.push_back({jet::cellText(c[0]), optionalBytes(c[1]), optionalBytes(c[2])});
                        });
    } catch (const jet::ReadError &e) {
        fail(path, BookFault::Damaged, QString::fromStdString(e.what()));
    } catch (const std::bad_alloc &) {
        fail(path, BookFault::OutOfMemory, QStringLiteral("not enough memory to read the book"));
    }

    // Word order is built here: index pages of the file are not relied on.
    std::vector<WordKey> keys(stored.size());
    std::transform(stored.begin(), stored.end(), keys.begin(), [](const BookArticle &a) { return wordKey(a.list); });
    std::vector<size_t> order(stored.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    book.m_articles.reserve(stored.size());
    book.m_keys.reserve(stored.size());
    for (size_t i : order) {
        book.m_articles.push_back(std::move(stored[i]));
        book.m_keys.push_back(std::move(keys[i]));
    }
    return book;
}

qsizetype BookDatabase::seek(QStringView word) const
{
    // Words that differ only in case share their key, so the first of them is found.
    const WordKey key = wordKey(word);
    const auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    if (it == m_keys.end() || it->folded != key.folded)
        return -1;
    return qsizetype(it - m_keys.begin());
}

}
