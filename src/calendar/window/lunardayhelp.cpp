#include "calendar/window/lunardayhelp.h"

#include "app/messages.h"
#include "app/datafolders.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace somnar::calendar {

QString LunarDayHelpPath()
{
    return ProgramFolder() + QStringLiteral("/help/lunar-day.html");
}

bool OpenLunarDayHelp(QWidget *parent, const QString &path)
{
    if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    ShowMessage(parent, QMessageBox::Warning,
                QStringLiteral("Не удалось открыть страницу о расчете лунных дней:\n%1").arg(path));
    return false;
}

}
