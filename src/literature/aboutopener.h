#pragma once

#include "app/formabout.h"

#include <vector>

namespace somnar {

class Form1;

// What the about window lists: every book of the catalogue, switched on or off, then every
// article of the literature tree once (favourites are not listed again).
std::vector<AboutRow> AboutRows(Form1 &main);

// Opens the about window over the live catalogue and literature tree: modal from the main
// window's link, modeless from the tray pop-up (it then returns at once and the window deletes
// itself when closed). Restoring the main window from the tray closes it.
void ShowAbout(Form1 &main, bool modal);

}
