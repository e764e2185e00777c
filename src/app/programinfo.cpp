#include "app/programinfo.h"

#include "version.h"

namespace somnar {

QString VersionText()
{
    return QString::fromLatin1(VersionString);
}

bool HasTraySwitch(const QStringList &arguments)
{
    // The program's own path is no switch, even in a folder named "Tray".
    return arguments.mid(1).join(QLatin1Char(' ')).toUpper().contains(QStringLiteral("/TRAY"));
}

}
