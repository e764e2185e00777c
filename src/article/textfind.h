#pragma once

#include <QString>

namespace somnar {

// Where the next find lands: the first occurrence (ignoring case) after the current selection,
// or, when there is none, the first from the start of the text. -1 when the text occurs
// nowhere; an empty search text is never found.
int FindNext(const QString &text, const QString &needle, int selectionStart, int selectionLength);

}
