#pragma once

#include "article/articleassembly.h"

#include <functional>

namespace somnar {

class BookCatalogue;

using ArticleBooksProvider = std::function<ArticleBooks()>;

// The catalogue's books as the article reads them, taken afresh at every call (switching a
// book on or off takes effect at the next article). The catalogue must outlive the provider.
ArticleBooksProvider CatalogueArticleBooks(const BookCatalogue &catalogue);

}
