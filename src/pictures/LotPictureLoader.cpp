#include "pictures/LotPictureLoader.h"

#include "pictures/LotPictureFinder.h"
#include "platform/ThreadPriority.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A lot whose first files are all damaged has no picture: a folder of junk is not read whole.
constexpr qsizetype MaxTries = 4;

} // namespace

// What the loader and its workers share; the workers hold it for as long as they run, so a worker
// that outlives the loader still has what it needs.
struct LotPictureLoader::Shared
{
    struct Job
    {
        quint64 id = 0;
        qint32 lot = 0;
        QString folder;
        QString explicitPath;
        QSize target;
    };

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> jobs;
    int workers = 0;
    int idle = 0;
    bool stopping = false;
    // Null once the loader is gone: results are then dropped.
    LotPictureLoader* receiver = nullptr;
    Decoder decoder;

    // Only one worker at a time reads the folder; the interface thread never waits for it.
    std::mutex finderMutex;
    LotPictureFinder finder;
};

LotPictureLoader::LotPictureLoader(QObject* parent) : QObject(parent), m_shared(std::make_shared<Shared>())
{
    m_shared->receiver = this;
}

LotPictureLoader::~LotPictureLoader()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->stopping = true;
    m_shared->receiver = nullptr;
    m_shared->jobs.clear();
    m_shared->changed.notify_all();
    m_shared->changed.wait_for(lock, std::chrono::milliseconds(StopWaitMs), [this] { return m_shared->workers == 0; });
}

void LotPictureLoader::setFolder(const QString& folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    Reload();
}

void LotPictureLoader::setPathLookup(PathLookup lookup)
{
    m_lookup = std::move(lookup);
    Reload();
}

void LotPictureLoader::setDecoder(Decoder decoder)
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->decoder = std::move(decoder);
}

void LotPictureLoader::Watch(const QObject* viewer)
{
    if (m_viewers.contains(viewer))
        return;
    connect(viewer, &QObject::destroyed, this, [this, viewer] { Forget(viewer); });
}

void LotPictureLoader::Show(const QObject* viewer, qint32 lot, const QSize& target, const QList<qint32>& neighbours)
{
    if (!viewer)
        return;
    Watch(viewer);
    Viewer& shown = m_viewers[viewer];
    QList<qint32> wanted{lot};
    for (qint32 neighbour : neighbours)
        if (!wanted.contains(neighbour))
            wanted.append(neighbour);
    shown.lots = wanted;
    if (!IsActive() || target.isEmpty() || target != shown.target) {
        Cancel(shown.entries);
        shown.entries.clear();
        shown.target = target;
        if (!IsActive() || target.isEmpty())
            return;
    }
    QList<Entry> kept;
    for (qint32 want : wanted) {
        const auto found = std::find_if(shown.entries.cbegin(), shown.entries.cend(),
                                        [want](const Entry& entry) { return entry.lot == want; });
        if (found != shown.entries.cend())
            kept.append(*found);
        else
            kept.append({want, Request(want, target, want == lot), false, {}});
    }
    QList<Entry> dropped;
    for (const Entry& entry : std::as_const(shown.entries))
        if (!wanted.contains(entry.lot))
            dropped.append(entry);
    Cancel(dropped);
    shown.entries = kept;

    // The lot on show goes before whatever is fetched ahead.
    const Entry& current = shown.entries.first();
    if (!current.done) {
        const std::lock_guard lock(m_shared->mutex);
        auto& jobs = m_shared->jobs;
        const auto queued = std::find_if(jobs.begin(), jobs.end(),
                                         [&current](const Shared::Job& job) { return job.id == current.job; });
        if (queued != jobs.end() && queued != jobs.begin()) {
            Shared::Job job = std::move(*queued);
            jobs.erase(queued);
            jobs.push_front(std::move(job));
        }
    }
}

quint64 LotPictureLoader::Request(qint32 lot, const QSize& target, bool first)
{
    Shared::Job job{m_nextJob++, lot, m_folder, m_lookup ? m_lookup(lot) : QString(), target};
    const quint64 id = job.id;
    const std::lock_guard lock(m_shared->mutex);
    if (first)
        m_shared->jobs.push_front(std::move(job));
    else
        m_shared->jobs.push_back(std::move(job));
    if (m_shared->jobs.size() > static_cast<size_t>(m_shared->idle) && m_shared->workers < MaxWorkers) {
        ++m_shared->workers;
        ++m_shared->idle;
        std::thread(&LotPictureLoader::Work, m_shared).detach();
    }
    m_shared->changed.notify_one();
    return id;
}

void LotPictureLoader::Cancel(const QList<Entry>& entries)
{
    if (entries.isEmpty())
        return;
    const std::lock_guard lock(m_shared->mutex);
    auto& jobs = m_shared->jobs;
    for (const Entry& entry : entries)
        if (!entry.done)
            jobs.erase(std::remove_if(jobs.begin(), jobs.end(),
                                      [&entry](const Shared::Job& job) { return job.id == entry.job; }),
                       jobs.end());
}

