#include "article/articlerenderer.h"

#include "article/articlefonts.h"
#include "article/articlemarkup.h"
#include "article/richtextview.h"

namespace somnar {

namespace {

std::vector<HeaderStyle> headerStyles(const ArticleBooks &books)
{
    std::vector<HeaderStyle> headers;
    headers.reserve(books.size());
    for (const ArticleBook &book : books)
        headers.push_back({book.tolkName, book.color});
    return headers;
}

}

bool RenderArticle(RichTextView &view, const QString &word, const ArticleBooks &books)
{
    if (view.tag() == word)
        return false;
    EnsureArticleFonts();
    view.setBaseFont(kArticleFontFamily, kArticleFontSize);
    const QString text = AssembleArticle(word, books);
    if (text.isEmpty())
        return false;

    // Many range changes: no repaint until the article is complete.
    view.setUpdatesEnabled(false);
    view.setFormattedText(text, ArticleFormats(text, word, headerStyles(books)));
    view.setTag(word);
    view.select(view.viewLength(), 0);
    view.insertAtCaret(kCrLf);
    view.viewport()->unsetCursor();
    view.select(0, 0);
    view.setUpdatesEnabled(true);
    return true;
}

}
