#include "records/JsonSettingsStore.h"

#include "records/RegularFile.h"
#include "records/XdgDirectories.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

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

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Why a lock could not be taken. QLockFile tells only the kind of failure; errno, saved right after
// it, still holds the call that failed when the lock file could not be created or written.
QString lockFailure(QLockFile::LockError error, int savedErrno)
{
    switch (error) {
    case QLockFile::LockFailedError:
        return QStringLiteral("locked by another running copy");
    case QLockFile::PermissionError:
        return systemError(savedErrno != 0 ? savedErrno : EACCES);
    default:
        return savedErrno != 0 ? systemError(savedErrno) : QStringLiteral("the lock file could not be written");
    }
}

// A name beside the file that is not yet taken: base, or base-2, base-3 and so on.
QString freeName(const QString& base)
{
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    return target;
}

// Replaces path with bytes atomically; cause tells why it could not.
bool writeWhole(const QString& path, const QByteArray& bytes, QString& cause)
{
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself and its error is the one reported.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // A write cut short gives no error of its own; the next one, into the full disk, does.
    for (qsizetype done = 0; written && done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        written = n > 0;
        done += written ? n : 0;
    }
    cause = file.errorString();
    if (written) {
        written = file.commit();
        cause = file.errorString();
    } else {
        file.cancelWriting(); // which puts an error text of its own in place of the real one
    }
    return written;
}

QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

} // namespace

JsonSettingsStore::JsonSettingsStore() : JsonSettingsStore(DefaultFilePath()) {}

JsonSettingsStore::JsonSettingsStore(const QString& filePath) : m_filePath(filePath), m_lockTimeoutMs(LockTimeoutMs)
{
    Reload();
}

QString JsonSettingsStore::DefaultFilePath()
{
    return XdgDirectories::ConfigHome() + QLatin1Char('/') + ApplicationName + QStringLiteral("/settings.json");
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
    m_foundUnreadable = false;
    m_keptUnreadableAs.clear();
    removeLeftoverTemporariesAtStart();
    QByteArray bytes;
    ReadResult result = readFile(m_data, bytes);
    if (result == ReadResult::Unreadable) {
        m_foundUnreadable = true;
        // Another copy may be saving right now; look again under the lock before setting the file aside.
        QLockFile lock(lockFilePath(m_filePath));
        lock.setStaleLockTime(StaleLockMs);
        if (!lock.tryLock(StartupLockTimeoutMs)) {
            warn(QStringLiteral("settings file %1 could not be read; starting with default settings").arg(m_filePath));
            return;
        }
        result = readFile(m_data, bytes);
        m_foundUnreadable = result == ReadResult::Unreadable;
        if (m_foundUnreadable)
            m_keptUnreadableAs = keepUnreadableFile();
    }
    if (result == ReadResult::Read || result == ReadResult::ReadInPart) {
        m_fileBytes = std::move(bytes);
        m_fileReadWhole = result == ReadResult::Read;
    }
}

JsonSettingsStore::ReadResult JsonSettingsStore::readFile(SettingsSections& sections, QByteArray& bytes) const
{
    RegularFile::Reading file = RegularFile::Read(m_filePath, MaxFileSize);
    if (file.status == RegularFile::Status::Missing)
        return ReadResult::Missing;
    if (file.status != RegularFile::Status::Read)
        return ReadResult::Unreadable;
    bytes = std::move(file.bytes);
    if (!m_fileBytes.isEmpty() && bytes == m_fileBytes) {
        sections = m_data; // unchanged since we last read or wrote it
        return m_fileReadWhole ? ReadResult::Read : ReadResult::ReadInPart;
    }
    bool whole = false;
    std::optional<SettingsSections> parsed = Parse(bytes, &whole);
    if (!parsed)
        return ReadResult::Unreadable;
    sections = *std::move(parsed);
    return whole ? ReadResult::Read : ReadResult::ReadInPart;
}

QString JsonSettingsStore::keepUnreadableFile() const
{
    const QString target = freeName(m_filePath + QStringLiteral(".unreadable-") + stamp());
    if (QFile::rename(m_filePath, target)) {
        warn(QStringLiteral("settings file %1 could not be read; kept it as %2").arg(m_filePath, target));
        return target;
    }
    warn(QStringLiteral("settings file %1 could not be read and could not be moved aside").arg(m_filePath));
    return {};
}

