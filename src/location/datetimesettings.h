#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace somnar {

struct DesktopCommand {
    QString program;  // full path of the executable found
    QStringList arguments;

    bool operator==(const DesktopCommand &) const = default;
};

// The desktop's own date, time and time-zone settings: the first of GNOME, KDE Plasma, XFCE,
// Cinnamon and MATE whose program lies on the search path (a PATH-style list of folders).
std::optional<DesktopCommand> DateTimeSettingsCommand(const QString &searchPath);

// Starts those settings detached; when none exists or it fails to start, a message names
// timedatectl instead.
void OpenDateTimeSettings(QWidget *parent);

}
