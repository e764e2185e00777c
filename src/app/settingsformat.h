#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>

namespace somnar {

// Section name -> value name -> value.
using SettingsSections = QMap<QString, QMap<QString, QString>>;

// The text of a settings file (UTF-8 INI lines) and back. Reading never fails: lines it cannot
// use are skipped. What formatSettings writes, parseSettings reads back unchanged.
SettingsSections parseSettings(QByteArrayView text);
QByteArray formatSettings(const SettingsSections &sections);

}
