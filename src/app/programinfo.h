#pragma once

#include <QString>
#include <QStringList>

namespace somnar {

// Title of message boxes that name no title of their own, and the tray icon's tooltip.
inline const QString kProgramTitle = QStringLiteral("Сонник OKV Somnar 3");
// The main window's caption before the version text is appended.
inline const QString kMainCaption = QStringLiteral("Сонник OKV Somnar");
// The author named in the about window.
inline const QString kCompanyName = QStringLiteral("OKV Programming");

// "major.minor.build" of this build.
QString VersionText();

// True when "/tray" appears anywhere in the arguments after the program name, in any letter case.
bool HasTraySwitch(const QStringList &arguments);

}
