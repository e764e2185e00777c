#pragma once

namespace somnar {

// The program's own autostart entry: started hidden in the tray with the session.
// Failures are swallowed: the entry is a convenience, never a reason to stop.
void SetAutostart(bool on);
bool IsAutostartOn();

}
