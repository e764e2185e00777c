#include "article/richtextview.h"

#include "article/rtf/rtfreader.h"
#include "article/rtf/rtftextdocument.h"
#include "article/rtf/rtfwriter.h"

#include <QMouseEvent>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace somnar {

RichTextView::RichTextView(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptRichText(false);
    setMouseTracking(true);
    document()->setUndoRedoEnabled(false);
    connect(document(), &QTextDocument::contentsChange, this, &RichTextView::forgetText);
}

const TextPositionMap &RichTextView::positions() const
{
    if (!m_positions)
        m_positions = TextPositionMap::fromDocument(*document());
    return *m_positions;
}

void RichTextView::forgetText()
{
    m_positions.reset();
    m_viewText.reset();
}

void RichTextView::setViewText(const QString &text)
{
    document()->setPlainText(ViewTextToDocument(text));
    forgetText();
}

QString RichTextView::viewText() const
{
    if (!m_viewText)
        m_viewText = DocumentTextToView(document()->toRawText());
    return *m_viewText;
}

int RichTextView::viewLength() const
{
    return positions().viewLength();
}

void RichTextView::setBaseFont(const QString &family, qreal pointSize)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    if (document()->defaultFont() != font)
        document()->setDefaultFont(font);
}

QTextCursor RichTextView::viewCursor(int start, int length) const
{
    const TextPositionMap &map = positions();
    QTextCursor cursor(document());
    cursor.setPosition(map.toDocument(start));
    cursor.setPosition(map.toDocument(start + length), QTextCursor::KeepAnchor);
    return cursor;
}

void RichTextView::select(int start, int length)
{
    setTextCursor(viewCursor(start, length));
}

int RichTextView::selectionStart() const
{
    return positions().toView(textCursor().selectionStart());
}

int RichTextView::selectionLength() const
{
    const QTextCursor cursor = textCursor();
    return positions().toView(cursor.selectionEnd()) - positions().toView(cursor.selectionStart());
}

QString RichTextView::selectedViewText() const
{
    return viewText().mid(selectionStart(), selectionLength());
}

QTextCharFormat RichTextView::toTextFormat(const CharFormat &format) const
{
    QTextCharFormat f;
    if (format.bold)
        f.setFontWeight(*format.bold ? QFont::Bold : QFont::Normal);
    if (format.italic)
        f.setFontItalic(*format.italic);
    if (format.underline)
        f.setFontUnderline(*format.underline);
    if (format.color)
        f.setForeground(*format.color);
    if (format.fontFamily)
        f.setFontFamilies(QStringList{*format.fontFamily});
    if (format.pointSize)
        f.setFontPointSize(*format.pointSize);
    if (format.hidden) {
        f.setForeground(palette().color(QPalette::Base));
        f.setFontPointSize(1);
    }
    return f;
}

void RichTextView::formatSelection(const CharFormat &format)
{
    QTextCursor cursor = textCursor();
    cursor.mergeCharFormat(toTextFormat(format));
}

void RichTextView::mergeFormats(QTextCursor &cursor, const TextPositionMap &map,
                                const std::vector<FormatRange> &ranges)
{
    for (const FormatRange &range : ranges) {
        cursor.setPosition(map.toDocument(range.start));
        cursor.setPosition(map.toDocument(range.start + range.length), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(toTextFormat(range.format));
    }
}

void RichTextView::applyFormats(const std::vector<FormatRange> &ranges)
{
    // Formatting leaves the text as it is, so one position map serves every range.
    const TextPositionMap map = positions();
    const QString text = viewText();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    mergeFormats(cursor, map, ranges);
    cursor.endEditBlock();
    m_positions = map;
    m_viewText = text;
}

void RichTextView::setFormattedText(const QString &text, const std::vector<FormatRange> &ranges)
{
    const QString documentText = ViewTextToDocument(text);
    const TextPositionMap map(documentText);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.setCharFormat(QTextCharFormat());
    cursor.insertText(documentText, QTextCharFormat());
    mergeFormats(cursor, map, ranges);
    cursor.endEditBlock();
    setTextCursor(QTextCursor(document()));
    m_positions = map;
    m_viewText = text;
}

void RichTextView::insertAtCaret(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(ViewTextToDocument(text));
    setTextCursor(cursor);
}

int RichTextView::find(const QString &text, int from)
{
    if (text.isEmpty())
        return -1;
    const int at = int(viewText().indexOf(text, std::max(0, from), Qt::CaseInsensitive));
    if (at >= 0)
        select(at, int(text.size()));
    return at;
}

int RichTextView::characterAt(const QPoint &viewportPoint) const
{
    const QTextCursor cursor = cursorForPosition(viewportPoint);
    int position = cursor.position();
    // The cursor lands on the nearer edge of a character; left of that edge lies the previous one.
    if (!cursor.atBlockStart() && viewportPoint.x() < cursorRect(cursor).x())
        --position;
    return positions().toView(position);
}

void RichTextView::loadDocument(const QTextDocument &source)
{
    document()->clear();
    document()->setDefaultFont(source.defaultFont());
    QTextCursor(document()).insertFragment(QTextDocumentFragment(&source));
    setTextCursor(QTextCursor(document()));
    forgetText();
}

void RichTextView::loadRtfFile(const QString &path)
{
    const RtfDocument rtf = ReadRtfFile(path);
    FillTextDocument(rtf, *document());
    setTextCursor(QTextCursor(document()));
    forgetText();
}

QByteArray RichTextView::selectionRtf() const
{
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(textCursor().selection());
    return WriteRtf(selection);
}

QByteArray RichTextView::contentRtf() const
{
    return WriteRtf(*document());
}

void RichTextView::printContent(QPrinter *printer, bool wholeContent) const
{
    if (wholeContent || !textCursor().hasSelection()) {
        document()->print(printer);
        return;
    }
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(textCursor().selection());
    selection.print(printer);
}

void RichTextView::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    emit mouseMovedTo(event->position().toPoint());
}

void RichTextView::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    emit mouseReleasedAt(event->button(), event->position().toPoint());
}

}
