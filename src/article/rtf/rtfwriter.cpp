#include "article/rtf/rtfwriter.h"

#include "text/codepage.h"

#include <QFontInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace somnar {

namespace {

// The family a reader should use: the one the screen really shows for the requested name.
QString shownFamily(const QFont &font)
{
    return QFontInfo(font).family();
}

class RtfBuilder {
public:
    explicit RtfBuilder(const QTextDocument &document)
        : m_document(document)
    {
        fontIndex(shownFamily(document.defaultFont()));
    }

    QByteArray build()
    {
        QByteArray body;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            body += "\\pard" + paragraphFormat(block);
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.isValid())
                    writeRun(body, fragment.charFormat(), fragment.text());
            }
            if (block.next().isValid())
                body += "\\par\n";
        }
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\\uc1\n{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset204 " + escaped(m_fonts[i]) + ";}";
        out += "}\n{\\colortbl ;";
        for (const QColor &c : m_colors)
            out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green())
                + "\\blue" + QByteArray::number(c.blue()) + ';';
        out += "}\n";
        out += body;
        out += "\\par\n}";
        return out;
    }

private:
    static QByteArray twips(const char *word, qreal pixels)
    {
        const long value = std::lround(pixels * 15);
        return value == 0 ? QByteArray() : word + QByteArray::number(qlonglong(value));
    }

    // Alignment, indents and spacing; a list item also gets its marker, once as text for simple
    // readers and once as a list description for word processors.
    static QByteArray paragraphFormat(const QTextBlock &block)
    {
        const QTextBlockFormat format = block.blockFormat();
        QByteArray out;
        const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignRight)
            out += "\\qr";
        else if (align & Qt::AlignHCenter)
            out += "\\qc";
        else if (align & Qt::AlignJustify)
            out += "\\qj";
        out += twips("\\ri", format.rightMargin()) + twips("\\sb", format.topMargin())
            + twips("\\sa", format.bottomMargin());
        const QTextList *list = block.textList();
        if (!list)
            return out + twips("\\li", format.leftMargin()) + twips("\\fi", format.textIndent());
        out += "\\fi-360\\li720";
        const QTextListFormat::Style style = list->format().style();
        if (style == QTextListFormat::ListDecimal) {
            out += "{\\pntext\\f0 " + QByteArray::number(list->itemNumber(block) + 1)
                + ".\\tab}{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}";
        } else {
            out += "{\\pntext\\f0 \\bullet\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb \\bullet}}";
        }
        return out;
    }

    int fontIndex(const QString &family)
    {
        qsizetype i = m_fonts.indexOf(family);
        if (i < 0) {
            m_fonts.append(family);
            i = m_fonts.size() - 1;
        }
        return int(i);
    }

    int colorIndex(const QColor &color)
    {
        const QColor rgb = color.toRgb();
        for (int i = 0; i < m_colors.size(); ++i) {
            if (m_colors[i].rgb() == rgb.rgb())
                return i + 1;
        }
        m_colors.append(rgb);
        return int(m_colors.size());
    }

    void writeRun(QByteArray &out, const QTextCharFormat &format, const QString &text)
    {
        QFont font = m_document.defaultFont();
        font = format.font().resolve(font);
        const qreal points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                            : font.pointSizeF();
        out += "{\\plain\\f" + QByteArray::number(fontIndex(shownFamily(font)));
        out += "\\fs" + QByteArray::number(qRound(points * 2));
        if (font.bold())
            out += "\\b";
        if (font.italic())
            out += "\\i";
        if (font.underline())
            out += "\\ul";
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            out += "\\cf" + QByteArray::number(colorIndex(format.foreground().color()));
        out += ' ';
        out += escaped(text);
        out += '}';
    }

    static QByteArray escaped(const QString &text)
    {
        QByteArray out;
        out.reserve(text.size());
        for (const QChar ch : text) {
            const char16_t u = ch.unicode();
            if (u == u'\\' || u == u'{' || u == u'}') {
                out += '\\';
                out += char(u);
            } else if (u == u'\t') {
                out += "\\tab ";
            } else if (u == QChar::LineSeparator || u == u'\n' || u == u'\r') {
                out += "\\line ";
            } else if (u == QChar::Nbsp) {
                out += "\\~";
            } else if (u >= 0x20 && u < 0x80) {
                out += char(u);
            } else if (u < 0x20) {
                continue;
            } else {
                out += "\\u" + QByteArray::number(qint16(u));
                const std::optional<unsigned char> fallback = unicodeToCp1251(u);
                if (fallback && *fallback >= 0x80) {
                    static const char hex[] = "0123456789abcdef";
                    out += "\\'";
                    out += hex[*fallback >> 4];
                    out += hex[*fallback & 15];
                } else {
                    out += '?';
                }
            }
        }
        return out;
    }

    const QTextDocument &m_document;
    QStringList m_fonts;
    QList<QColor> m_colors;
};

}

QByteArray WriteRtf(const QTextDocument &document)
{
    return RtfBuilder(document).build();
}

}
