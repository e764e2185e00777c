#include "app/singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace somnar {

namespace {
constexpr int kConnectTimeoutMs = 500;
const QByteArray kActivateMessage = "activate\n";
}

SingleInstance::SingleInstance(QString name, QObject *parent)
    : QObject(parent)
    , m_name(std::move(name))
{
}

QString SingleInstance::defaultName()
{
    return QStringLiteral("OKVSomnar3-%1").arg(getuid());
}

bool SingleInstance::notifyRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kActivateMessage);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (m_server->listen(m_name))
        return true;
    // A copy that died leaves its socket file behind; nobody answered on it, so it is stale.
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        emit activationRequested();
    }
}

}
