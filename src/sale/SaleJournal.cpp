#include "sale/SaleJournal.h"

#include "records/XdgDirectories.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString JournalPattern = QStringLiteral("sale-*.jsonl");

QString Now()
{
    return QDateTime::currentDateTime()
        .toOffsetFromUtc(QDateTime::currentDateTime().offsetFromUtc())
        .toString(Qt::ISODateWithMs);
}

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Events that start writing the sale through to the disk.
bool IsMark(SaleEvent::Kind kind)
{
    return kind != SaleEvent::Kind::Started && kind != SaleEvent::Kind::Shown && kind != SaleEvent::Kind::Amount;
}

// Events that change a result: what the operator would lose.
bool IsResult(SaleEvent::Kind kind)
{
    return kind == SaleEvent::Kind::Sold || kind == SaleEvent::Kind::Passed || kind == SaleEvent::Kind::Cleared ||
           kind == SaleEvent::Kind::Buyer;
}

// A new directory entry is on the disk only once its folder is.
void SyncDirectory(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QString RandomPart()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString part;
    for (int i = 0; i < 6; ++i)
        part += QLatin1Char(letters[QRandomGenerator::system()->bounded(int(sizeof letters - 1))]);
    return part;
}

bool PreadAll(int fd, char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, data + done, static_cast<size_t>(size - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

SaleJournal::SaleJournal(QString directory, QObject* parent) : QObject(parent), m_directory(std::move(directory))
{
    StartSale();
}

SaleJournal::~SaleJournal()
{
    // A last try for what waits: the disk may have room again.
    const QSignalBlocker quiet(this);
    if (m_writeThrough && !m_pending.isEmpty())
        Flush(true);
    CloseFile();
}

QString SaleJournal::DefaultDirectory()
{
    return XdgDirectories::DataHome() + QStringLiteral("/Gavelor/sales");
}

QString SaleJournal::FileNameFor(const QDateTime& started)
{
    return started.toString(QStringLiteral("'sale-'yyyy-MM-dd-HHmmss'.jsonl'"));
}

QString SaleJournal::LockFileName()
{
    return QStringLiteral(".gavelor.lock");
}

void SaleJournal::Open()
{
    StartSale();
    m_setAside.clear();
    m_earlier.clear();
    m_otherWriter.clear();
    if (!m_lock && QDir().mkpath(m_directory)) {
        auto lock = std::make_unique<QLockFile>(QDir(m_directory).filePath(LockFileName()));
        // Held for the whole run; a lock left by a copy that died is taken over at once.
        lock->setStaleLockTime(0);
        bool locked = lock->tryLock(0);
        qint64 pid = 0;
        QString host;
        QString application;
        if (!locked && lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&pid, &host, &application)) {
            const bool here = host == QSysInfo::machineHostName();
            // A copy that was killed, under another program name than Qt's own check expects.
            if (here && pid != QCoreApplication::applicationPid() && ::kill(static_cast<pid_t>(pid), 0) != 0 &&
                errno == ESRCH) {
                lock->removeStaleLockFile();
                locked = lock->tryLock(0);
            }
            // This process holds the folder already: no second copy.
            if (!locked && !(here && pid == QCoreApplication::applicationPid()))
                m_otherWriter = tr("process %1 on %2").arg(pid).arg(host);
        }
        if (locked)
            m_lock = std::move(lock);
    }
    if (!m_otherWriter.isEmpty()) {
        m_problem = tr("another copy of Gavelor (%1) keeps the sales in this folder").arg(m_otherWriter);
        emit SavingChanged();
        emit Changed();
        return;
    }

    struct Candidate
    {
        QString path;
        qint64 modifiedNs;
    };
    std::vector<Candidate> candidates;
    const QDir dir(m_directory);
    const QStringList names =
        dir.entryList({JournalPattern}, QDir::AllEntries | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        const JournalFile::Opened file = JournalFile::Open(path, O_RDONLY);
        if (file.fd < 0) {
            if (!file.missing)
                SetAsideUnreadable(path, file.notRegular ? tr("it is not a regular file") : file.error);
            continue;
        }
        // Old sales end with their "ended" record: their tails tell, without reading them.
        const std::optional<bool> ended = JournalFile::EndedByTail(file.fd, file.size);
        ::close(file.fd);
        if (!ended.value_or(false))
            candidates.push_back({path, file.modifiedNs});
    }
    // The sale written last is the one that was going on; names and their clocks say nothing.
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.modifiedNs != b.modifiedNs ? a.modifiedNs > b.modifiedNs : a.path > b.path;
    });
    for (const Candidate& candidate : candidates) {
        if (m_resumed)
            m_earlier.append(candidate.path);
        else
            TakeUpJournal(candidate.path);
    }
    emit Changed();
}

