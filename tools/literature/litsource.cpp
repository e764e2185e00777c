#include "litsource.h"

#include <QColor>
#include <QRegularExpression>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <optional>
#include <vector>

namespace somnar {

namespace {

const QString kBodyFamily = QStringLiteral("Liberation Serif");
constexpr qreal kBodyPoints = 12;
const QColor kHeadingColor(0x2a, 0x2f, 0x6b);

enum class BlockKind { Paragraph, Heading, Subheading, Bullet, Number, Quote };

struct Block {
    BlockKind kind = BlockKind::Paragraph;
    QString text;  // '\n' is a line break
    int line = 0;
};

bool isContinued(const QString &line)
{
    qsizetype backslashes = 0;
    for (qsizetype i = line.size() - 1; i >= 0 && line[i] == u'\\'; --i)
        ++backslashes;
    return backslashes % 2 == 1;
}

// The blocks of the source, each with the line it starts on.
std::vector<Block> splitBlocks(const QString &source)
{
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\.\\s+"));
    std::vector<Block> blocks;
    std::optional<Block> open;
    bool continued = false;
    const auto close = [&] {
        if (open)
            blocks.push_back(std::move(*open));
        open.reset();
    };
    const auto start = [&](BlockKind kind, const QString &text, int line) {
        close();
        open = Block{kind, text, line};
    };
    QStringList lines = source.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const int number = i + 1;
        if (continued && open) {
            continued = isContinued(line);
            open->text += u'\n' + (continued ? line.trimmed().chopped(1).trimmed() : line.trimmed());
            continue;
        }
        continued = false;
        if (line.startsWith(u'%'))
            continue;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            close();
            continue;
        }
        continued = isContinued(trimmed);
        const QString text = continued ? trimmed.chopped(1).trimmed() : trimmed;
        const QRegularExpressionMatch numberMatch = numbered.match(text);
        if (text.startsWith(u"## "))
            start(BlockKind::Subheading, text.mid(3).trimmed(), number);
        else if (text.startsWith(u"# "))
            start(BlockKind::Heading, text.mid(2).trimmed(), number);
        else if (text.startsWith(u"- "))
            start(BlockKind::Bullet, text.mid(2).trimmed(), number);
        else if (numberMatch.hasMatch())
            start(BlockKind::Number, text.mid(numberMatch.capturedLength()), number);
        else if (text.startsWith(u"> ") || text == u">") {
            const QString quoted = text.mid(1).trimmed();
            if (open && open->kind == BlockKind::Quote)
                open->text += u' ' + quoted;
            else
                start(BlockKind::Quote, quoted, number);
        } else if (open && open->kind == BlockKind::Paragraph) {
            open->text += u' ' + text;
        } else {
            start(BlockKind::Paragraph, text, number);
        }
        // Headings and list items are one line each.
        if (!continued && open && open->kind != BlockKind::Paragraph && open->kind != BlockKind::Quote)
            close();
    }
    close();
    return blocks;
}

// Writes a block's text with its bold, italic and coloured marks.
class InlineWriter {
public:
    InlineWriter(QTextCursor &cursor, const QTextCharFormat &base, int line)
        : m_cursor(cursor)
        , m_base(base)
        , m_line(line)
    {
    }

