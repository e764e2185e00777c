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

    static QString defaultName();

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
