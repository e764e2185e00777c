#pragma once

#include "dictionary/bookfile/bookdatabase.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

namespace somnar {

class SettingsStore;

// One opened book as the rest of the program sees it (book button k+1 for book k).
struct CatalogueBook {
    QString path;      // button key
    QString toolName;  // tooltip, menu caption
    QString tolkName;  // button Tag: the title in article headers
    QString color;     // button Description: decimal 0x00BBGGRR, "0" when Null
    bool switchedOn = true;
    BookDatabase database;
};

// A marked book file that could not be read and was left out.
struct SkippedBook {
    QString fileName;
    BookFault fault;
};

// The ordered list of opened books, in catalogue order: by file name without regard to case.
// Built once at start-up; only the switched-on states change afterwards.
class BookCatalogue : public QObject {
    Q_OBJECT
public:
    enum class LoadResult {
        Loaded,            // at least one book; damaged ones may have been skipped
        Unreadable,        // the folder is missing
        NoBookFiles,       // no "*.book" file at all
        NoCompatibleBooks  // files exist, none is a readable book
    };

    qsizetype count() const { return qsizetype(m_books.size()); }
    const CatalogueBook &book(qsizetype k) const { return m_books[size_t(k)]; }

    // Opens every marked book of the folders (the program's, then the user's: a user book
    // replaces the program's book of the same file name); the switched-on states come from the
    // settings (value name = the book's path, default on). Unreadable when no folder exists.
    // A marked book that cannot be read is left out and listed in skipped(); its file is not
    // touched. On a failure the catalogue stays empty.
    LoadResult load(const QStringList &dataFolders, const SettingsStore &settings);
    LoadResult load(const QString &dataFolder, const SettingsStore &settings)
    {
        return load(QStringList{dataFolder}, settings);
    }
    const std::vector<SkippedBook> &skipped() const { return m_skipped; }

    void setSwitchedOn(qsizetype k, bool on);
    void switchAll(bool on);
    // Switches every book off except book k.
    void keepOnly(qsizetype k);
    qsizetype switchedOnCount() const;

signals:
    void switchedOnChanged();

protected:
    std::vector<CatalogueBook> m_books;
    std::vector<SkippedBook> m_skipped;
};

}
