#include "article/articlemarkup.h"

#include <QGuiApplication>
#include <QPalette>

namespace somnar {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kTeal(0, 128, 128);
const QColor kLinkGreen(0, 128, 0);
const QColor kDashBlue(0, 0, 255);

constexpr QChar kEnDash(0x2013);

// Leading number of a text as the settings and book fields hold it; 0 when there is none.
qint64 leadingNumber(const QString &stored)
{
    const QString s = stored.trimmed();
    if (s.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        qint64 value = 0;
        for (qsizetype i = 2; i < s.size() && i < 10; ++i) {
            const char16_t c = s.at(i).toLower().unicode();
            const int digit = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'a' && c <= u'f' ? c - u'a' + 10 : -1;
            if (digit < 0)
                break;
            value = value * 16 + digit;
        }
        return value;
    }
    qsizetype i = 0;
    const bool negative = i < s.size() && s.at(i) == u'-';
    if (negative || (i < s.size() && s.at(i) == u'+'))
        ++i;
    qint64 value = 0;
    for (; i < s.size() && s.at(i).isDigit() && value < (qint64(1) << 33); ++i)
        value = value * 10 + s.at(i).digitValue();
    return negative ? -value : value;
}

CharFormat hiddenFormat()
{
    CharFormat f;
    f.hidden = true;
    return f;
}

}

QColor ColorFromBgr(quint32 bgr)
{
    if (bgr & 0x80000000u) {
        const QPalette palette = QGuiApplication::palette();
        switch (bgr & 0xFF) {
        case 5:
            return palette.color(QPalette::Base);
        case 8:
            return palette.color(QPalette::Text);
        default:
            return palette.color(QPalette::WindowText);
        }
    }
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor ColorFromStored(const QString &stored)
{
    return ColorFromBgr(quint32(leadingNumber(stored) & 0xFFFFFFFF));
}

FormatRange HeadwordFormat(const QString &word)
{
    FormatRange r{1, int(word.size()), {}};
    r.format.bold = true;
    r.format.color = kNavy;
    r.format.underline = true;
    r.format.pointSize = 12;
    return r;
}

std::vector<FormatRange> FormatArticle(const QString &text, const std::vector<HeaderStyle> &headers)
{
    std::vector<FormatRange> ranges;
    int lineStart = 0;
    int marker = 0;
    int linkStart = -1;
    QColor headerColor = Qt::black;
    const int n = int(text.size());
    // p is the 1-based position of ch, so p - 1 is its index.
    for (int p = 1; p <= n; ++p) {
        const QChar ch = text.at(p - 1);
        if (ch == u'\r') {
            lineStart = p;
        } else if (ch == kEnDash) {
            if (p - 1 - lineStart > 0) {
                FormatRange r{lineStart, p - 1 - lineStart, {}};
                r.format.color = kDashBlue;
                ranges.push_back(r);
            }
        } else if (ch == u'F' || ch == u'&') {
            marker = p - 1;
        } else if (ch == u'^' || ch == u'§') {
            const bool bookHeader = ch == u'§';
            if (bookHeader) {
                const QString selected = text.mid(marker, p - marker);
                for (const HeaderStyle &h : headers) {
                    if (!h.tolkName.isEmpty() && selected.contains(h.tolkName))
                        headerColor = ColorFromStored(h.color);
                }
            } else {
                headerColor = kTeal;
            }
            FormatRange title{marker, p - marker, {}};
            title.format.color = headerColor;
            title.format.bold = true;
            title.format.italic = true;
            ranges.push_back(title);
            FormatRange pictogram{marker, 1, {}};
            pictogram.format.pointSize = bookHeader ? 14 : 22;
            pictogram.format.italic = false;
            pictogram.format.fontFamily = kPictogramFamily;
            pictogram.format.bold = false;
            ranges.push_back(pictogram);
            ranges.push_back({p - 1, 1, hiddenFormat()});
        } else if (ch == u'<') {
            linkStart = p - 1;
        } else if (ch == u'>' && linkStart >= 0) {
            // A ">" with no open "<" is plain text: it must not turn the text before it into a link.
            ranges.push_back({linkStart, 1, hiddenFormat()});
            FormatRange link{linkStart + 1, p - linkStart - 1, {}};
            link.format.color = kLinkGreen;
            link.format.underline = true;
            ranges.push_back(link);
            ranges.push_back({p - 1, 1, hiddenFormat()});
            linkStart = -1;
        }
    }
    return ranges;
}

std::vector<FormatRange> ArticleFormats(const QString &text, const QString &word,
                                        const std::vector<HeaderStyle> &headers)
{
    std::vector<FormatRange> ranges{HeadwordFormat(word)};
    std::vector<FormatRange> markup = FormatArticle(text, headers);
    ranges.insert(ranges.end(), markup.begin(), markup.end());
    return ranges;
}

}
