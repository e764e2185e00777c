#include "article/tolkgeometry.h"

#include "controls/screenfit.h"

#include <algorithm>

namespace somnar {

namespace {
// A million twips is far beyond any screen and far from the limits of int.
constexpr int kTwipsLimit = 1'000'000;
}

QRect TolkGeometry(const SavedTolkGeometry &saved, int mainWindowTopTwips, const QRect &screen, const QMargins &frame)
{
    // Cut to what a rectangle can hold before any sum is formed; the fit below does the rest.
    const auto bounded = [](int twips) { return std::clamp(twips, -kTwipsLimit, kTwipsLimit); };
    const int top = bounded(saved.top.value_or(mainWindowTopTwips));
    const int left = bounded(saved.left.value_or(kTolkDefaultLeft));
    const int height = bounded(std::max(saved.height.value_or(kTolkDesignHeight), kTolkMinimumSide));
    const int width = bounded(std::max(saved.width.value_or(kTolkDesignWidth), kTolkMinimumSide));
    QRect rect = ToPixels(QRect(left, top, width, height));
    if (top < 1)
        rect.moveTop(screen.top() + (screen.height() - rect.height()) / 2);
    if (left < 1)
        rect.moveLeft(screen.left() + (screen.width() - rect.width()) / 2);
    return FitOnScreen(QRectF(rect.marginsAdded(frame)), screen).marginsRemoved(frame);
}

}
