#pragma once

#include "location/programoptions.h"

class QWidget;

namespace somnar {

class SettingsStore;

// Opens the options window on tab 1 ("Общие") or tab 2 ("Настройки местности").
// Modal: returns when the window has closed, true after "Ok" (the options then hold the new
// values, already saved). Modeless: shows the window, or brings the one already open to the
// front on that tab, and returns false at once; the window deletes itself when closed.
// The options and the settings must outlive a modeless window.
bool ShowOptions(QWidget *parent, ProgramOptions &options, SettingsStore &settings, int tab, bool modal);

}
