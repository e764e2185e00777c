#include "article/linkword.h"

namespace somnar {

QString GetWord(const QString &text, int position)
{
    if (!text.contains(u'<'))
        return {};
    int open = -1;
    for (int i = std::min(position, int(text.size())) - 1; i >= 0; --i) {
        const QChar ch = text.at(i);
        if (ch == u'>')
            return {};
        if (ch == u'<') {
            open = i;
            break;
        }
    }
    if (open < 0)
        return {};
    const qsizetype close = text.indexOf(u'>', open + 1);
    if (close < 0)
        return {};
    return text.mid(open + 1, close - open - 1).trimmed();
}

QString LinkToolTip(const QString &word)
{
    return QStringLiteral("Перейти к «") + word + QStringLiteral("»");
}

}
