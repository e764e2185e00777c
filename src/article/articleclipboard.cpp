#include "article/articleclipboard.h"

#include "article/richtextview.h"

#include <QMimeData>
#include <QTextDocumentFragment>

namespace somnar {

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
    data->setText(fragment.toPlainText());
    return data;
}

}
