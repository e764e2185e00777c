#include "diary/russianstemmer.h"

#include <libstemmer.h>

#include <stdexcept>

namespace somnar::diary {

RussianStemmer::RussianStemmer() : m_stemmer(sb_stemmer_new("russian", "UTF_8"))
{
    if (!m_stemmer)
        throw std::runtime_error("the Russian stemmer is not available");
}

RussianStemmer::~RussianStemmer()
{
    sb_stemmer_delete(m_stemmer);
}

QString RussianStemmer::stem(const QString &word) const
{
    const QByteArray utf8 = FoldWord(word).toUtf8();
    const sb_symbol *stemmed =
        sb_stemmer_stem(m_stemmer, reinterpret_cast<const sb_symbol *>(utf8.constData()), int(utf8.size()));
    if (!stemmed)
        return FoldWord(word);
    return QString::fromUtf8(reinterpret_cast<const char *>(stemmed), sb_stemmer_length(m_stemmer));
}

QString FoldWord(const QString &word)
{
    QString folded = word.toLower();
    folded.replace(u'ё', u'е');
    return folded;
}

}
