#pragma once

#include <QString>
#include <QTextStream>

namespace somnar {

// Reports on a book file: the marker, the tables and fields, the article count and every field
// that does not decode. Returns the number of problems found.
int checkBook(const QString &path, QTextStream &out);

}
