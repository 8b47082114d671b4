#include "records/JsonSettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace {

const QString ApplicationName = QStringLiteral("Gavelor");
// Long enough for a 100,000-lot save on a slow disk, short enough not to hang the room.
constexpr int LockTimeoutMs = 10000;
// Start-up only waits for a save in progress in another copy before moving an unreadable file aside.
constexpr int StartupLockTimeoutMs = 2000;
// A copy killed while taking the lock can leave it without its process id, which QLockFile only
// calls stale after this time. A live holder keeps its lock however old it is: QLockFile removes
// a stale lock only when it can take the holder's flock() on it.
constexpr int StaleLockMs = 2000;

void warn(const QString& message)
{
    std::fprintf(stderr, "gavelor: %s\n", qUtf8Printable(message));
}

QString lockFilePath(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
}

} // namespace

JsonSettingsStore::JsonSettingsStore() : JsonSettingsStore(DefaultFilePath()) {}

JsonSettingsStore::JsonSettingsStore(const QString& filePath) : m_filePath(filePath)
{
    Reload();
}

QString JsonSettingsStore::DefaultFilePath()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) // no usable home: never fall back to a path at the root of the file system
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QLatin1Char('/') + ApplicationName + QStringLiteral("/settings.json");
}

QString JsonSettingsStore::Get(const QString& section, const QString& key, const QString& defaultValue) const
{
    return m_data.value(section, key, defaultValue);
}

SettingsPairs JsonSettingsStore::GetAll(const QString& section) const
{
    return m_data.pairs(section);
}

void JsonSettingsStore::Reload()
{
    m_data = {};
    m_fileBytes.clear();
    QByteArray bytes;
    ReadResult result = readFile(m_data, bytes);
    if (result == ReadResult::Unreadable) {
        // Another copy may be saving right now; look again under the lock before setting the file aside.
        QLockFile lock(lockFilePath(m_filePath));
        lock.setStaleLockTime(StaleLockMs);
        if (!lock.tryLock(StartupLockTimeoutMs)) {
            warn(QStringLiteral("settings file %1 could not be read; starting with default settings").arg(m_filePath));
            return;
        }
        result = readFile(m_data, bytes);
        if (result == ReadResult::Unreadable)
            keepUnreadableFile();
    }
    if (result == ReadResult::Read)
        m_fileBytes = std::move(bytes);
}

JsonSettingsStore::ReadResult JsonSettingsStore::readFile(SettingsSections& sections, QByteArray& bytes) const
{
    QFile file(m_filePath);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return ReadResult::Unreadable;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadResult::Unreadable;
    if (!m_fileBytes.isEmpty() && bytes == m_fileBytes) {
        sections = m_data; // unchanged since we last read or wrote it
        return ReadResult::Read;
    }
    std::optional<SettingsSections> parsed = Parse(bytes);
    if (!parsed)
        return ReadResult::Unreadable;
    sections = *std::move(parsed);
    return ReadResult::Read;
}

void JsonSettingsStore::keepUnreadableFile() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_filePath + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_filePath + QStringLiteral(".unreadable-") + stamp + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(m_filePath, target))
        warn(QStringLiteral("settings file %1 could not be read; kept it as %2").arg(m_filePath, target));
    else
        warn(QStringLiteral("settings file %1 could not be read and could not be moved aside").arg(m_filePath));
}

bool JsonSettingsStore::Commit(const SettingsChange& change)
{
    if (change.isEmpty())
        return true;

    // Whatever becomes of the file, the values in memory follow the change.
    auto fail = [&](const QString& message) {
        warn(message);
        m_data.apply(change);
        m_fileBytes.clear();
        return false;
    };

    const QFileInfo info(m_filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("cannot create %1; settings not saved").arg(info.absolutePath()));

    QLockFile lock(lockFilePath(m_filePath));
    lock.setStaleLockTime(StaleLockMs);
    if (!lock.tryLock(LockTimeoutMs))
        return fail(
            QStringLiteral("settings file %1 is locked by another process; settings not saved").arg(m_filePath));

    // Another running copy may have written since we read: start from the file as it is now.
    SettingsSections current;
    QByteArray onDisk;
    if (readFile(current, onDisk) == ReadResult::Unreadable) {
        // Damaged since we read it: keep it aside and build on the last settings we could read.
        keepUnreadableFile();
        if (QFileInfo::exists(m_filePath))
            return fail(QStringLiteral("settings not saved to %1").arg(m_filePath));
        current = m_data;
    }
    current.apply(change);

    QByteArray bytes = Serialize(current);
    QSaveFile file(m_filePath);
    bool written = file.open(QIODevice::WriteOnly);
    if (written)
        written = file.write(bytes) == bytes.size();
    if (written)
        written = file.commit();
    else
        file.cancelWriting();
    if (!written)
        return fail(QStringLiteral("cannot write %1: %2; settings not saved").arg(m_filePath, file.errorString()));
    m_data = std::move(current);
    m_fileBytes = std::move(bytes);
    return true;
}
