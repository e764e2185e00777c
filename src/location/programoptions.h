#pragma once

#include "calendar/calendartexts.h"

#include <QString>

namespace somnar {

class SettingsStore;

// The observer's town: its name and the place the calendar reads.
struct UserLocation : calendar::PlaceSettings {
    QString cityName = QStringLiteral("Москва");

    // Signed decimal degrees, north and east positive, to four decimals.
    double latitude() const;
    double longitude() const;
};

// What the options window sets and the running program holds in memory.
struct ProgramOptions {
    UserLocation location;
    bool closeToTray = false;
    int menuTransp = 205;  // opacity (alpha) of the tray pop-up
};

// Reads the options; a missing value takes its default, and a coordinate whose degrees or
// minutes are out of range takes the default coordinate.
ProgramOptions ReadProgramOptions(const SettingsStore &settings);
// Saves CityName, DGraduses, DMinutes, DM, SGraduses, SMinutes, SM, ToTray, MenuTransp in this
// order; false when a value could not be written.
bool SaveProgramOptions(SettingsStore &settings, const ProgramOptions &options);

}
