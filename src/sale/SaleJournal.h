#pragma once

#include "sale/SaleRecord.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The journal of the current sale: one JSON object a line in a file of its own, named by
// when the sale started, in a folder of sale journals. Every event is written through at
// once, sold and passed are on the disk before the board shows them, and a sale that was
// never ended is picked up again at the next start.
//
// The file is made at the first result: a run in which nothing is marked leaves no file.
// A disk that is full or read-only never stops the sale: the events wait in memory, the
// problem is reported, and the next event tries again.
class SaleJournal : public QObject
{
    Q_OBJECT

public:
    explicit SaleJournal(QString directory, QObject* parent = nullptr);
    ~SaleJournal() override;

    // $XDG_DATA_HOME/Gavelor/sales, with ~/.local/share when it is unset or not absolute.
    static QString DefaultDirectory();

    // Reads the newest journal of the folder. One never ended is the current sale again;
    // one that cannot be read is renamed aside (never written to) and a new sale starts.
    void Open();

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
    // A journal set aside as unreadable at Open, or empty.
    QString keptAside() const { return m_keptAside; }
    // Empty while every event is on the disk; otherwise why the last write failed.
    QString problem() const { return m_problem; }
    int pendingEvents() const { return static_cast<int>(m_pendingCount); }

    // The name of a journal file for a sale started at that time.
    static QString FileNameFor(const QDateTime& started);

signals:
    // The record changed (an event was added, or a new sale began).
    void Changed();
    // problem() changed.
    void SavingChanged();

private:
    void StartSale();
    bool ReadJournal(const QString& path);
    void KeepAside(const QString& path);
    // Writes what waits; sync puts it on the disk before returning. False on failure.
    bool Flush(bool sync);
    void CloseFile();

    QString m_directory;
    QString m_path;
    SaleRecord m_record;
    bool m_resumed = false;
    QString m_keptAside;
    QString m_problem;
    QByteArray m_pending;
    qsizetype m_pendingCount = 0;
    int m_fd = -1;
    // The length of the file up to its last whole record.
    qint64 m_goodSize = 0;
    bool m_newFile = false;
};
