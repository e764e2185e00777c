#include "article/textfind.h"

namespace somnar {

int FindNext(const QString &text, const QString &needle, int selectionStart, int selectionLength)
{
    if (needle.isEmpty())
        return -1;
    const qsizetype from = qsizetype(selectionStart) + selectionLength;
    qsizetype at = from <= text.size() ? text.indexOf(needle, from, Qt::CaseInsensitive) : -1;
    if (at < 0)
        at = text.indexOf(needle, 0, Qt::CaseInsensitive);
    return int(at);
}

}
