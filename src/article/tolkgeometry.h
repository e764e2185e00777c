#pragma once

#include "controls/twips.h"

#include <QMargins>
#include <QRect>
#include <QString>

#include <optional>

namespace somnar {

inline constexpr int kTolkDesignWidth = 6330;   // twips
inline constexpr int kTolkDesignHeight = 3900;  // twips
inline constexpr int kTolkMinimumSide = 4000;   // twips
inline constexpr int kTolkDefaultLeft = 15;     // twips

// The saved values TTop, TLeft, THeight, TWidth (twips), each absent when not stored.
struct SavedTolkGeometry {
    std::optional<int> top;
    std::optional<int> left;
    std::optional<int> height;
    std::optional<int> width;
};

// The window's rectangle in pixels: the saved values with their defaults (the main window's
// top, 15, the design size), width and height at least 4000 twips, a top or left below 1
// centred on the screen. Then the window with its frame is put wholly on the screen's area.
QRect TolkGeometry(const SavedTolkGeometry &saved, int mainWindowTopTwips, const QRect &screen,
                   const QMargins &frame = {});

}
