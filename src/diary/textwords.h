#pragma once

#include <QList>
#include <QStringView>

namespace somnar::diary {

// A run of letters and digits (with any combining marks) in a text.
struct TextWord {
    qsizetype position = 0;
    qsizetype length = 0;
};

// The words of a text, split where the full-text index splits them: at anything that is not a
// letter, a digit or a combining mark.
QList<TextWord> WordsOf(QStringView text);

}
