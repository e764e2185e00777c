#include "app/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace somnar {

namespace {
constexpr int kConnectTimeoutMs = 500;
const QByteArray kActivateMessage = "activate\n";
const QString kSocketName = QStringLiteral("OKVSomnar3.socket");

// Makes the folder if needed and keeps it closed to other users.
bool makePrivateFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    const QFileInfo info(folder);
    if (!info.isDir() || info.isSymLink() || info.ownerId() != getuid())
        return false;
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
}

SingleInstance::SingleInstance(QString name, QObject *parent)
    : QObject(parent)
    , m_name(std::move(name))
{
}

QString SingleInstance::defaultName()
{
    return socketPath(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                          + QStringLiteral("/somnar-runtime"));
}

QString SingleInstance::socketPath(const QString &runtimeDir, const QString &fallbackFolder)
{
    if (!runtimeDir.isEmpty() && QFileInfo(runtimeDir).isDir())
        return QDir(runtimeDir).filePath(kSocketName);
    makePrivateFolder(fallbackFolder);
    return QDir(fallbackFolder).filePath(kSocketName);
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
