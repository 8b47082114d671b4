#pragma once

#include <QByteArray>
#include <QString>

// Reads a file only when it is a regular file (after following links) of at most a given size,
// without ever blocking: a FIFO, a device (a link to /dev/zero) or a folder in its place is
// refused as it is found, not read.
namespace RegularFile {

enum class Status
{
    Read,
    Missing,
    NotRegular,
    TooLarge,
    Failed
};

struct Reading
{
    Status status = Status::Failed;
    QByteArray bytes;
    QString error; // the system's words, when Failed
};

Reading Read(const QString& path, qint64 maxBytes);

} // namespace RegularFile
