#include "dictionary/bookfile/wordorder.h"

namespace somnar {

QString foldWordCase(QStringView word)
{
    return word.toString().toLower();
}

WordKey wordKey(QStringView word)
{
    WordKey key;
    key.folded = foldWordCase(word);
    key.primary = key.folded;
    key.primary.replace(QChar(0x0451), QChar(0x0435));
    return key;
}

bool operator<(const WordKey &a, const WordKey &b)
{
    const int primary = a.primary.compare(b.primary);
    return primary != 0 ? primary < 0 : a.folded < b.folded;
}

bool operator==(const WordKey &a, const WordKey &b)
{
    return a.primary == b.primary && a.folded == b.folded;
}

int compareWords(QStringView a, QStringView b)
{
    const WordKey ka = wordKey(a);
    const WordKey kb = wordKey(b);
    return ka < kb ? -1 : (kb < ka ? 1 : 0);
}

bool sameWord(QStringView a, QStringView b)
{
    return foldWordCase(a) == foldWordCase(b);
}

}
