#pragma once

#include "astro/coordinates.h"

#include <optional>

namespace somnar::calendartool {

// The observer: the options given, else the town saved by the program (Moscow when none).
// Throws UsageError when the saved place is out of range.
astro::GeoLocation ObserverLocation(std::optional<double> latitude, std::optional<double> longitude);

}
