#pragma once

namespace somnar {

class SettingsStore;

// The main window's place and size in twips (15 to the pixel).
struct TwipsGeometry {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const TwipsGeometry &) const = default;
};

inline constexpr double kDefaultWidth = 4100;
inline constexpr double kDefaultHeight = 6100;
inline constexpr double kMinimumWidth = 3500;
inline constexpr double kMinimumHeight = 4000;
inline constexpr double kScreenMargin = 90;

// The saved geometry with its defaults and corrections: a size larger than the screen is cut
// to the screen less 90, a size below 3500 x 4000 is enlarged, and a top or left below 1 centres
// the window on that axis. The size is corrected before the window is placed, so a window that
// was cut to the screen is centred on it rather than left with its title bar above the screen.
TwipsGeometry LoadWindowGeometry(const SettingsStore &settings, double screenWidth, double screenHeight);

}
