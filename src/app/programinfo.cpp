#include "app/programinfo.h"

#include "version.h"

#include <QCoreApplication>

namespace somnar {

QString VersionText()
{
    return QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionBuild);
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString DataFolder()
{
    return ProgramFolder() + QStringLiteral("/Books");
}

QString TownListFile()
{
    return ProgramFolder() + QStringLiteral("/City.csv");
}

bool HasTraySwitch(const QStringList &arguments)
{
    // The program's own path is no switch, even in a folder named "Tray".
    return arguments.mid(1).join(QLatin1Char(' ')).toUpper().contains(QStringLiteral("/TRAY"));
}

}
