#include "app/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cmath>
#include <cstdio>

#include <unistd.h>

namespace somnar {
namespace {

bool renameOver(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}

SettingsStore::SettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
    , m_rename(renameOver)
{
    load();
}

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/OKV_Programming/Somnar3.ini");
}

SettingsStore &SettingsStore::instance()
{
    static SettingsStore store;
    return store;
}

void SettingsStore::load()
{
    QFile file(m_filePath);
    if (file.open(QIODevice::ReadOnly))
        m_sections = parseSettings(file.readAll());
}

bool SettingsStore::writeFile() const
{
    const QFileInfo info(m_filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QTemporaryFile temp(info.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return false;
    const QByteArray bytes = formatSettings(m_sections);
    if (temp.write(bytes) != bytes.size() || !temp.flush() || ::fsync(temp.handle()) != 0)
        return false;
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!m_rename(temp.fileName(), info.absoluteFilePath()))
        return false;
    temp.setAutoRemove(false);
    return true;
}

QString SettingsStore::get(const QString &section, const QString &name, const QString &defaultValue) const
{
    const auto s = m_sections.constFind(section);
    if (s == m_sections.cend())
        return defaultValue;
    return s->value(name, defaultValue);
}

int SettingsStore::getInt(const QString &section, const QString &name, int defaultValue) const
{
    bool ok = false;
    const int value = get(section, name).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

double SettingsStore::getNumber(const QString &section, const QString &name, double defaultValue) const
{
    bool ok = false;
    const double value = get(section, name).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : defaultValue;
}

bool SettingsStore::getBool(const QString &section, const QString &name, bool defaultValue) const
{
    const QString text = get(section, name).trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return defaultValue;
}

bool SettingsStore::save(const QString &section, const QString &name, const QString &text)
{
    m_sections[section][name] = text;
    return m_holding || writeFile();
}

bool SettingsStore::commitWrites()
{
    m_holding = false;
    return writeFile();
}

bool SettingsStore::save(const QString &section, const QString &name, int value)
{
    return save(section, name, QString::number(value));
}

bool SettingsStore::save(const QString &section, const QString &name, double value)
{
    return save(section, name, QString::number(value, 'g', 15));
}

bool SettingsStore::save(const QString &section, const QString &name, bool value)
{
    return save(section, name, value ? QStringLiteral("True") : QStringLiteral("False"));
}

}
