#pragma once

#include "article/articleassembly.h"

#include <QString>

namespace somnar {

class RichTextView;

// Assembles the article of word from the books, puts it into the view, formats it, adds the
// closing line break and records the word in the view's tag. Returns false, leaving the view
// as it was, when the view already shows the word or no switched-on book has it.
bool RenderArticle(RichTextView &view, const QString &word, const ArticleBooks &books);

}
