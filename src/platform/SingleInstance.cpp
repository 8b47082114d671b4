#include "platform/SingleInstance.h"

#include "platform/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

// A copy killed while it wrote its claim leaves the lock file without a process id; QLockFile
// takes such a claim as stale after this age. A live holder keeps its claim however old it is.
constexpr int StaleClaimMs = 2000;

QString claimFilePath(const QString& settingsFilePath)
{
    return settingsFilePath + QStringLiteral(".running");
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFilePath, const QString& moduleDirectory, QObject* parent)
    : QObject(parent), m_settingsFilePath(settingsFilePath), m_serverName(ServerName(settingsFilePath)),
      m_moduleDirectory(moduleDirectory), m_lock(claimFilePath(settingsFilePath))
{
    m_lock.setStaleLockTime(StaleClaimMs);
}

SingleInstance::~SingleInstance() = default;

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
    return Claim::First;
}

bool SingleInstance::loadChannel()
{
    if (!m_channel)
        m_channel = InstanceChannel::Load(m_moduleDirectory, &m_claimError);
    return m_channel != nullptr;
}

bool SingleInstance::listen()
{
    Q_ASSERT(m_lock.isLocked());
    return loadChannel() && m_channel->listen(
                                m_serverName, [this] { emit raiseRequested(); }, &m_claimError);
}

bool SingleInstance::askRunningCopyToRaise(int timeoutMs)
{
    return loadChannel() && m_channel->askToRaise(m_serverName, timeoutMs);
}
