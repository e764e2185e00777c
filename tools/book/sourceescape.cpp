#include "sourceescape.h"

#include <stdexcept>

namespace somnar {

QString escapeSourceValue(const std::optional<QString> &value)
{
    if (!value)
        return QStringLiteral("\\\\N");
    QString out(QLatin1Char('\\'));
    for (const QChar ch : *value) {
        if (ch == u'\\')
            out += QStringLiteral("\\\\");
        else if (ch == u'\r')
            out += QStringLiteral("\\r");
        else if (ch == u'\n')
            out += QStringLiteral("\\n");
        else
            out += ch;
    }
    return out;
}

std::optional<QString> unescapeSourceValue(QStringView afterBackslash)
{
    if (afterBackslash == u"\\N")
        return std::nullopt;
    QString out;
    for (qsizetype i = 0; i < afterBackslash.size(); ++i) {
        if (afterBackslash[i] != u'\\') {
            out += afterBackslash[i];
            continue;
        }
        const QChar next = i + 1 < afterBackslash.size() ? afterBackslash[i + 1] : QChar();
        if (next == u'\\')
            out += u'\\';
        else if (next == u'r')
            out += u'\r';
        else if (next == u'n')
            out += u'\n';
        else
            throw std::invalid_argument("unknown escape: only \\\\, \\r, \\n and a whole \\N are known");
        ++i;
    }
    return out;
}

}
