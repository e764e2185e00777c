#pragma once

#include "dictionary/bookfile/bookdatabase.h"

#include <QByteArray>
#include <QString>

namespace somnar {

// The file extension that suits a picture's bytes ("png", "ico", ...; "bin" when unknown).
QString pictureExtension(const QByteArray &picture);

// The readable source of a book (UTF-8, LF line ends); iconName is written as the Icon line.
QString bookToSource(const BookDatabase &book, const QString &iconName);

// One JSON object for scripts: ToolName, TolkName, Color, Icon (hex), articles.
QByteArray bookToJson(const BookDatabase &book);

}
