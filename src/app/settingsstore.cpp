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

// Value names and values are written verbatim except for the few characters that would
// change how a line reads back; those are written as %XX.
QString escape(const QString &text, bool name)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const bool edge = (i == 0 || i == text.size() - 1) && (ch == u' ' || ch == u'\t');
        const bool leading = name && i == 0 && (ch == u'[' || ch == u';' || ch == u'#');
        if (ch == u'%' || ch == u'\n' || ch == u'\r' || (name && ch == u'=') || edge || leading)
            out += QStringLiteral("%%1").arg(ch.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += ch;
    }
    return out;
}

QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 2 < text.size()) {
            bool ok = false;
            const ushort code = text.mid(i + 1, 2).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

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
    if (!file.open(QIODevice::ReadOnly))
        return;
    QString section;
    for (const QByteArray &rawLine : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        m_sections[section][unescape(QStringView(line).left(eq))] = unescape(QStringView(line).mid(eq + 1));
    }
}

bool SettingsStore::writeFile() const
{
    QString text;
    for (auto section = m_sections.cbegin(); section != m_sections.cend(); ++section) {
        text += u'[' + section.key() + QStringLiteral("]\n");
        for (auto value = section->cbegin(); value != section->cend(); ++value)
            text += escape(value.key(), true) + u'=' + escape(value.value(), false) + u'\n';
        text += u'\n';
    }

    const QFileInfo info(m_filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QTemporaryFile temp(info.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return false;
    const QByteArray bytes = text.toUtf8();
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
