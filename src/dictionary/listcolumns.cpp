#include "dictionary/listcolumns.h"

#include <QFontMetrics>

#include <algorithm>

namespace somnar {

int WidestWordWidth(const std::vector<QString> &words, const QFontMetrics &metrics)
{
    std::vector<int> advance(0x10000, -1);
    std::vector<int> estimate(words.size());
    int highest = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        int sum = 0;
        for (const QChar ch : words[i]) {
            int &width = advance[ch.unicode()];
            if (width < 0)
                width = metrics.horizontalAdvance(ch);
            sum += width;
        }
        estimate[i] = sum;
        highest = std::max(highest, sum);
    }
    // Kerning and shaping move a word's width a little from the sum of its letters.
    const int candidate = highest - highest / 10 - metrics.averageCharWidth();
    int widest = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        if (estimate[i] >= candidate)
            widest = std::max(widest, metrics.horizontalAdvance(words[i]));
    }
    return widest;
}

}
