#include "article/tolkgeometry.h"

#include <algorithm>

namespace somnar {

QRect TolkGeometry(const SavedTolkGeometry &saved, int mainWindowTopTwips, const QRect &screen)
{
    const int top = saved.top.value_or(mainWindowTopTwips);
    const int left = saved.left.value_or(kTolkDefaultLeft);
    const int height = std::max(saved.height.value_or(kTolkDesignHeight), kTolkMinimumSide);
    const int width = std::max(saved.width.value_or(kTolkDesignWidth), kTolkMinimumSide);
    QRect rect = ToPixels(QRect(left, top, width, height));
    if (top < 1)
        rect.moveTop(screen.top() + (screen.height() - rect.height()) / 2);
    if (left < 1)
        rect.moveLeft(screen.left() + (screen.width() - rect.width()) / 2);
    return rect;
}

}