    void write(const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == u'\\' && i + 1 < text.size() && text[i + 1].isPunct()) {
                m_pending += text[++i];
            } else if (c == u'*' && i + 1 < text.size() && text[i + 1] == u'*') {
                flush();
                m_bold = !m_bold;
                ++i;
            } else if (c == u'*') {
                flush();
                m_italic = !m_italic;
            } else if (c == u'{') {
                static const QRegularExpression colour(QStringLiteral("^\\{(#[0-9A-Fa-f]{6})\\|"));
                const QRegularExpressionMatch match = colour.match(text.mid(i, 9));
                if (!match.hasMatch())
                    throw LitSourceError(m_line, QStringLiteral("\"{\" must open a coloured phrase {#rrggbb|...} or be written \\{"));
                if (m_color)
                    throw LitSourceError(m_line, QStringLiteral("coloured phrases do not nest"));
                flush();
                m_color = QColor(match.captured(1));
                i += match.capturedLength() - 1;
            } else if (c == u'}') {
                if (!m_color)
                    throw LitSourceError(m_line, QStringLiteral("\"}\" closes no coloured phrase; write \\} for the character"));
                flush();
                m_color.reset();
            } else if (c == u'\n') {
                m_pending += QChar::LineSeparator;
            } else {
                m_pending += c;
            }
        }
        flush();
        if (m_bold || m_italic || m_color) {
            const QString mark = m_bold ? QStringLiteral("**") : m_italic ? QStringLiteral("*") : QStringLiteral("{");
            throw LitSourceError(m_line, QStringLiteral("\"%1\" is not closed in this paragraph").arg(mark));
        }
    }

private:
    void flush()
    {
        if (m_pending.isEmpty())
            return;
        QTextCharFormat format = m_base;
        if (m_bold)
            format.setFontWeight(QFont::Bold);
        if (m_italic)
            format.setFontItalic(!m_base.fontItalic());
        if (m_color)
            format.setForeground(*m_color);
        m_cursor.insertText(m_pending, format);
        m_pending.clear();
    }

    QTextCursor &m_cursor;
    QTextCharFormat m_base;
    int m_line;
    QString m_pending;
    bool m_bold = false;
    bool m_italic = false;
    std::optional<QColor> m_color;
};

QTextBlockFormat blockFormat(BlockKind kind)
{
    QTextBlockFormat format;
    switch (kind) {
    case BlockKind::Heading:
        format.setTopMargin(12);
        format.setBottomMargin(8);
        break;
    case BlockKind::Subheading:
        format.setTopMargin(10);
        format.setBottomMargin(4);
        break;
    case BlockKind::Bullet:
    case BlockKind::Number:
        format.setBottomMargin(2);
        break;
    case BlockKind::Quote:
        format.setLeftMargin(30);
        format.setRightMargin(20);
        format.setBottomMargin(6);
        break;
    case BlockKind::Paragraph:
        format.setBottomMargin(6);
        break;
    }
    return format;
}

QTextCharFormat charFormat(BlockKind kind)
{
    QTextCharFormat format;
    if (kind == BlockKind::Heading || kind == BlockKind::Subheading) {
        format.setFontWeight(QFont::Bold);
        format.setFontPointSize(kind == BlockKind::Heading ? 18 : 14);
        format.setForeground(kHeadingColor);
    } else if (kind == BlockKind::Quote) {
        format.setFontItalic(true);
    }
    return format;
}

}

void BuildLitDocument(const QString &source, QTextDocument &document)
{
    QFont body(kBodyFamily);
    body.setPointSizeF(kBodyPoints);
    document.clear();
    document.setDefaultFont(body);
    QTextCursor cursor(&document);
    QTextList *list = nullptr;
    BlockKind listKind = BlockKind::Paragraph;
    bool first = true;
    QString text = source;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    for (const Block &block : splitBlocks(text)) {
        if (first)
            cursor.setBlockFormat(blockFormat(block.kind));
        else
            cursor.insertBlock(blockFormat(block.kind), QTextCharFormat());
        first = false;
        const bool listItem = block.kind == BlockKind::Bullet || block.kind == BlockKind::Number;
        if (!listItem) {
            list = nullptr;
        } else if (list && listKind == block.kind) {
            list->add(cursor.block());
        } else {
            list = cursor.createList(block.kind == BlockKind::Bullet ? QTextListFormat::ListDisc
                                                                     : QTextListFormat::ListDecimal);
            listKind = block.kind;
        }
        InlineWriter(cursor, charFormat(block.kind), block.line).write(block.text);
    }
}

}
