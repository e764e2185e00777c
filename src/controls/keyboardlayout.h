#pragma once

namespace somnar {

// Makes the Russian layout the active keyboard group on X11 when the keymap has one.
// Elsewhere (Wayland, offscreen, a keymap without Russian) it does nothing.
void SetRus();

}