bool SaleJournal::OpenEarlier(const QString& earlier)
{
    // A copy: the name may be one of the list that changes here.
    const QString path = earlier;
    if (!m_earlier.contains(path) || !m_otherWriter.isEmpty())
        return false;
    const QString previous = m_path;
    m_earlier.removeAll(path);
    if (TakeUpJournal(path) != TakeUp::Current) {
        emit Changed();
        return false;
    }
    // The sale that was current was never ended either: it stays on offer.
    if (!previous.isEmpty())
        m_earlier.prepend(previous);
    m_problem.clear();
    m_replaced.clear();
    emit SavingChanged();
    emit Changed();
    return true;
}

SaleJournal::TakeUp SaleJournal::TakeUpJournal(const QString& path)
{
    JournalFile::Opened file = JournalFile::Open(path, O_RDWR);
    const bool writable = file.fd >= 0;
    if (!writable && !file.missing && !file.notRegular)
        file = JournalFile::Open(path, O_RDONLY);
    if (file.fd < 0) {
        if (file.missing)
            return TakeUp::Ended;
        SetAsideUnreadable(path, file.notRegular ? tr("it is not a regular file") : file.error);
        return TakeUp::SetAside;
    }

    SaleRecord record;
    const JournalFile::Reading reading =
        JournalFile::Read(file.fd, [&record](QByteArrayView, const SaleEvent& event) { record.Apply(event); });
    if (!reading.ok) {
        ::close(file.fd);
        SetAsideUnreadable(path, reading.error);
        return TakeUp::SetAside;
    }
    if (record.Ended()) {
        ::close(file.fd);
        return TakeUp::Ended;
    }
    if (reading.damaged == 0 && reading.hasStart && !reading.tooLarge) {
        CloseFile();
        m_fileMarks = static_cast<int>(record.Marks());
        m_record = std::move(record);
        m_path = path;
        m_fd = file.fd;
        m_writable = writable;
        m_identity = file.identity;
        m_goodSize = reading.goodSize;
        m_pending.clear();
        m_pendingCount = 0;
        m_pendingMarks = 0;
        m_writeThrough = true;
        m_resumed = true;
        return TakeUp::Current;
    }

    // Damaged: every record it still holds goes on in a new journal, the file itself is kept
    // aside as it is.
    SetAside aside;
    aside.path = path;
    aside.damagedLines = reading.damaged;
    if (reading.tooLarge)
        aside.reason = tr("it is larger than %1 MB").arg(JournalLimits::MaxFileBytes >> 20);
    else if (reading.damaged > 0)
        aside.reason = tr("%1 of its lines are damaged").arg(reading.damaged);
    else
        aside.reason = tr("it does not begin with the start of a sale");
    QByteArray recovered;
    SaleRecord again;
    if (!reading.hasStart) {
        SaleEvent started;
        started.kind = SaleEvent::Kind::Started;
        started.time = Now();
        again.Apply(started);
        recovered = started.ToJsonLine() + '\n';
    }
    qsizetype lines = recovered.isEmpty() ? 0 : 1;
    JournalFile::Read(file.fd, [&](QByteArrayView line, const SaleEvent& event) {
        recovered += line;
        recovered += '\n';
        again.Apply(event);
        ++lines;
    });
    ::close(file.fd);
    aside.recoveredLines = reading.records;
    for (const LotResult& result : again.Results()) {
        aside.sold += result.outcome == LotResult::Outcome::Sold;
        aside.passed += result.outcome == LotResult::Outcome::Passed;
    }
    if (!again.HasEvents()) {
        aside.keptAs = KeepAside(path);
        m_setAside.append(aside);
        return TakeUp::SetAside;
    }

    CloseFile();
    m_record = std::move(again);
    m_path.clear();
    m_goodSize = 0;
    m_pending = std::move(recovered);
    m_pendingCount = lines;
    m_pendingMarks = static_cast<int>(m_record.Marks());
    m_fileMarks = 0;
    m_writeThrough = true;
    m_resumed = true;
    // The damaged file goes aside only once what it held is safely in the new one.
    if (Flush(true)) {
        aside.continuedIn = m_path;
        aside.keptAs = KeepAside(path);
    }
    m_setAside.append(aside);
    return TakeUp::Current;
}

