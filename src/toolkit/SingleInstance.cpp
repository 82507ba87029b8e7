#include "toolkit/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <cstdio>

namespace {
// A running instance listens a moment after it takes the lock; a launch
// that finds the lock taken gives it this long to answer.
constexpr int kConnectAttempts = 30;
constexpr int kConnectWaitMs = 100;

QString serverName(const QString &home)
{
    const QByteArray path = QDir(home).canonicalPath().toUtf8();
    return "panelry-" + QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16);
}
}

SingleInstance::SingleInstance(const QString &home, QObject *parent)
    : QObject(parent)
    , m_home(home)
    , m_serverName(serverName(home))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    m_lock = std::make_unique<QLockFile>(m_home + "/panelry.lock");
    // Held as long as the process runs, however long that is: only a lock
    // whose process is gone counts as stale.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError) {
            if (!askRunningInstance(kConnectAttempts))
                std::fprintf(stderr, "panelry: already running on %s\n", qPrintable(m_home));
            return false;
        }
        // No lock can be written here (a read-only home): only an answer on
        // the socket tells that another instance runs.
        if (askRunningInstance(1))
            return false;
    }
    listen();
    return true;
}

bool SingleInstance::askRunningInstance(int attempts) const
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(kConnectWaitMs)) {
            socket.disconnectFromServer();
            return true;
        }
    }
    return false;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // What is there is left by an instance that is gone: the home is ours.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName))
        return;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            socket->deleteLater();
            emit activationRequested();
        }
    });
}
