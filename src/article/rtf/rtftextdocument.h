#pragma once

#include "article/rtf/rtfdocument.h"

class QTextDocument;

namespace somnar {

// Replaces the content of a text document with an RTF document. Text the file gives no font or
// size shows in the document's default font; list paragraphs in a row form one list.
void FillTextDocument(const RtfDocument &rtf, QTextDocument &document);

}