void SaleJournal::SetAsideUnreadable(const QString& path, const QString& reason)
{
    SetAside aside;
    aside.path = path;
    aside.reason = reason;
    aside.keptAs = KeepAside(path);
    m_setAside.append(aside);
}

QString SaleJournal::KeepAside(const QString& path)
{
    const auto taken = [](const QString& name) {
        struct stat info = {};
        return ::lstat(QFile::encodeName(name).constData(), &info) == 0;
    };
    QString aside = path + QStringLiteral(".unreadable");
    for (int n = 2; taken(aside); ++n)
        aside = path + QStringLiteral(".unreadable-%1").arg(n);
    // A rename moves a FIFO, a device node, a link or a folder alike, without opening it.
    return std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0 ? aside
                                                                                                       : QString();
}

void SaleJournal::StartSale()
{
    CloseFile();
    m_record = SaleRecord();
    m_path.clear();
    m_pending.clear();
    m_pendingCount = 0;
    m_pendingMarks = 0;
    m_fileMarks = 0;
    m_goodSize = 0;
    m_resumed = false;
    m_writeThrough = false;
    m_replaced.clear();
    SaleEvent started;
    started.kind = SaleEvent::Kind::Started;
    Record(started);
}

void SaleJournal::Record(SaleEvent event)
{
    event.time = Now();
    m_record.Apply(event);
    m_pending += event.ToJsonLine();
    m_pending += '\n';
    ++m_pendingCount;
    if (IsResult(event.kind))
        ++m_pendingMarks;
    // Until something is marked the sale lives in memory; from then on every event is
    // written through.
    if (IsMark(event.kind))
        m_writeThrough = true;
    if (m_writeThrough)
        Flush(event.kind == SaleEvent::Kind::Sold || event.kind == SaleEvent::Kind::Passed);
    emit Changed();
}

void SaleJournal::NewSale()
{
    if (m_writeThrough) {
        SaleEvent ended;
        ended.kind = SaleEvent::Kind::Ended;
        ended.time = Now();
        m_pending += ended.ToJsonLine() + '\n';
        ++m_pendingCount;
        Flush(true);
    }
    StartSale();
    // A folder that another copy writes stays refused.
    const bool hadProblem = !m_problem.isEmpty() && m_otherWriter.isEmpty();
    if (hadProblem)
        m_problem.clear();
    emit SavingChanged();
    emit Changed();
}

bool SaleJournal::SaveNow()
{
    if (m_writeThrough && !m_pending.isEmpty())
        Flush(true);
    return m_pendingMarks == 0;
}

bool SaleJournal::Fail(const QString& reason)
{
    const QString problem =
        QStringLiteral("%1 (%2)").arg(reason, QDir::toNativeSeparators(m_path.isEmpty() ? m_directory : m_path));
    if (problem != m_problem) {
        m_problem = problem;
        emit SavingChanged();
    }
    return false;
}

