#include "app/exitchoice.h"

#include "app/autostartswitch.h"
#include "app/settingsstore.h"

namespace somnar {

void ApplyExitChoice(const ExitChoice &choice, SettingsStore &settings)
{
    if (choice.switchAutostartOff) {
        SetAutostart(false);
        settings.save(kMainSection, QStringLiteral("ToTray"), QStringLiteral("False"));
    }
    settings.save(kMainSection, QStringLiteral("UnloadQ"), choice.dontAskAgain ? QStringLiteral("1") : QStringLiteral("0"));
}

bool ExitNeedsConfirmation(bool autostartOn, const SettingsStore &settings)
{
    return autostartOn && settings.getInt(kMainSection, QStringLiteral("UnloadQ"), 0) != 1;
}

}
