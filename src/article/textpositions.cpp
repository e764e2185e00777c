#include "article/textpositions.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace somnar {

TextPositionMap::TextPositionMap(QStringView rawText)
    : m_documentLength(int(rawText.size()))
{
    for (qsizetype i = 0; i < rawText.size(); ++i) {
        if (rawText.at(i) == QChar::ParagraphSeparator)
            m_breaks.push_back(int(i));
    }
}

TextPositionMap TextPositionMap::fromDocument(const QTextDocument &document)
{
    TextPositionMap map;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int separator = block.position() + block.length() - 1;
        if (block.next().isValid())
            map.m_breaks.push_back(separator);
        else
            map.m_documentLength = separator;
    }
    return map;
}

int TextPositionMap::toDocument(int viewPosition) const
{
    const int p = std::clamp(viewPosition, 0, viewLength());
    // Break i has its CR at m_breaks[i] + i and its LF one further. A position counts the breaks
    // whose LF lies before it; one between CR and LF lands just after the separator.
    int lo = 0;
    int hi = int(m_breaks.size());
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (m_breaks[size_t(mid)] + mid + 1 < p)
            lo = mid + 1;
        else
            hi = mid;
    }
    return p - lo;
}

int TextPositionMap::toView(int documentPosition) const
{
    const int q = std::clamp(documentPosition, 0, m_documentLength);
    const auto before = std::lower_bound(m_breaks.begin(), m_breaks.end(), q) - m_breaks.begin();
    return q + int(before);
}

QString ViewTextToDocument(QStringView viewText)
{
    QString out;
    out.reserve(viewText.size());
    for (qsizetype i = 0; i < viewText.size(); ++i) {
        const QChar ch = viewText.at(i);
        if (ch == u'\r' && i + 1 < viewText.size() && viewText.at(i + 1) == u'\n') {
            out += QChar::ParagraphSeparator;
            ++i;
        } else if (ch == u'\r' || ch == u'\n') {
            out += QChar::LineSeparator;
        } else {
            out += ch;
        }
    }
    return out;
}

QString DocumentTextToView(QStringView rawText)
{
    QString out;
    out.reserve(rawText.size() + rawText.size() / 16);
    for (const QChar ch : rawText) {
        if (ch == QChar::ParagraphSeparator)
            out += QLatin1String("\r\n");
        else if (ch == QChar::LineSeparator)
            out += u'\n';
        else
            out += ch;
    }
    return out;
}

}