bool SaleJournal::CreateJournal()
{
    if (!QDir().mkpath(m_directory))
        return Fail(tr("the folder cannot be made"));
    QDateTime started = QDateTime::fromString(m_record.StartedAt(), Qt::ISODateWithMs);
    if (!started.isValid())
        started = QDateTime::currentDateTime();
    const QDir dir(m_directory);
    QString error;
    // Made exclusively under a name of its own: two sales in one second, or a clock set back,
    // never meet in one file.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString path = dir.filePath(
            FileNameFor(started).replace(QStringLiteral(".jsonl"), QStringLiteral("-%1.jsonl").arg(RandomPart())));
        const JournalFile::Opened file = JournalFile::Open(path, O_RDWR | O_CREAT | O_EXCL);
        if (file.fd >= 0) {
            m_fd = file.fd;
            m_identity = file.identity;
            m_writable = true;
            m_path = path;
            m_goodSize = 0;
            m_newFile = true;
            return true;
        }
        error = file.error;
        if (file.errorNumber != EEXIST)
            break;
    }
    return Fail(error);
}

void SaleJournal::LeaveReplacedJournal()
{
    // What the old file holds is read back through its descriptor, which still reaches it.
    QByteArray carried(static_cast<qsizetype>(m_goodSize), Qt::Uninitialized);
    if (!PreadAll(m_fd, carried.data(), m_goodSize))
        carried.clear();
    m_pendingCount += carried.count('\n');
    m_pending.prepend(carried);
    m_pendingMarks += m_fileMarks;
    m_fileMarks = 0;
    m_replaced = m_path;
    CloseFile();
    m_path.clear();
    m_goodSize = 0;
    emit SavingChanged();
}

bool SaleJournal::Flush(bool sync)
{
    if (!m_otherWriter.isEmpty())
        return false;
    if (m_fd >= 0) {
        const std::optional<JournalFile::Identity> atPath = JournalFile::IdentityAt(m_path);
        const int error = errno;
        // Replaced (a restore, a sync tool's rename) or removed: that file is no longer the journal.
        if (atPath ? *atPath != m_identity : (error == ENOENT || error == ENOTDIR))
            LeaveReplacedJournal();
    }
    if (m_fd < 0 && !CreateJournal())
        return false;
    if (!m_writable) {
        JournalFile::Opened file = JournalFile::Open(m_path, O_RDWR);
        if (file.fd < 0)
            return Fail(file.error);
        if (file.identity != m_identity) {
            ::close(file.fd);
            return Fail(tr("the journal was replaced"));
        }
        CloseFile();
        m_fd = file.fd;
        m_writable = true;
    }

    const auto writeFailed = [this](int error) {
        // No half record stays behind: the next try writes the whole of it again. A truncation
        // that fails now is done again before the next write.
        [[maybe_unused]] const int truncated = ::ftruncate(m_fd, m_goodSize);
        Fail(SystemError(error));
        // A journal that never held a record is not left behind empty: the next try makes it again.
        if (m_newFile && m_goodSize == 0 && ::unlink(QFile::encodeName(m_path).constData()) == 0) {
            CloseFile();
            m_path.clear();
        }
        return false;
    };
    // Whatever follows the last whole record (a torn line, a failed write) goes.
    struct stat status = {};
    if (::fstat(m_fd, &status) == 0 && status.st_size != m_goodSize && ::ftruncate(m_fd, m_goodSize) != 0)
        return Fail(SystemError(errno));
    qsizetype done = 0;
    while (done < m_pending.size()) {
        const ssize_t written = ::pwrite(m_fd, m_pending.constData() + done,
                                         static_cast<size_t>(m_pending.size() - done), m_goodSize + done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return writeFailed(written < 0 ? errno : ENOSPC);
        done += written;
    }
    if (sync && ::fdatasync(m_fd) != 0)
        return writeFailed(errno);
    if (m_newFile) {
        SyncDirectory(m_directory);
        m_newFile = false;
    }
    m_goodSize += m_pending.size();
    m_pending.clear();
    m_pendingCount = 0;
    m_fileMarks += m_pendingMarks;
    m_pendingMarks = 0;
    if (!m_problem.isEmpty()) {
        m_problem.clear();
        emit SavingChanged();
    }
    return true;
}

void SaleJournal::CloseFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_writable = false;
}
