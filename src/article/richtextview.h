#pragma once

#include "article/articlemarkup.h"
#include "article/textpositions.h"

#include <QByteArray>
#include <QTextEdit>

#include <optional>
#include <vector>

class QPrinter;

namespace somnar {

// The article view. Its positions count a line break as CR LF (two positions), and the text
// read back is exactly the text set, hidden markup characters included.
class RichTextView : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextView(QWidget *parent = nullptr);

    void setViewText(const QString &text);
    QString viewText() const;
    int viewLength() const;

    void setBaseFont(const QString &family, qreal pointSize);

    // start 0 and length 0 clear the selection and put the caret at the start.
    void select(int start, int length);
    int selectionStart() const;
    int selectionLength() const;
    QString selectedViewText() const;

    void formatSelection(const CharFormat &format);
    // The ranges in order, in one edit (the view does not repaint in between).
    void applyFormats(const std::vector<FormatRange> &ranges);
    // New text and its ranges in one edit, so that the article is laid out once.
    void setFormattedText(const QString &text, const std::vector<FormatRange> &ranges);
    // Replaces the selection.
    void insertAtCaret(const QString &text);

    // Case-insensitive search from a position to the end; a match becomes the selection.
    // Returns the match's position or -1.
    int find(const QString &text, int from);

    // The character under a point of the viewport (the nearest one on its line).
    int characterAt(const QPoint &viewportPoint) const;

    // Replaces the content with a copy of a document (what an RTF reader produced). Change the
    // content only through the view, never with setDocument: the view tracks its document.
    void loadDocument(const QTextDocument &source);
    // Replaces the content with an RTF file (or plain text); text the file gives no font or
    // size shows in the base font. Throws RtfError, leaving the content, when the file cannot
    // be read.
    void loadRtfFile(const QString &path);

    QByteArray selectionRtf() const;
    QByteArray contentRtf() const;

    // The selection, or the whole content when nothing is selected (or when wholeContent).
    void printContent(QPrinter *printer, bool wholeContent) const;

    // The word shown.
    const QString &tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

signals:
    void mouseMovedTo(const QPoint &viewportPoint);
    void mouseReleasedAt(Qt::MouseButton button, const QPoint &viewportPoint);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void forgetText();
    const TextPositionMap &positions() const;
    QTextCharFormat toTextFormat(const CharFormat &format) const;
    QTextCursor viewCursor(int start, int length) const;
    void mergeFormats(QTextCursor &cursor, const TextPositionMap &map, const std::vector<FormatRange> &ranges);

    QString m_tag;
    mutable std::optional<TextPositionMap> m_positions;
    mutable std::optional<QString> m_viewText;
};

}
