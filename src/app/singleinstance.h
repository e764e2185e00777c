#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace somnar {

// One running copy per user: the first copy listens on a per-user local socket; a later copy
// finds it there, asks it to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name = defaultName(), QObject *parent = nullptr);

    // The socket's full path in a folder only this user can enter: $XDG_RUNTIME_DIR, or else
    // a folder of our own with mode 0700 in the user's cache folder. Anywhere shared, another
    // user could take the name first and keep the program from starting.
    static QString defaultName();
    static QString socketPath(const QString &runtimeDir, const QString &fallbackFolder);

    // True when another copy is running; it has then been asked to come to the front.
    bool notifyRunningInstance();
    // Starts listening for later copies. Returns false when the socket cannot be opened,
    // in which case the program simply runs without the guard.
    bool listen();

signals:
    void activationRequested();

private:
    void onNewConnection();

    QString m_name;
    QLocalServer *m_server = nullptr;
};

}
