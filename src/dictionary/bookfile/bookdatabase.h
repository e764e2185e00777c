#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include "dictionary/bookfile/wordorder.h"

#include <optional>
#include <stdexcept>
#include <vector>

namespace somnar {

// Why a book could not be read, for a message in plain words.
enum class BookFault { CannotOpen, TooLarge, CannotRead, NotMarked, Damaged, NoConfig, OutOfMemory };

// A failure to read a book; the message names the file.
class BookError : public std::runtime_error {
public:
    explicit BookError(const std::string &message, BookFault fault = BookFault::Damaged)
        : std::runtime_error(message)
        , m_fault(fault)
    {
    }
    BookFault fault() const { return m_fault; }

private:
    BookFault m_fault;
};

// The 22 bytes a book file carries over the Jet 4 file start while at rest.
inline constexpr char kBookMarker[] = "DB1 OKV Somnar book v3";

bool IsValidVersion(const QString &path);
// Book-making only: the program itself never writes to a book file. Throw BookError.
void UnlockBase(const QString &path);
void LockBase(const QString &path);

// The one record of table Config. Icon holds the bytes of a picture file.
struct BookConfig {
    std::optional<QByteArray> icon;
    QString toolName;
    QString tolkName;
    std::optional<QString> color;
};

// One record of table Book. Text and Links hold packed bytes (see packedtext.h).
struct BookArticle {
    QString list;
    std::optional<QByteArray> text;
    std::optional<QByteArray> links;
};

// A book file read whole into memory: the file on disk is never written.
class BookDatabase {
public:
    // Throws BookError naming the file when it is not a readable book.
    static BookDatabase open(const QString &path);
    // The same for the bytes of a whole book file; path only names it in messages.
    static BookDatabase fromBytes(QByteArray bytes, const QString &path);

    const QString &path() const { return m_path; }
    const BookConfig &config() const { return m_config; }

    // Records in word order (the order of index List).
    qsizetype recordCount() const { return qsizetype(m_articles.size()); }
    const BookArticle &record(qsizetype i) const { return m_articles[size_t(i)]; }

    // Seek "=": the first record whose List is the same word without regard to case, or -1.
    qsizetype seek(QStringView word) const;

private:
    QString m_path;
    BookConfig m_config;
    std::vector<BookArticle> m_articles;
    std::vector<WordKey> m_keys;   // of m_articles, in the same order
};

}
