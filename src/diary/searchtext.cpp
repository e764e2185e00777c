#include "diary/searchtext.h"

#include "diary/textwords.h"

#include <QStringList>

namespace somnar::diary {

namespace {

QStringList FoldedWords(QStringView text)
{
    QStringList words;
    for (const TextWord &word : WordsOf(text))
        words << FoldWord(text.mid(word.position, word.length).toString());
    return words;
}

QString Quoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}

SearchText MakeSearchText(const QString &title, const QString &text, const QString &tags,
                          const RussianStemmer &stemmer)
{
    const QString all = title + u'\n' + tags + u'\n' + text;
    const QStringList words = FoldedWords(all);
    QStringList stems;
    stems.reserve(words.size());
    for (const QString &word : words)
        stems << stemmer.stem(word);
    return {words.join(u' '), stems.join(u' ')};
}

QString MakeSearchQuery(const QString &userText, const RussianStemmer &stemmer)
{
    QStringList terms;
    // Even parts lie outside double quotes, odd ones inside; an unclosed quote runs to the end.
    const QStringList parts = userText.split(u'"');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringList words = FoldedWords(parts[i]);
        if (words.isEmpty())
            continue;
        if (i % 2 == 1) {
            terms << QStringLiteral("words : ") + Quoted(words.join(u' '));
            continue;
        }
        for (const QString &word : words)
            terms << QStringLiteral("stems : ") + Quoted(stemmer.stem(word));
    }
    return terms.join(QStringLiteral(" AND "));
}

}
