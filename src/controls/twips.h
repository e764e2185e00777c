#pragma once

#include <QRect>

namespace somnar {

// Window geometry is kept in twips, as the settings store it: 15 twips make one logical pixel
// (Qt scales logical pixels on high-density screens).
inline constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect ToPixels(const QRect &twips)
{
    return QRect(twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel, twips.width() / kTwipsPerPixel,
                 twips.height() / kTwipsPerPixel);
}

}
