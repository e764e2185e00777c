#include "app/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace somnar {
namespace {

// Quoting of an Exec argument in a desktop entry: inside double quotes, the characters
// " ` $ \ are escaped with a backslash; % is doubled everywhere.
QString quoteExecArgument(const QString &argument)
{
    QString quoted;
    for (const QChar ch : argument) {
        if (ch == u'"' || ch == u'`' || ch == u'$' || ch == u'\\')
            quoted += u'\\';
        quoted += ch;
    }
    quoted.replace(QLatin1String("%"), QLatin1String("%%"));
    return u'"' + quoted + u'"';
}

}

Autostart::Autostart(QString folder)
    : m_folder(std::move(folder))
{
}

QString Autostart::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
}

QString Autostart::programCommand(const QString &programPath)
{
    return quoteExecArgument(programPath) + QStringLiteral(" /tray");
}

QString Autostart::entryPath(const QString &name) const
{
    return m_folder + u'/' + name + QStringLiteral(".desktop");
}

bool Autostart::IsThere(const QString &name) const
{
    if (!QFileInfo(m_folder).isDir())
        return false;
    return name.isEmpty() || QFileInfo(entryPath(name)).isFile();
}

void Autostart::Value(const QString &name, const QString &command)
{
    if (name.isEmpty() || name.contains(u'/'))
        throw AutostartError("Недопустимое имя записи автозапуска: \"" + name.toStdString() + "\"");
    if (!QDir().mkpath(m_folder))
        throw AutostartError("Не удалось создать папку автозапуска " + m_folder.toStdString());

    const QString path = entryPath(name);
    QSaveFile file(path);
    const QByteArray entry = QStringLiteral(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Сонник OKV Somnar 3\n"
        "Exec=%1\n"
        "Icon=somnar\n"
        "Terminal=false\n"
        "X-GNOME-Autostart-enabled=true\n").arg(command).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(entry) != entry.size() || !file.commit()) {
        throw AutostartError("Не удалось записать файл автозапуска " + path.toStdString() + ": "
                             + file.errorString().toStdString());
    }
}

bool Autostart::DeleteValue(const QString &name)
{
    if (name.isEmpty())
        return false;
    const QString path = entryPath(name);
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.remove()) {
        throw AutostartError("Не удалось удалить файл автозапуска " + path.toStdString() + ": "
                             + file.errorString().toStdString());
    }
    return true;
}

}
