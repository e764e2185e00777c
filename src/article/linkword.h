#pragma once

#include <QString>

namespace somnar {

// The link word at a character of the view's raw text (markup included), or "". The walk back
// to the "<" starts one character before the one given; a ">" on the way means the point lies
// after a link, not inside one.
QString GetWord(const QString &text, int position);

// The tooltip over a link word.
QString LinkToolTip(const QString &word);

}
