#include "article/articleclipboard.h"

#include "article/richtextview.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace somnar {

namespace {

// The text a reader sees: without the hidden markup and the pictograms.
QString visibleText(const QTextDocumentFragment &fragment)
{
    QTextDocument document;
    QTextCursor(&document).insertFragment(fragment);
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text += u'\n';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool hidden = format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() <= 1;
            const bool pictogram = format.fontFamilies().toStringList().contains(kPictogramFamily);
            if (!hidden && !pictogram)
                text += it.fragment().text();
        }
    }
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

}

QMimeData *ArticleMimeData(const RichTextView &view)
{
    const QTextCursor cursor = view.textCursor();
    const bool selection = cursor.hasSelection();
    const QByteArray rtf = selection ? view.selectionRtf() : view.contentRtf();
    const QTextDocumentFragment fragment =
        selection ? cursor.selection() : QTextDocumentFragment(view.document());

    auto *data = new QMimeData;
    data->setData(QStringLiteral("text/rtf"), rtf);
    data->setData(QStringLiteral("text/richtext"), rtf);
    data->setData(QStringLiteral("application/rtf"), rtf);
    data->setHtml(fragment.toHtml());
    data->setText(visibleText(fragment));
    return data;
}

}
