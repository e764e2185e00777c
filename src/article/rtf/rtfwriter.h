#pragma once

#include <QByteArray>

class QTextDocument;

namespace somnar {

// An RTF document of the whole text document: font table (Cyrillic charset), colour table,
// runs with their bold, italic, underline, size and colour, one \par per paragraph with its
// alignment, indents, spacing and list marker. Every
// non-ASCII character is written as \uN followed by its Windows-1251 byte (or "?") for readers
// without Unicode.
QByteArray WriteRtf(const QTextDocument &document);

}
