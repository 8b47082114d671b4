#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Finds the picture files of a lot: a path the lot names itself, or the files of the picture
// folder named by the lot number ("12.jpg", "0012.png", "12a.webp", any case). The number is
// read as a whole number, so lot 12 never takes "120.jpg" or "112.jpg". The folder's listing
// is kept and read again when it is older than RefreshMs; whoever asks reads the folder, so
// ask from a worker: a folder on a slow mount may take its time. A folder that is not there
// has no pictures. Not thread-safe: one caller at a time.
class LotPictureFinder
{
public:
    static constexpr qint64 RefreshMs = 3000;

    explicit LotPictureFinder(const QString& folder = {}) : m_folder(folder) {}

    const QString& folder() const { return m_folder; }
    void setFolder(const QString& folder);

    // The files to try for the lot, best first: the lot's own path when it has one, otherwise
    // the folder's files for its number (plain name, then zero-padded, then lettered).
    QStringList Candidates(qint32 lot, const QString& explicitPath = {});
    // The best of them; empty when there is none.
    QString Find(qint32 lot, const QString& explicitPath = {});
    // Reads the folder again at the next question.
    void Invalidate() { m_listedAt = {}; }

    // The lot number a file name stands for, or -1: digits (leading zeros allowed), an optional
    // run of letters, and a picture extension.
    static qint32 LotOfFileName(const QString& fileName);
    // The extensions taken as pictures, lower case.
    static const QStringList& Extensions();

private:
    void Refresh();

    QString m_folder;
    // Lot number to file names, best first.
    QHash<qint32, QStringList> m_index;
    QDateTime m_listedAt;
};
