#include "bookcheck.h"

#include "text/packedtext.h"
#include "dictionary/bookfile/bookdatabase.h"
#include "dictionary/bookfile/wordorder.h"

namespace somnar {
namespace {

// A packed field decodes when its stream yields bytes, or when it stores nothing at all.
bool decodes(const QByteArray &stored)
{
    return stored.isEmpty() || !UnpackBytes(stored).isEmpty();
}

}

int checkBook(const QString &path, QTextStream &out)
{
    out << "Book: " << path << '\n';
    if (!IsValidVersion(path)) {
        out << "Marker: missing (the file does not start with \"" << kBookMarker << "\")\n";
        return 1;
    }
    out << "Marker: right\n";
    std::optional<BookDatabase> book;
    try {
        book = BookDatabase::open(path);
    } catch (const BookError &e) {
        out << "Database: cannot be read: " << e.what() << '\n';
        return 1;
    }
    out << "Tables: Book (List, Text, Links) and Config (Icon, ToolName, TolkName, Color) present\n";
    out << "Articles: " << book->recordCount() << '\n';

    int problems = 0;
    const auto problem = [&](const QString &what) {
        out << "Problem: " << what << '\n';
        ++problems;
    };
    const BookConfig &config = book->config();
    if (config.toolName.isEmpty())
        problem(QStringLiteral("Config.ToolName is empty"));
    if (config.tolkName.isEmpty())
        problem(QStringLiteral("Config.TolkName is empty"));
    if (config.color) {
        bool ok = false;
        config.color->toLongLong(&ok);
        if (!ok)
            problem(QStringLiteral("Config.Color \"%1\" is not a decimal number").arg(*config.color));
    }
    for (qsizetype i = 0; i < book->recordCount(); ++i) {
        const BookArticle &article = book->record(i);
        if (article.list.isEmpty())
            problem(QStringLiteral("record %1 has an empty List").arg(i + 1));
        if (i > 0 && sameWord(book->record(i - 1).list, article.list))
            problem(QStringLiteral("\"%1\" is given twice; only the first can be found").arg(article.list));
        if (!article.text)
            problem(QStringLiteral("\"%1\": Text is Null").arg(article.list));
        else if (!decodes(*article.text))
            problem(QStringLiteral("\"%1\": Text does not decode").arg(article.list));
        if (article.links && !decodes(*article.links))
            problem(QStringLiteral("\"%1\": Links does not decode").arg(article.list));
    }
    out << (problems ? QStringLiteral("Result: %1 problem(s)\n").arg(problems) : QStringLiteral("Result: OK\n"));
    return problems;
}

}
