#pragma once

#include "sale/JournalReader.h"
#include "sale/SaleRecord.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

// The journal of the current sale: one JSON object a line in a file of its own, in a folder of
// sale journals. Every event is written through at once, sold and passed are on the disk before
// the board shows them, and a sale that was never ended is picked up again at the next start.
// Which journal is the current sale is told by what the journals hold, never by their names
// or the clock.
//
// The file is made at the first result: a run in which nothing is marked leaves no file.
// A disk that is full or read-only never stops the sale: the events wait in memory, the
// problem is reported, and the next event tries again. A journal that is replaced or removed
// under the running program is never written to again: the sale goes on in a new journal.
// One running copy at a time writes into a folder; another one records nothing.
class SaleJournal : public QObject
{
    Q_OBJECT

public:
    explicit SaleJournal(QString directory, QObject* parent = nullptr);
    ~SaleJournal() override;

    // $XDG_DATA_HOME/Gavelor/sales, with ~/.local/share when it is unset or not absolute.
    static QString DefaultDirectory();

    // What became of a journal that could not be taken up as it was.
    struct SetAside
    {
        QString path;
        // Where it was kept; empty when it could not be moved aside.
        QString keptAs;
        // Why, in the system's or the reader's words.
        QString reason;
        int recoveredLines = 0;
        int damagedLines = 0;
        int sold = 0;
        int passed = 0;
        // The journal the recovered sale goes on in; empty when nothing was recovered.
        QString continuedIn;
    };

    // Takes the folder for this copy and finds the current sale: the journal never ended that
    // was written last. Other journals never ended are offered in earlierSales(); one that
    // cannot be read whole is moved aside, what can be read of it goes on in a new journal.
    void Open();
    // Makes an earlier sale that was never ended the current one; the sale that was current
    // stays on the disk as an earlier one. False when it could not be read.
    bool OpenEarlier(const QString& path);

    // Adds the event to the sale and to the journal. Its time is set here.
    void Record(SaleEvent event);
    // Ends the sale on the disk and starts a new one in memory.
    void NewSale();

    const SaleRecord& record() const { return m_record; }
    QString directory() const { return m_directory; }
    // The current journal's file; empty until the sale has one.
    QString filePath() const { return m_path; }
    // The sale was taken up from a journal of an earlier run.
    bool resumed() const { return m_resumed; }
    // Where the first journal set aside at Open went, or empty.
    QString keptAside() const { return m_setAside.isEmpty() ? QString() : m_setAside.first().keptAs; }
    const QList<SetAside>& setAside() const { return m_setAside; }
    // Journals of other sales that were never ended, the last written first.
    const QStringList& earlierSales() const { return m_earlier; }
    // Empty while every event is on the disk; otherwise why the last write failed.
    QString problem() const { return m_problem; }
    int pendingEvents() const { return static_cast<int>(m_pendingCount); }
    // Results (sold, passed, cleared, buyers) that are not on the disk yet.
    int pendingMarks() const { return m_pendingMarks; }
    // Another running copy writes into the folder (its process and host); this one writes nothing.
    QString otherWriter() const { return m_otherWriter; }
    // A journal that was replaced or removed while the sale was written to it, or empty.
    QString replacedJournal() const { return m_replaced; }
    // Tries once more to put what waits on the disk; true when nothing waits any more.
    bool SaveNow();

    // The name of a journal file for a sale started at that time; a new journal's name has a
    // random part besides, so that no two sales share one whatever the clock says.
    static QString FileNameFor(const QDateTime& started);
    // The lock file in the journal folder that the writing copy holds.
    static QString LockFileName();

signals:
    // The record changed (an event was added, or a new sale began).
    void Changed();
    // problem(), pendingMarks() or replacedJournal() changed.
    void SavingChanged();

private:
    enum class TakeUp
    {
        Current,
        Ended,
        SetAside
    };

    void StartSale();
    TakeUp TakeUpJournal(const QString& path);
    // Moves a journal out of the way, never deleting it; where it went, or empty.
    QString KeepAside(const QString& path);
    void SetAsideUnreadable(const QString& path, const QString& reason);
    // Writes what waits; sync puts it on the disk before returning. False on failure.
    bool Flush(bool sync);
    bool CreateJournal();
    // The open journal is no longer the file at its path: what it holds goes on in a new one.
    void LeaveReplacedJournal();
    bool Fail(const QString& reason);
    void CloseFile();

    QString m_directory;
    QString m_path;
    SaleRecord m_record;
    bool m_resumed = false;
    QList<SetAside> m_setAside;
    QStringList m_earlier;
    QString m_problem;
    QString m_otherWriter;
    QString m_replaced;
    std::unique_ptr<QLockFile> m_lock;
    QByteArray m_pending;
    qsizetype m_pendingCount = 0;
    int m_pendingMarks = 0;
    // Results in the open journal: carried to a new one when the file is replaced.
    int m_fileMarks = 0;
    // From the first result on every event goes to the disk at once.
    bool m_writeThrough = false;
    int m_fd = -1;
    bool m_writable = false;
    JournalFile::Identity m_identity;
    // The length of the file up to its last whole record.
    qint64 m_goodSize = 0;
    bool m_newFile = false;
};
