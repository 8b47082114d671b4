#include "sale/SaleJournal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
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

bool IsMark(SaleEvent::Kind kind)
{
    return kind != SaleEvent::Kind::Started && kind != SaleEvent::Kind::Shown && kind != SaleEvent::Kind::Amount;
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

} // namespace

SaleJournal::SaleJournal(QString directory, QObject* parent) : QObject(parent), m_directory(std::move(directory))
{
    StartSale();
}

SaleJournal::~SaleJournal()
{
    CloseFile();
}

QString SaleJournal::DefaultDirectory()
{
    // The XDG rules: a relative path in the variable is to be ignored.
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/Gavelor/sales");
}

QString SaleJournal::FileNameFor(const QDateTime& started)
{
    return started.toString(QStringLiteral("'sale-'yyyy-MM-dd-HHmmss'.jsonl'"));
}

void SaleJournal::Open()
{
    const QDir dir(m_directory);
    const QStringList journals = dir.entryList({JournalPattern}, QDir::Files, QDir::Name);
    if (!journals.isEmpty()) {
        const QString newest = dir.filePath(journals.last());
        if (!ReadJournal(newest)) {
            KeepAside(newest);
        } else if (!m_record.Ended()) {
            m_path = newest;
            m_resumed = true;
            emit Changed();
            return;
        }
    }
    StartSale();
    emit Changed();
}

bool SaleJournal::ReadJournal(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    SaleRecord record;
    qsizetype start = 0;
    qint64 goodSize = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        // A line without its end is one that power failed in the middle of writing.
        if (end < 0)
            break;
        const std::optional<SaleEvent> event =
            SaleEvent::FromJsonLine(QByteArrayView(bytes).sliced(start, end - start));
        const bool last = end + 1 == bytes.size();
        if (!event || (start == 0 && event->kind != SaleEvent::Kind::Started)) {
            if (last && start > 0)
                break;
            return false;
        }
        record.Apply(*event);
        start = end + 1;
        goodSize = start;
    }
    if (goodSize == 0)
        return false;
    m_record = std::move(record);
    m_goodSize = goodSize;
    m_pending.clear();
    m_pendingCount = 0;
    return true;
}

void SaleJournal::KeepAside(const QString& path)
{
    QString aside = path + QStringLiteral(".unreadable");
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".unreadable-%1").arg(n);
    m_keptAside = QFile::rename(path, aside) ? aside : path;
}

void SaleJournal::StartSale()
{
    CloseFile();
    m_record = SaleRecord();
    m_path.clear();
    m_pending.clear();
    m_pendingCount = 0;
    m_goodSize = 0;
    m_resumed = false;
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
    // Until something is marked the sale lives in memory; from then on every event is
    // written through.
    if (!m_path.isEmpty() || IsMark(event.kind))
        Flush(event.kind == SaleEvent::Kind::Sold || event.kind == SaleEvent::Kind::Passed);
    emit Changed();
}

void SaleJournal::NewSale()
{
    if (!m_path.isEmpty()) {
        SaleEvent ended;
        ended.kind = SaleEvent::Kind::Ended;
        ended.time = Now();
        m_pending += ended.ToJsonLine() + '\n';
        ++m_pendingCount;
        Flush(true);
    }
    StartSale();
    const bool hadProblem = !m_problem.isEmpty();
    m_problem.clear();
    if (hadProblem)
        emit SavingChanged();
    emit Changed();
}

bool SaleJournal::Flush(bool sync)
{
    if (m_path.isEmpty()) {
        QDateTime started = QDateTime::fromString(m_record.StartedAt(), Qt::ISODateWithMs);
        if (!started.isValid())
            started = QDateTime::currentDateTime();
        const QDir dir(m_directory);
        const QString name = FileNameFor(started);
        m_path = dir.filePath(name);
        for (int n = 2; QFile::exists(m_path); ++n)
            m_path = dir.filePath(QString(name).replace(QStringLiteral(".jsonl"), QStringLiteral("-%1.jsonl").arg(n)));
        m_newFile = true;
    }

    const auto fail = [this](const QString& reason) {
        CloseFile();
        const QString problem = QStringLiteral("%1 (%2)").arg(reason, QDir::toNativeSeparators(m_path));
        if (problem != m_problem) {
            m_problem = problem;
            emit SavingChanged();
        }
        return false;
    };

    if (m_fd < 0) {
        if (!QDir().mkpath(m_directory))
            return fail(QStringLiteral("the folder cannot be made"));
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd < 0)
            return fail(SystemError(errno));
        // Whatever follows the last whole record (a torn line, a failed write) goes.
        struct stat status
        {};
        if (::fstat(m_fd, &status) == 0 && status.st_size != m_goodSize && ::ftruncate(m_fd, m_goodSize) != 0)
            return fail(SystemError(errno));
        ::lseek(m_fd, m_goodSize, SEEK_SET);
    }

    const char* data = m_pending.constData();
    qsizetype left = m_pending.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : ENOSPC;
            // No half record stays behind: the next try writes the whole of it again.
            // A truncation that fails now is done again when the file is next opened.
            [[maybe_unused]] const int truncated = ::ftruncate(m_fd, m_goodSize);
            return fail(SystemError(error));
        }
        data += written;
        left -= written;
    }
    if (sync && ::fdatasync(m_fd) != 0) {
        const int error = errno;
        [[maybe_unused]] const int truncated = ::ftruncate(m_fd, m_goodSize);
        return fail(SystemError(error));
    }
    if (m_newFile) {
        SyncDirectory(m_directory);
        m_newFile = false;
    }
    m_goodSize += m_pending.size();
    m_pending.clear();
    m_pendingCount = 0;
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
}