void LotPictureLoader::Work(std::shared_ptr<Shared> shared)
{
    // Decoding a 24-megapixel photo takes a processor for a while: the board's frames go first.
    ThreadPriority::YieldToInterface();
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->changed.wait(lock, [&shared] { return shared->stopping || !shared->jobs.empty(); });
        if (shared->stopping)
            break;
        const Shared::Job job = std::move(shared->jobs.front());
        shared->jobs.pop_front();
        --shared->idle;
        const Decoder decoder = shared->decoder;
        lock.unlock();

        QStringList candidates;
        {
            const std::lock_guard finding(shared->finderMutex);
            shared->finder.setFolder(job.folder);
            candidates = shared->finder.Candidates(job.lot, job.explicitPath);
        }
        QImage image;
        for (const QString& path : candidates.mid(0, MaxTries)) {
            image = decoder ? decoder(path, job.target) : Decode(path, job.target);
            if (!image.isNull())
                break;
        }

        lock.lock();
        ++shared->idle;
        if (LotPictureLoader* receiver = shared->receiver)
            QMetaObject::invokeMethod(
                receiver, [receiver, id = job.id, image] { receiver->Finished(id, image); }, Qt::QueuedConnection);
    }
    --shared->workers;
    shared->changed.notify_all();
}

void LotPictureLoader::Finished(quint64 job, const QImage& image)
{
    for (Viewer& viewer : m_viewers)
        for (Entry& entry : viewer.entries)
            if (entry.job == job && !entry.done) {
                entry.done = true;
                entry.image = image;
                emit ready(entry.lot, image);
                return;
            }
}

QImage LotPictureLoader::Picture(const QObject* viewer, qint32 lot) const
{
    const auto shown = m_viewers.constFind(viewer);
    if (shown == m_viewers.cend())
        return {};
    for (const Entry& entry : shown->entries)
        if (entry.lot == lot)
            return entry.image;
    return {};
}

bool LotPictureLoader::IsPending(const QObject* viewer, qint32 lot) const
{
    const auto shown = m_viewers.constFind(viewer);
    if (shown == m_viewers.cend())
        return false;
    for (const Entry& entry : shown->entries)
        if (entry.lot == lot)
            return !entry.done;
    return false;
}

void LotPictureLoader::Forget(const QObject* viewer)
{
    const auto shown = m_viewers.find(viewer);
    if (shown == m_viewers.end())
        return;
    Cancel(shown->entries);
    m_viewers.erase(shown);
}

void LotPictureLoader::Reload()
{
    const QList<const QObject*> viewers = m_viewers.keys();
    for (const QObject* viewer : viewers) {
        Viewer& shown = m_viewers[viewer];
        Cancel(shown.entries);
        shown.entries.clear();
        const QList<qint32> lots = shown.lots;
        if (!lots.isEmpty())
            Show(viewer, lots.first(), shown.target, lots.mid(1));
    }
}

qsizetype LotPictureLoader::KeptCount() const
{
    qsizetype count = 0;
    for (const Viewer& viewer : m_viewers)
        for (const Entry& entry : viewer.entries)
            if (!entry.image.isNull())
                ++count;
    return count;
}

QImage LotPictureLoader::Decode(const QString& path, const QSize& target, qint64 maxPixels)
{
    if (path.isEmpty() || target.isEmpty())
        return {};
    // Opened without waiting and taken only when it is a regular file: a pipe named like a
    // picture would otherwise hold the worker until someone writes to it.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return {};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }

    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty() || qint64{stored.width()} * stored.height() > maxPixels)
        return {};
    // What is let through decodes whole in formats that cannot scale while decoding.
    constexpr qint64 BytesPerPixel = 4;
    constexpr qint64 Megabyte = 1024 * 1024;
    reader.setAllocationLimit(
        static_cast<int>(std::max<qint64>(reader.allocationLimit(), maxPixels * BytesPerPixel / Megabyte + 1)));
    // The size is the picture's as stored; it is turned after decoding.
    QSize box = target;
    if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90))
        box.transpose();
    const QSize fitted = stored.scaled(box, Qt::KeepAspectRatio);
    if (fitted.isEmpty())
        return {};
    if (fitted.width() < stored.width())
        reader.setScaledSize(fitted);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return {};
    const QSize shown = image.size().scaled(target, Qt::KeepAspectRatio);
    if (image.size() != shown && !shown.isEmpty())
        image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Drawn as it is, with no conversion on the interface thread.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return image;
}

QRect LotPictureLoader::Fitted(const QImage& picture, const QRect& area)
{
    QRect target(QPoint(), picture.deviceIndependentSize().toSize().scaled(area.size(), Qt::KeepAspectRatio));
    target.moveCenter(area.center());
    return target;
}
