#pragma once

class QWidget;

namespace somnar {

// Makes a window partly transparent with the given opacity (alpha 1 to 254). 0 and 255, and
// values outside 0 to 255 from a damaged setting, leave the window as it is. Returns whether the
// opacity was applied; the window system shows it only where a compositor runs.
bool Transparensy(QWidget &window, int alpha);

}
