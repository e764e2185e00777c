#include "location/datetimesettings.h"

#include "app/messages.h"

#include <QProcess>
#include <QStandardPaths>

namespace somnar {

std::optional<DesktopCommand> DateTimeSettingsCommand(const QString &searchPath)
{
    static const std::pair<const char *, QStringList> kCandidates[] = {
        {"gnome-control-center", {QStringLiteral("datetime")}},
        {"systemsettings", {QStringLiteral("kcm_clock")}},
        {"xfce4-datetime-settings", {}},
        {"cinnamon-settings", {QStringLiteral("calendar")}},
        {"mate-time-admin", {}},
    };
    const QStringList folders = searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const auto &[name, arguments] : kCandidates) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name), folders);
        if (!program.isEmpty())
            return DesktopCommand{program, arguments};
    }
    return std::nullopt;
}

void OpenDateTimeSettings(QWidget *parent)
{
    const auto command = DateTimeSettingsCommand(qEnvironmentVariable("PATH"));
    if (command && QProcess::startDetached(command->program, command->arguments))
        return;
    ShowMessage(parent, QMessageBox::Information,
                QStringLiteral("Настройки даты и времени этой оконной среды не найдены.\n"
                               "Дату, время и часовой пояс можно изменить командой timedatectl."));
}

}
