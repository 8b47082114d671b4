#include "pictures/LotPictureFinder.h"

#include "records/Limits.h"

#include <QDir>

#include <algorithm>

namespace {

// More digits than a lot number has cannot name one; the cap keeps the reading in range.
constexpr int MaxDigits = 9;

// Lower ranks first: "12.jpg", then "012.jpg", then "12a.jpg"; then by name.
int Rank(const QString& fileName)
{
    const bool padded = fileName.startsWith(u'0') && fileName.size() > 1 && fileName.at(1).isDigit();
    qsizetype digits = 0;
    while (digits < fileName.size() && fileName.at(digits).isDigit())
        ++digits;
    const bool lettered = digits < fileName.size() && fileName.at(digits) != u'.';
    return (lettered ? 2 : 0) + (padded ? 1 : 0);
}

} // namespace

void LotPictureFinder::setFolder(const QString& folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    m_index.clear();
    Invalidate();
}

const QStringList& LotPictureFinder::Extensions()
{
    static const QStringList extensions{QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                                        QStringLiteral("webp")};
    return extensions;
}

qint32 LotPictureFinder::LotOfFileName(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot <= 0 || !Extensions().contains(fileName.mid(dot + 1).toLower()))
        return -1;
    qsizetype digits = 0;
    while (digits < dot && fileName.at(digits) >= u'0' && fileName.at(digits) <= u'9')
        ++digits;
    if (digits == 0)
        return -1;
    for (qsizetype i = digits; i < dot; ++i) {
        const QChar c = fileName.at(i).toLower();
        if (c < u'a' || c > u'z')
            return -1;
    }
    qsizetype first = 0;
    while (first < digits - 1 && fileName.at(first) == u'0')
        ++first;
    if (digits - first > MaxDigits)
        return -1;
    const qint32 lot = QStringView(fileName).mid(first, digits - first).toInt();
    return lot <= Limits::MaxLotNumber ? lot : -1;
}

void LotPictureFinder::Refresh()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (m_listedAt.isValid() && m_listedAt.msecsTo(now) < RefreshMs && m_listedAt <= now)
        return;
    m_listedAt = now;
    m_index.clear();
    if (m_folder.isEmpty())
        return;
    // Regular files only: a pipe or a device named like a picture would block whoever opens it.
    const QDir dir(m_folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Readable | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        const qint32 lot = LotOfFileName(name);
        if (lot >= 0)
            m_index[lot].append(name);
    }
    for (QStringList& files : m_index)
        std::stable_sort(files.begin(), files.end(),
                         [](const QString& a, const QString& b) { return Rank(a) < Rank(b); });
}

QStringList LotPictureFinder::Candidates(qint32 lot, const QString& explicitPath)
{
    if (!explicitPath.isEmpty())
        return {explicitPath};
    Refresh();
    const auto found = m_index.constFind(lot);
    if (found == m_index.cend())
        return {};
    QStringList paths;
    const QDir dir(m_folder);
    for (const QString& name : *found)
        paths.append(dir.filePath(name));
    return paths;
}

QString LotPictureFinder::Find(qint32 lot, const QString& explicitPath)
{
    const QStringList candidates = Candidates(lot, explicitPath);
    return candidates.isEmpty() ? QString() : candidates.first();
}
