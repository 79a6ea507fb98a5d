#include "app/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace quintavo::app {

namespace {

QString DefaultFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) return runtime;
    // Without a runtime folder the shared temporary folder serves, with the
    // user's id in the name.
    return QDir::tempPath() + QStringLiteral("/quintavo-%1").arg(getuid());
}

} // namespace

SingleInstance::SingleInstance(QString name, QString folder)
    : m_name(std::move(name)), m_folder(folder.isEmpty() ? DefaultFolder() : std::move(folder)) {}

SingleInstance::~SingleInstance() {
    if (m_server) m_server->close();
    if (m_lock) m_lock->unlock();
}

QString SingleInstance::LockFilePath() const {
    return m_folder + QLatin1Char('/') + m_name + QStringLiteral(".lock");
}

QString SingleInstance::ServerPath() const {
    return m_folder + QLatin1Char('/') + m_name + QStringLiteral(".socket");
}

bool SingleInstance::Held() const {
    return m_lock && m_lock->isLocked();
}

bool SingleInstance::Acquire() {
    if (Held()) return true;
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(LockFilePath());
    // Never stale by age; a lock whose process is gone is taken over.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        const bool heldByOther = m_lock->error() == QLockFile::LockFailedError;
        m_lock.reset();
        return !heldByOther;
    }
    // The socket marks the running instance for anything that looks for it
    // by name; a socket left by a crashed run is replaced.
    QLocalServer::removeServer(ServerPath());
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            socket->disconnectFromServer();
            socket->deleteLater();
        }
    });
    m_server->listen(ServerPath());
    return true;
}

} // namespace quintavo::app
