#pragma once

#include <QPixmap>

namespace somnar::calendar {

inline constexpr int kMoonPictureCount = 29;

// The Moon's elongation from the Sun, in degrees, at the middle of lunar day n (1..29): about
// n - 0.5 days after the new moon of a mean synodic month.
double MoonPhaseAngle(int n);
// The lit fraction of the disc at that angle.
double MoonLitFraction(int n);

// Moon picture n (clamped to 1..29), as seen from the northern hemisphere: waxing lit on the
// right. The background is transparent, the dark part a dim disc. Drawn for the device pixel
// ratio, so it stays sharp on scaled screens.
QPixmap MoonPicture(int n, int logicalWidth, qreal devicePixelRatio);

}
