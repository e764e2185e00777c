#include "app/settingsformat.h"

#include <QList>

namespace somnar {
namespace {

// Value names and values are written verbatim except for the few characters that would
// change how a line reads back; those are written as %XX. Reading trims every kind of white
// space from the line, so a vertical tab, no-break space... at either end is escaped too (the
// rarer wide spaces beyond U+00FF have no %XX and are trimmed there).
QString escape(const QString &text, bool name)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const bool edge = (i == 0 || i == text.size() - 1) && ch.isSpace() && ch.unicode() <= 0xFF;
        const bool leading = name && i == 0 && (ch == u'[' || ch == u';' || ch == u'#');
        if (ch == u'%' || ch == u'\n' || ch == u'\r' || (name && ch == u'=') || edge || leading)
            out += QStringLiteral("%%1").arg(ch.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += ch;
    }
    return out;
}

QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 2 < text.size()) {
            bool ok = false;
            const ushort code = text.mid(i + 1, 2).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}

SettingsSections parseSettings(QByteArrayView text)
{
    SettingsSections sections;
    QString section;
    for (const QByteArray &rawLine : text.toByteArray().split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        sections[section][unescape(QStringView(line).left(eq))] = unescape(QStringView(line).mid(eq + 1));
    }
    return sections;
}

QByteArray formatSettings(const SettingsSections &sections)
{
    QString text;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        text += u'[' + section.key() + QStringLiteral("]\n");
        for (auto value = section->cbegin(); value != section->cend(); ++value)
            text += escape(value.key(), true) + u'=' + escape(value.value(), false) + u'\n';
        text += u'\n';
    }
    return text.toUtf8();
}

}
