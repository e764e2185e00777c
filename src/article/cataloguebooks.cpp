#include "article/cataloguebooks.h"

#include "dictionary/bookcatalogue.h"

namespace somnar {

namespace {

std::optional<ArticleEntry> lookUp(const BookDatabase &database, const QString &word)
{
    if (database.recordCount() == 0)
        return std::nullopt;
    const qsizetype row = database.seek(word);
    if (row < 0)
        return std::nullopt;
    const BookArticle &record = database.record(row);
    return ArticleEntry{record.text.value_or(QByteArray()), record.links};
}

}

ArticleBooksProvider CatalogueArticleBooks(const BookCatalogue &catalogue)
{
    return [&catalogue] {
        ArticleBooks books;
        books.reserve(size_t(catalogue.count()));
        for (qsizetype k = 0; k < catalogue.count(); ++k) {
            const CatalogueBook &book = catalogue.book(k);
            const BookDatabase *database = &book.database;
            books.push_back({book.switchedOn, book.tolkName, book.color,
                             [database](const QString &word) { return lookUp(*database, word); }});
        }
        return books;
    };
}

}
