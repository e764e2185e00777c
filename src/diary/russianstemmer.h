#pragma once

#include <QString>

struct sb_stemmer;

namespace somnar::diary {

// The Snowball Russian stemmer over UTF-8. Not shared between threads.
class RussianStemmer {
public:
    RussianStemmer();
    ~RussianStemmer();
    RussianStemmer(const RussianStemmer &) = delete;
    RussianStemmer &operator=(const RussianStemmer &) = delete;

    // The stem of one word, lower-cased with ё read as е: "Кошку" -> "кошк".
    QString stem(const QString &word) const;

private:
    sb_stemmer *m_stemmer;
};

// Lower case with ё read as е: what words are compared and indexed by.
QString FoldWord(const QString &word);

}
