#pragma once

#include "records/TextLimits.h"
#include "sale/SaleRecord.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <sys/types.h>

// Reading sale journals without trusting them: a file may be damaged, hand-edited, huge, or
// something else than a file. Nothing here blocks, and nothing holds more than one line of a
// bounded length at a time.
namespace JournalLimits {

// What is read of one journal at most; the rest of a larger file is left unread.
constexpr qint64 MaxFileBytes = qint64(256) << 20;
// A longer line is damaged: it is passed over without being held.
constexpr qsizetype MaxLineBytes = qsizetype(16) << 20;

} // namespace JournalLimits

// Splits bytes, fed in pieces of any size, into journal lines and reads each as a record, its
// note and buyer cut to their limits (the file keeps the whole text). A damaged line costs that line alone; the last
// line, when it is not a record, is one that a crash or a power cut tore and is not counted as damage.
class JournalLines
{
public:
    // Each record in order, with its line (without the line end).
    using Sink = std::function<void(QByteArrayView line, const SaleEvent& event)>;

    explicit JournalLines(Sink sink) : m_sink(std::move(sink)) {}

    void Feed(QByteArrayView bytes);
    // The end of the input.
    void Finish();

    int records() const { return m_records; }
    int damaged() const { return m_damaged; }
    // The first record is the sale's start.
    bool hasStart() const { return m_hasStart; }
    // Something after the last record was not one (a torn or garbled last line).
    bool torn() const { return m_torn; }
    // The length up to the end of the last record's line.
    qint64 goodSize() const { return m_goodSize; }

private:
    void Line(QByteArrayView line, qint64 end);

    Sink m_sink;
    QByteArray m_partial;
    bool m_skipping = false; // in a line over the limit
    bool m_lastInvalid = false;
    qint64 m_offset = 0;
    qint64 m_goodSize = 0;
    int m_records = 0;
    int m_damaged = 0;
    bool m_hasStart = false;
    bool m_torn = false;
};

namespace JournalFile {

// Which file an open descriptor or a path is: a file replaced under its name is another one.
struct Identity
{
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const Identity&, const Identity&) = default;
};

struct Opened
{
    int fd = -1;
    Identity identity;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool missing = false;
    // Something other than a regular file (a FIFO, a device, a folder) is in its place.
    bool notRegular = false;
    QString error; // the system's words
    int errorNumber = 0;
};

// Opens a regular file without ever blocking: a FIFO or a device found at the path is refused
// as it is found, not waited on. flags: O_RDONLY or O_RDWR, and O_CREAT | O_EXCL to make it.
Opened Open(const QString& path, int flags);

// The file at a path now, without opening it; nothing when there is none.
std::optional<Identity> IdentityAt(const QString& path);

struct Reading
{
    bool ok = false;
    QString error;
    // Longer than MaxFileBytes: only that much was read.
    bool tooLarge = false;
    int records = 0;
    int damaged = 0;
    bool hasStart = false;
    qint64 goodSize = 0;
};

// Reads an open journal from its start, bounded by MaxFileBytes, each record to the sink.
Reading Read(int fd, const JournalLines::Sink& sink);

// Whether the journal's last record is "ended", told from its tail alone; nothing when the
// tail holds no whole record. Lets a folder of old journals be sorted without reading them.
std::optional<bool> EndedByTail(int fd, qint64 size);

} // namespace JournalFile
