#include "records/RegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

Reading Read(const QString& path, qint64 maxBytes)
{
    Reading reading;
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        reading.status = errno == ENOENT ? Status::Missing : Status::Failed;
        reading.error = QString::fromLocal8Bit(std::strerror(errno));
        return reading;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        reading.status = Status::NotRegular;
        return reading;
    }
    if (info.st_size > maxBytes) {
        ::close(fd);
        reading.status = Status::TooLarge;
        return reading;
    }
    // The file may grow while it is read: never past the limit.
    reading.bytes.resize(static_cast<qsizetype>(info.st_size) + 1);
    qsizetype done = 0;
    for (;;) {
        if (done == reading.bytes.size()) {
            if (done > maxBytes)
                break;
            reading.bytes.resize(std::min<qsizetype>(maxBytes + 1, 2 * done + 4096));
        }
        const ssize_t n = ::read(fd, reading.bytes.data() + done, static_cast<size_t>(reading.bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reading.error = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            reading.bytes.clear();
            return reading;
        }
        if (n == 0)
            break;
        done += n;
    }
    ::close(fd);
    reading.bytes.truncate(done);
    reading.status = done > maxBytes ? Status::TooLarge : Status::Read;
    if (reading.status != Status::Read)
        reading.bytes.clear();
    return reading;
}

} // namespace RegularFile
