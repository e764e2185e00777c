#pragma once

#include <QString>
#include <QStringView>

namespace somnar {

// Word order of books and of the word index: without regard to letter case, Russian
// alphabetical (ё sorts with е, just after it when the words are otherwise equal).
// Two words are the same word when they differ only in letter case.
QString foldWordCase(QStringView word);

struct WordKey {
    QString primary;   // case folded, ё as е
    QString folded;    // case folded
};

bool operator<(const WordKey &a, const WordKey &b);
bool operator==(const WordKey &a, const WordKey &b);

WordKey wordKey(QStringView word);
int compareWords(QStringView a, QStringView b);
bool sameWord(QStringView a, QStringView b);

}
