#pragma once

#include "dictionary/bookfile/bookdatabase.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

namespace somnar {

// One text line of a source with its 1-based line number. An escaped line ("\...") holds
// its value, which is never blank; "\\N" stands for a Null field.
struct SourceLine {
    int number = 0;
    QString text;
    bool escaped = false;
    bool null = false;
};

// An article as its source writes it, before packing: checks over several books read these.
struct WrittenArticle {
    SourceLine headword;
    std::vector<SourceLine> text;   // blank lines at either end dropped
    std::optional<SourceLine> links;
    QStringList linkWords;
    std::optional<QString> exactLinks;   // "->\...": the stored value as written, no "." added
    bool nullText = false;               // the only text line is "\\N"
};

// A readable book source (UTF-8 text) turned into the records of a book file.
struct BookSource {
    BookConfig config;
    std::vector<BookArticle> articles;     // Text and Links packed, in word order
    std::vector<WrittenArticle> written;   // the same articles unpacked, in source order
};

// A fault in a source; line is 1-based, 0 when the fault belongs to the whole file.
class SourceError : public std::runtime_error {
public:
    SourceError(int line, const QString &message)
        : std::runtime_error(message.toStdString()), m_line(line) {}
    int line() const { return m_line; }

private:
    int m_line;
};

// Reads the source file; picture files are found relative to it. Throws SourceError.
BookSource readBookSource(const QString &path);

// The same from text already read; baseDir is where picture files are looked for.
BookSource parseBookSource(const QByteArray &utf8, const QString &baseDir);

}
