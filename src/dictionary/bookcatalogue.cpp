#include "dictionary/bookcatalogue.h"

#include "app/datafolders.h"
#include "app/settingsstore.h"

#include <QDir>
#include <QFileInfo>

namespace somnar {

BookCatalogue::LoadResult BookCatalogue::load(const QStringList &dataFolders, const SettingsStore &settings)
{
    m_books.clear();
    m_skipped.clear();
    if (std::none_of(dataFolders.begin(), dataFolders.end(),
                     [](const QString &folder) { return !folder.isEmpty() && QDir(folder).exists(); }))
        return LoadResult::Unreadable;
    const QStringList files = MergedFolderFiles(dataFolders, {QStringLiteral("*.book")});
    if (files.isEmpty())
        return LoadResult::NoBookFiles;

    std::vector<CatalogueBook> books;
    for (const QString &path : files) {
        const QString fileName = QFileInfo(path).fileName();
        if (!IsValidVersion(path))
            continue;
        try {
            CatalogueBook book{path, {}, {}, {}, true, BookDatabase::open(path)};
            const BookConfig &config = book.database.config();
            book.toolName = config.toolName;
            book.tolkName = config.tolkName;
            book.color = config.color.value_or(QStringLiteral("0"));
            book.switchedOn = settings.getInt(kBooksSection, path, 1) != 0;
            books.push_back(std::move(book));
        } catch (const BookError &error) {
            // One damaged file must not take the other books away.
            m_skipped.push_back({fileName, error.fault()});
        } catch (const std::exception &) {
            m_skipped.push_back({fileName, BookFault::Damaged});
        }
    }
    if (books.empty())
        return LoadResult::NoCompatibleBooks;
    m_books = std::move(books);
    return LoadResult::Loaded;
}

void BookCatalogue::setSwitchedOn(qsizetype k, bool on)
{
    if (k < 0 || k >= count() || m_books[size_t(k)].switchedOn == on)
        return;
    m_books[size_t(k)].switchedOn = on;
    emit switchedOnChanged();
}

void BookCatalogue::switchAll(bool on)
{
    for (CatalogueBook &book : m_books)
        book.switchedOn = on;
    emit switchedOnChanged();
}

void BookCatalogue::keepOnly(qsizetype k)
{
    for (qsizetype i = 0; i < count(); ++i)
        m_books[size_t(i)].switchedOn = (i == k);
    emit switchedOnChanged();
}

qsizetype BookCatalogue::switchedOnCount() const
{
    return std::count_if(m_books.begin(), m_books.end(), [](const CatalogueBook &book) { return book.switchedOn; });
}

}
