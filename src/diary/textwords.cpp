#include "diary/textwords.h"

namespace somnar::diary {

namespace {

bool IsWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

}

QList<TextWord> WordsOf(QStringView text)
{
    QList<TextWord> words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool inWord = i < text.size() && IsWordCharacter(text[i]);
        if (inWord && start < 0)
            start = i;
        else if (!inWord && start >= 0) {
            words.append({start, i - start});
            start = -1;
        }
    }
    return words;
}

}
