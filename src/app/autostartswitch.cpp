#include "app/autostartswitch.h"

#include "app/autostart.h"

#include <QCoreApplication>

namespace somnar {

void SetAutostart(bool on)
{
    try {
        Autostart autostart;
        if (on)
            autostart.Value(kAutostartName, Autostart::programCommand(QCoreApplication::applicationFilePath()));
        else
            autostart.DeleteValue(kAutostartName);
    } catch (const AutostartError &) {
    }
}

bool IsAutostartOn()
{
    return Autostart().IsThere(kAutostartName);
}

}