bool JsonSettingsStore::keepFileReadInPart(const QByteArray& bytes)
{
    if (bytes == m_keptBytes)
        return true;
    // A copy rather than a rename: should the commit fail after this, the file stays in place.
    const QString target = freeName(m_filePath + QStringLiteral(".invalid-") + stamp());
    if (!writeWhole(target, bytes, m_lastError))
        return false;
    m_keptBytes = bytes;
    warn(QStringLiteral("settings file %1 held entries that cannot be kept; saved a copy as %2 before writing it")
             .arg(m_filePath, target));
    return true;
}

void JsonSettingsStore::removeLeftoverTemporaries() const
{
    // QSaveFile writes the new file as the file's name, a dot and six random letters, then renames it.
    const QFileInfo info(m_filePath);
    const QRegularExpression temporary(
        QStringLiteral("^%1\\.[A-Za-z]{6}$").arg(QRegularExpression::escape(info.fileName())));
    const QDir dir = info.absoluteDir();
    for (const QString& name : dir.entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden))
        if (temporary.match(name).hasMatch())
            QFile::remove(dir.filePath(name));
}

void JsonSettingsStore::removeLeftoverTemporariesAtStart() const
{
    const QFileInfo info(m_filePath);
    if (info.absoluteDir()
            .entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden)
            .isEmpty())
        return;
    // A copy saving right now holds the lock, and its new file is no leftover.
    QLockFile lock(lockFilePath(m_filePath));
    lock.setStaleLockTime(StaleLockMs);
    if (lock.tryLock(0))
        removeLeftoverTemporaries();
}

bool JsonSettingsStore::Commit(const SettingsChange& change)
{
    if (change.isEmpty())
        return true;

    // Whatever becomes of the file, the values in memory follow the change.
    auto fail = [&](const QString& cause, const QString& message) {
        m_lastError = cause;
        warn(message);
        m_data.apply(change);
        m_fileBytes.clear();
        return false;
    };

    const QFileInfo info(m_filePath);
    std::error_code madeError;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(info.absolutePath()).toStdString()),
                                        madeError);
    if (madeError) {
        const QString cause = QString::fromLocal8Bit(madeError.message());
        return fail(cause, QStringLiteral("cannot create %1: %2; settings not saved").arg(info.absolutePath(), cause));
    }

    QLockFile lock(lockFilePath(m_filePath));
    lock.setStaleLockTime(StaleLockMs);
    errno = 0;
    if (!lock.tryLock(m_lockTimeoutMs)) {
        const QString cause = lockFailure(lock.error(), errno);
        return fail(cause, QStringLiteral("cannot save settings to %1: %2").arg(m_filePath, cause));
    }

    removeLeftoverTemporaries();

    // Another running copy may have written since we read: start from the file as it is now.
    SettingsSections current;
    QByteArray onDisk;
    const ReadResult read = readFile(current, onDisk);
    if (read == ReadResult::Unreadable) {
        // Damaged since we read it: keep it aside and build on the last settings we could read.
        keepUnreadableFile();
        if (QFileInfo::exists(m_filePath))
            return fail(QStringLiteral("the unreadable file could not be moved aside"),
                        QStringLiteral("settings not saved to %1").arg(m_filePath));
        current = m_data;
    } else if (read == ReadResult::ReadInPart && !keepFileReadInPart(onDisk)) {
        const QString cause = m_lastError;
        return fail(cause, QStringLiteral("cannot keep a copy of %1: %2; settings not saved").arg(m_filePath, cause));
    }
    current.apply(change);

    QByteArray bytes = Serialize(current);
    QString cause;
    if (!writeWhole(m_filePath, bytes, cause))
        return fail(cause, QStringLiteral("cannot save settings to %1: %2").arg(m_filePath, cause));
    m_data = std::move(current);
    m_fileBytes = std::move(bytes);
    m_fileReadWhole = true;
    m_lastError.clear();
    return true;
}
