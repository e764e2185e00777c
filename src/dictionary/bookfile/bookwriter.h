#pragma once

#include "dictionary/bookfile/bookdatabase.h"

#include <vector>

namespace somnar {

// Writes a book file: a Jet 4 database with tables Book and Config, the marker over its
// start. Text and Links of the articles are stored as given (already packed). Throws
// BookError naming the file when it cannot be written.
void writeBook(const QString &path, const BookConfig &config, const std::vector<BookArticle> &articles);

}
