#include "startup/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

#include <algorithm>

#include <unistd.h>

namespace {

const QByteArray RaiseRequest = "raise\n";
const QByteArray RaiseReply = "raised\n";
// A copy killed while it wrote its claim leaves the lock file without a process id; QLockFile
// takes such a claim as stale after this age. A live holder keeps its claim however old it is.
constexpr int StaleClaimMs = 2000;

QString claimFilePath(const QString& settingsFilePath)
{
    return settingsFilePath + QStringLiteral(".running");
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFilePath, QObject* parent)
    : QObject(parent), m_settingsFilePath(settingsFilePath), m_serverName(ServerName(settingsFilePath)),
      m_lock(claimFilePath(settingsFilePath))
{
    m_lock.setStaleLockTime(StaleClaimMs);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::serveConnection);
}

QString SingleInstance::ServerName(const QString& settingsFilePath)
{
    // Two paths to one file (a symbolic link, a relative path) are one settings file.
    const QFileInfo info(settingsFilePath);
    QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        folder = info.absolutePath();
    const QByteArray digest = QCryptographicHash::hash(QFile::encodeName(folder + QLatin1Char('/') + info.fileName()),
                                                       QCryptographicHash::Sha256)
                                  .toHex()
                                  .left(20);
    const QString name = QStringLiteral("gavelor-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest));
    // The user's own runtime folder when there is one; otherwise Qt's default, the temporary folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime + QLatin1Char('/') + name;
    return name;
}

SingleInstance::Claim SingleInstance::claim(int waitMs)
{
    if (!QDir().mkpath(QFileInfo(m_settingsFilePath).absolutePath())) {
        m_claimError = QStringLiteral("cannot create %1").arg(QFileInfo(m_settingsFilePath).absolutePath());
        return Claim::Unavailable;
    }
    if (!m_lock.tryLock(waitMs)) {
        if (m_lock.error() == QLockFile::LockFailedError)
            return Claim::AlreadyRunning;
        m_claimError = QStringLiteral("cannot write %1").arg(m_lock.fileName());
        return Claim::Unavailable;
    }
    // Holding the claim, no other copy serves this name: a socket left under it is a killed copy's.
    QLocalServer::removeServer(m_serverName);
    if (!m_server.listen(m_serverName))
        m_claimError = m_server.errorString(); // still the running copy, only later starts cannot reach it
    return Claim::First;
}

bool SingleInstance::askRunningCopyToRaise(int timeoutMs) const
{
    // The running copy may be starting up and not yet listening, or busy loading a long lot list.
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 500)))) {
            socket.write(RaiseRequest);
            if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
                return false;
            QByteArray reply;
            while (!reply.contains('\n') && socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
                reply += socket.readAll();
            return reply == RaiseReply;
        }
        QThread::msleep(50);
    }
    return false;
}

void SingleInstance::serveConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == RaiseRequest) {
                emit raiseRequested();
                socket->write(RaiseReply);
            }
            socket->disconnectFromServer();
        });
    }
}
