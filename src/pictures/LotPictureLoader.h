#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

// Decodes lot pictures off the interface thread and keeps, for each window that shows them, the
// pictures of the lot on show and of its neighbours, scaled to that window's size; nothing more.
// A window asks with Show() as its lot changes and takes the picture with Picture() at once, or
// once ready() says it is there. Results for lots no longer wanted are dropped. Decoding runs on
// a few worker threads of the loader's own; a worker stuck on a file (a hung network mount) holds
// up neither the interface nor the loader's end: the loader waits a moment for its workers and
// then leaves a stuck one to finish on its own.
class LotPictureLoader : public QObject
{
    Q_OBJECT

public:
    // Larger pictures are refused by the size their header gives, before anything is decoded.
    static constexpr qint64 MaxPixels = 100'000'000;
    static constexpr int MaxWorkers = 3;
    // How long the loader's end waits for a busy worker.
    static constexpr int StopWaitMs = 500;

    // The file a lot names for itself, if any (asked on the interface thread).
    using PathLookup = std::function<QString(qint32 lot)>;
    // What turns a file into a picture fitted to a size; Decode unless a test sets another.
    using Decoder = std::function<QImage(const QString& path, const QSize& target)>;

    explicit LotPictureLoader(QObject* parent = nullptr);
    ~LotPictureLoader() override;

    // The picture folder; empty: pictures only from the lots' own paths.
    void setFolder(const QString& folder);
    const QString& folder() const { return m_folder; }
    void setPathLookup(PathLookup lookup);
    void setDecoder(Decoder decoder);
    // Whether any lot can have a picture: a folder is set or the lots name their own.
    bool IsActive() const { return !m_folder.isEmpty() || m_lookup; }

    // viewer shows lot now, at target size (device pixels); the neighbours are fetched ahead.
    // Whatever the viewer kept for other lots or another size is dropped.
    void Show(const QObject* viewer, qint32 lot, const QSize& target, const QList<qint32>& neighbours = {});
    // The picture kept for the viewer's lot; null while it is being decoded or when there is none.
    QImage Picture(const QObject* viewer, qint32 lot) const;
    // Whether the viewer's lot is still being looked for or decoded.
    bool IsPending(const QObject* viewer, qint32 lot) const;
    // Drops what the viewer kept; also done when it is destroyed.
    void Forget(const QObject* viewer);
    // Asks again for every viewer's pictures, as after the files or the lots changed.
    void Reload();
    // The pictures kept now, for all viewers.
    qsizetype KeptCount() const;

    // The file's picture fitted into target without distortion, turned as its EXIF orientation
    // says; null when the file is not a regular file, not a picture, damaged, or larger than
    // maxPixels. Safe on any thread.
    static QImage Decode(const QString& path, const QSize& target, qint64 maxPixels = MaxPixels);
    // Where a decoded picture is drawn in `area`: as large as fits without distortion, centred.
    static QRect Fitted(const QImage& picture, const QRect& area);

signals:
    // A lot's picture is decoded, or found to be missing (a null image).
    void ready(qint32 lot, const QImage& image);

private:
    struct Shared;
    struct Entry
    {
        qint32 lot = 0;
        quint64 job = 0;
        bool done = false;
        QImage image;
    };
    struct Viewer
    {
        QSize target;
        QList<qint32> lots;
        QList<Entry> entries;
    };

    static void Work(std::shared_ptr<Shared> shared);
    quint64 Request(qint32 lot, const QSize& target, bool first);
    void Cancel(const QList<Entry>& entries);
    void Finished(quint64 job, const QImage& image);
    void Watch(const QObject* viewer);

    std::shared_ptr<Shared> m_shared;
    QString m_folder;
    PathLookup m_lookup;
    QHash<const QObject*, Viewer> m_viewers;
    quint64 m_nextJob = 1;
};
