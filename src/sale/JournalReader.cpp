#include "sale/JournalReader.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

constexpr qsizetype ChunkBytes = qsizetype(256) << 10;

} // namespace

void JournalLines::Feed(QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qsizetype newline = bytes.indexOf('\n');
        if (newline < 0) {
            // The line goes on in the next piece; one over the limit is not held.
            if (!m_skipping && m_partial.size() + bytes.size() > JournalLimits::MaxLineBytes) {
                m_skipping = true;
                m_partial.clear();
            }
            if (!m_skipping)
                m_partial.append(bytes);
            m_offset += bytes.size();
            return;
        }
        const qint64 end = m_offset + newline + 1;
        if (m_skipping) {
            m_skipping = false;
            Line({}, -1);
        } else if (m_partial.isEmpty()) {
            Line(bytes.first(newline), end);
        } else if (m_partial.size() + newline > JournalLimits::MaxLineBytes) {
            m_partial.clear();
            Line({}, -1);
        } else {
            m_partial.append(bytes.first(newline));
            Line(m_partial, end);
            m_partial.clear();
        }
        m_offset = end;
        bytes = bytes.sliced(newline + 1);
    }
}

void JournalLines::Line(QByteArrayView line, qint64 end)
{
    // An invalid line followed by another line was damaged, not torn.
    if (m_lastInvalid)
        ++m_damaged;
    bool later = false;
    std::optional<SaleEvent> event = end < 0 ? std::nullopt : SaleEvent::FromJsonLine(line, &later);
    // What a later version records and this one cannot use is passed over whole.
    if (later) {
        m_lastInvalid = false;
        m_goodSize = end;
        return;
    }
    m_lastInvalid = !event;
    if (!event)
        return;
    if (m_records == 0)
        m_hasStart = event->kind == SaleEvent::Kind::Started;
    ++m_records;
    m_goodSize = end;
    event->note = TextLimits::Cut(event->note, TextLimits::MaxNote);
    event->buyer = TextLimits::Cut(event->buyer, TextLimits::MaxBuyer);
    if (m_sink)
        m_sink(line, *event);
}

void JournalLines::Finish()
{
    const bool unfinished = m_skipping || !m_partial.isEmpty();
    if (unfinished && m_lastInvalid)
        ++m_damaged;
    m_torn = unfinished || m_lastInvalid;
    m_partial.clear();
    m_skipping = false;
    m_lastInvalid = false;
}

namespace JournalFile {

Opened Open(const QString& path, int flags)
{
    Opened opened;
    // Without O_NONBLOCK, opening a FIFO waits for a writer (or a reader) that may never come.
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0) {
        opened.errorNumber = errno;
        opened.missing = errno == ENOENT;
        // A FIFO without a reader, opened for writing.
        opened.notRegular = errno == ENXIO || errno == EISDIR;
        opened.error = SystemError(errno);
        return opened;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        opened.errorNumber = errno;
        opened.error = SystemError(errno);
        opened.notRegular = true;
        ::close(fd);
        return opened;
    }
    // A regular file never blocks; the flag is only taken off to be plain.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    opened.fd = fd;
    opened.identity = {info.st_dev, info.st_ino};
    opened.size = info.st_size;
    opened.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return opened;
}

std::optional<Identity> IdentityAt(const QString& path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return Identity{info.st_dev, info.st_ino};
}

Reading Read(int fd, const JournalLines::Sink& sink)
{
    Reading reading;
    JournalLines lines(sink);
    QByteArray chunk(ChunkBytes, Qt::Uninitialized);
    qint64 done = 0;
    while (done < JournalLimits::MaxFileBytes) {
        const auto want = static_cast<size_t>(std::min<qint64>(chunk.size(), JournalLimits::MaxFileBytes - done));
        const ssize_t n = ::pread(fd, chunk.data(), want, done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reading.error = SystemError(errno);
            return reading;
        }
        if (n == 0)
            break;
        lines.Feed(QByteArrayView(chunk.constData(), n));
        done += n;
    }
    if (done >= JournalLimits::MaxFileBytes) {
        char probe = 0;
        reading.tooLarge = ::pread(fd, &probe, 1, done) == 1;
    }
    lines.Finish();
    reading.ok = true;
    reading.records = lines.records();
    reading.damaged = lines.damaged();
    reading.hasStart = lines.hasStart();
    reading.goodSize = lines.goodSize();
    return reading;
}

std::optional<bool> EndedByTail(int fd, qint64 size)
{
    for (qint64 window : {qint64(4096), qint64(65536)}) {
        const qint64 from = std::max<qint64>(0, size - window);
        QByteArray tail(static_cast<qsizetype>(size - from), Qt::Uninitialized);
        qsizetype got = 0;
        while (got < tail.size()) {
            const ssize_t n = ::pread(fd, tail.data() + got, static_cast<size_t>(tail.size() - got), from + got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        tail.truncate(got);
        // From the last line end back: the last whole line that is a record decides.
        qsizetype end = tail.lastIndexOf('\n');
        while (end >= 0) {
            const qsizetype start = end > 0 ? tail.lastIndexOf('\n', end - 1) : -1;
            if (start < 0 && from > 0)
                break; // the line began before the window
            const std::optional<SaleEvent> event =
                SaleEvent::FromJsonLine(QByteArrayView(tail).sliced(start + 1, end - start - 1));
            if (event)
                return event->kind == SaleEvent::Kind::Ended;
            end = start;
        }
        if (from == 0)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace JournalFile
