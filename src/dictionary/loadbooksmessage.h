#pragma once

#include "dictionary/bookcatalogue.h"

#include <QString>

namespace somnar {

// The message that ends start-up when the books cannot be loaded; empty when they loaded.
QString LoadBooksMessage(BookCatalogue::LoadResult result, const QString &dataFolder);

}
