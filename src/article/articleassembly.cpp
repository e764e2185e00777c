#include "article/articleassembly.h"

#include "text/packedtext.h"

#include <QStringList>

namespace somnar {

namespace {

qsizetype lengthWithoutTrailingBlanks(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1).isSpace())
        --n;
    return n;
}

}

void CollectLinkWords(const QString &links, QString &linkList)
{
    // The list is ";"-separated and closed by a "." that is its last non-blank character;
    // a word after the last separator is not closed and is not taken.
    const qsizetype closingDot = lengthWithoutTrailingBlanks(links) - 1;
    QStringList collected;
    QString word;
    for (qsizetype i = 0; i < links.size(); ++i) {
        const QChar ch = links.at(i);
        const bool separator = ch == u';' || (ch == u'.' && i == closingDot);
        if (!separator) {
            word += ch;
            continue;
        }
        const QString trimmed = word.trimmed();
        word.clear();
        if (!trimmed.isEmpty() && !linkList.contains(u'<' + trimmed + u'>'))
            collected.append(trimmed);
    }
    for (const QString &w : collected)
        linkList += w + QStringLiteral(">, <");
}

QString AssembleArticle(const QString &word, const ArticleBooks &books)
{
    QString body;
    QString linkList = QStringLiteral("<");
    for (const ArticleBook &book : books) {
        if (!book.switchedOn || !book.lookup)
            continue;
        const std::optional<ArticleEntry> entry = book.lookup(word);
        if (!entry)
            continue;
        body += kCrLf + kCrLf + QStringLiteral("& ") + book.tolkName + QStringLiteral(":§") + kCrLf
            + Unpack(entry->text);
        if (entry->links)
            CollectLinkWords(Unpack(*entry->links), linkList);
    }
    if (linkList.size() > 3) {
        linkList.chop(3);
        body += kCrLf + kCrLf + QStringLiteral("F^") + linkList;
    }
    if (body.isEmpty())
        return {};
    return u' ' + word + body;
}

}
