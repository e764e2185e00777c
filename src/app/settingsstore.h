#pragma once

#include "app/settingsformat.h"

#include <QString>

#include <functional>

namespace somnar {

inline const QString kMainSection = QStringLiteral("Somnar3");
inline const QString kBooksSection = QStringLiteral("Somnar3\\books");
inline const QString kLocationSection = QStringLiteral("UserLocation");

// The user's settings: small named text values in sections, kept in one INI file of the
// application "OKV_Programming" in the user's configuration folder. Value names are kept
// verbatim (a book's full path is a value name). Every save rewrites the file through a
// temporary file, flushed to disk and renamed, so a write cut short leaves the previous file.
class SettingsStore {
public:
    using RenameFunction = std::function<bool(const QString &from, const QString &to)>;

    explicit SettingsStore(QString filePath = defaultFilePath());

    static QString defaultFilePath();
    // The store of the running program.
    static SettingsStore &instance();

    const QString &filePath() const { return m_filePath; }

    QString get(const QString &section, const QString &name, const QString &defaultValue = {}) const;
    int getInt(const QString &section, const QString &name, int defaultValue) const;
    double getNumber(const QString &section, const QString &name, double defaultValue) const;
    bool getBool(const QString &section, const QString &name, bool defaultValue) const;

    // Returns false when the file could not be written; the value is kept in memory then.
    bool save(const QString &section, const QString &name, const QString &text);
    bool save(const QString &section, const QString &name, int value);
    bool save(const QString &section, const QString &name, double value);
    bool save(const QString &section, const QString &name, bool value);

    // Keeps the saves that follow in memory until commitWrites() writes them as one file:
    // the exit saves many values and must not rewrite the file for each.
    void holdWrites() { m_holding = true; }
    bool commitWrites();

    // For tests: the step that puts the written file in place.
    void setRenameFunction(RenameFunction rename) { m_rename = std::move(rename); }

private:
    void load();
    bool writeFile() const;

    QString m_filePath;
    SettingsSections m_sections;
    RenameFunction m_rename;
    bool m_holding = false;
};

}
