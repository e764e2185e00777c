#pragma once

#include <QString>

#include <vector>

class QFontMetrics;

namespace somnar {

// The width in pixels of the widest of the words as the font draws them. The words' character
// advances are summed to find the few candidates near the top, and only those are measured
// whole, so hundreds of thousands of words cost one pass over their letters.
int WidestWordWidth(const std::vector<QString> &words, const QFontMetrics &metrics);

}
