#pragma once

#include <QString>

class QWidget;

namespace somnar::calendar {

// The page shipped with the program that explains how the lunar day is computed.
QString LunarDayHelpPath();
// Opens it in the desktop's browser; a missing page or a refusal is reported in a message box.
bool OpenLunarDayHelp(QWidget *parent, const QString &path = LunarDayHelpPath());

}
