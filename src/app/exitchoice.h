#pragma once

namespace somnar {

class SettingsStore;

// What the user chose in the exit dialog.
struct ExitChoice {
    bool switchAutostartOff = false;  // "Закрыть, и отключить автозапуск..."
    bool dontAskAgain = false;        // "Больше не показывать это окно"
};

// Stores the choice: with autostart switched off the window no longer closes to the tray.
void ApplyExitChoice(const ExitChoice &choice, SettingsStore &settings);

// Whether the exit command must ask first: only while autostart is on and the user has not
// asked to stop being asked.
bool ExitNeedsConfirmation(bool autostartOn, const SettingsStore &settings);

}
