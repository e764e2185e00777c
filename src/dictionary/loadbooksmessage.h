#pragma once

#include "dictionary/bookcatalogue.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace somnar {

// The message that ends start-up when the books cannot be loaded; empty when they loaded.
// When no readable book remains, the damaged files are named after it. A missing or bookless
// folder message names every book folder that was looked at.
QString LoadBooksMessage(BookCatalogue::LoadResult result, const QStringList &dataFolders,
                         const std::vector<SkippedBook> &skipped = {});

// One line per skipped file: "Файл «X.book» повреждён и пропущен: <reason>."
QString SkippedBooksMessage(const std::vector<SkippedBook> &skipped);

}
