#pragma once

namespace somnar {

// Registers the pictogram font shipped with the program and the stand-ins for the fonts the
// article and its dialogs name ("Arial Cyr", "Tahoma"). Safe to call more than once.
void EnsureArticleFonts();

}
