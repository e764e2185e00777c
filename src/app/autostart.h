#pragma once

#include <QString>

#include <stdexcept>

namespace somnar {

class AutostartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Start with the session: a desktop entry NAME.desktop in the XDG autostart folder
// ($XDG_CONFIG_HOME/autostart, ~/.config/autostart by default). Autostart is on while
// the entry exists. Failures to write or delete raise AutostartError.
class Autostart {
public:
    explicit Autostart(QString folder = defaultFolder());

    static QString defaultFolder();
    // The command that starts the program in the folder of the running executable, hidden.
    static QString programCommand(const QString &programPath);

    // True when the folder exists and, when a name is given, its entry exists.
    bool IsThere(const QString &name = {}) const;
    // Creates the folder when needed and writes the entry whose Exec line is the command.
    void Value(const QString &name, const QString &command);
    // False without doing anything when the name is empty; otherwise deletes the entry.
    bool DeleteValue(const QString &name);

private:
    QString entryPath(const QString &name) const;

    QString m_folder;
};

inline const QString kAutostartName = QStringLiteral("OKVSomnar3");

}
