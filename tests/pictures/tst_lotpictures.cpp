// Lot pictures without windows: which files a lot takes, what a file decodes to, and how the
// loader keeps, drops and gives up its pictures.
#include "pictures/LotPictureFinder.h"
#include "pictures/LotPictureLoader.h"
#include "pictures/PictureSettings.h"
#include "records/SettingsStore.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QImageWriter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include <sys/stat.h>

namespace {

const QSize Screen(400, 400);

// Left half red, right half blue: which way up a picture came out shows in its corners.
QImage TwoColours(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    return writer.write(image) ? bytes : QByteArray();
}

// A JPEG with an EXIF segment whose orientation tag asks for a turn (6: a quarter turn clockwise).
QByteArray JpegWithOrientation(const QImage& image, quint16 orientation)
{
    const QByteArray jpeg = Encode(image, "jpeg");
    QByteArray tiff("MM\0*\0\0\0\x08", 8);
    tiff += QByteArray("\0\x01", 2);                   // one entry
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8); // orientation, SHORT, count 1
    tiff += char(orientation >> 8);
    tiff += char(orientation & 0xff);
    tiff += QByteArray("\0\0", 2);
    tiff += QByteArray("\0\0\0\0", 4); // no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(payload.size()) + 2;
    QByteArray segment("\xff\xe1", 2);
    segment += char(length >> 8);
    segment += char(length & 0xff);
    segment += payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xffffffffu;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray BigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (24 - 8 * i)) & 0xff);
    return bytes;
}

// A PNG signature and header for a picture of width × height, and nothing of the picture.
QByteArray PngHeaderOnly(quint32 width, quint32 height)
{
    const QByteArray header =
        QByteArray("IHDR") + BigEndian(width) + BigEndian(height) + QByteArray("\x08\x02\0\0\0", 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += BigEndian(13) + header + BigEndian(Crc32(header));
    const QByteArray data = QByteArray("IDAT") + QByteArray("\x78\x9c\x01\x00\x00\xff\xff", 7);
    png += BigEndian(quint32(data.size() - 4)) + data + BigEndian(Crc32(data));
    png += BigEndian(0) + QByteArray("IEND") + BigEndian(Crc32("IEND"));
    return png;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool IsRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

bool IsBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 60 && qGreen(pixel) < 60;
}

// A decoder that holds its worker until released, as a read from a hung mount does.
struct Gate
{
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    std::atomic<int> entered{0};
    std::atomic<int> left{0};

    LotPictureLoader::Decoder Decoder(const QString& blockedName, std::shared_ptr<Gate> self)
    {
        return [self, blockedName](const QString& path, const QSize& target) {
            if (path.endsWith(blockedName)) {
                ++self->entered;
                std::unique_lock lock(self->mutex);
                self->opened.wait(lock, [&self] { return self->open; });
                ++self->left;
            }
            return LotPictureLoader::Decode(path, target);
        };
    }
    void Open()
    {
        const std::lock_guard lock(mutex);
        open = true;
        opened.notify_all();
    }
};

} // namespace

class tst_LotPictures : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void lotOfFileName_data();
    void lotOfFileName();
    void candidatesInOrder();
    void explicitPathWins();
    void pipesAreNotListed();
    void vanishedFolderHasNoPictures();

    void decode_data();
    void decode();
    void refusedByHeaderSize();

    void prefetchedNeighbourIsThereAtOnce();
    void keepsOnlyCurrentAndNeighbours();
    void damagedFirstFileIsSkipped();
    void quickStepsDropQueuedWork();
    void blockedWorkerHoldsUpNeitherBoardNorEnd();
    void folderRemovedUnderTheLoader();

    void settingStoredOnlyWhenChosen();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString path(const char* name) const { return path(QString::fromLatin1(name)); }
    void writePng(const QString& name, int width = 80, int height = 40)
    {
        QVERIFY(Write(path(name), Encode(TwoColours(width, height), "png")));
    }
    void writePng(const char* name, int width = 80, int height = 40)
    {
        writePng(QString::fromLatin1(name), width, height);
    }
    // Waits for lot's picture to arrive for viewer.
    bool waitReady(LotPictureLoader& loader, const QObject* viewer, qint32 lot)
    {
        return QTest::qWaitFor([&] { return !loader.IsPending(viewer, lot); }, 10000);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_LotPictures::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_LotPictures::lotOfFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint32>("lot");
    QTest::newRow("plain") << QStringLiteral("12.jpg") << 12;
    QTest::newRow("zero-padded, upper case") << QStringLiteral("0012.JPG") << 12;
    QTest::newRow("lettered") << QStringLiteral("12a.jpeg") << 12;
    QTest::newRow("lettered, upper case") << QStringLiteral("12B.WebP") << 12;
    QTest::newRow("lot zero") << QStringLiteral("0.png") << 0;
    QTest::newRow("zeros only") << QStringLiteral("000.png") << 0;
    QTest::newRow("not a picture extension") << QStringLiteral("12.txt") << -1;
    QTest::newRow("letter first") << QStringLiteral("a12.jpg") << -1;
    QTest::newRow("dash") << QStringLiteral("12-1.jpg") << -1;
    QTest::newRow("two extensions") << QStringLiteral("12.tar.jpg") << -1;
    QTest::newRow("above the largest lot") << QStringLiteral("10000.jpg") << -1;
    QTest::newRow("digits beyond an int") << QStringLiteral("99999999999999.jpg") << -1;
    QTest::newRow("no name") << QStringLiteral(".jpg") << -1;
}

void tst_LotPictures::lotOfFileName()
{
    QFETCH(QString, name);
    QFETCH(qint32, lot);
    QCOMPARE(LotPictureFinder::LotOfFileName(name), lot);
}

void tst_LotPictures::candidatesInOrder()
{
    for (const char* name : {"12b.WEBP", "12a.jpg", "0012.PNG", "12.jpg", "120.jpg", "112.jpg", "12.txt", "note.jpg"})
        QVERIFY(Write(path(QString::fromLatin1(name)), "x"));
    LotPictureFinder finder(m_dir->path());
    QCOMPARE(finder.Candidates(12), QStringList({path("12.jpg"), path("0012.PNG"), path("12a.jpg"), path("12b.WEBP")}));
    QCOMPARE(finder.Candidates(120), QStringList{path("120.jpg")});
    QCOMPARE(finder.Candidates(1), QStringList());
}

void tst_LotPictures::explicitPathWins()
{
    writePng("12.png");
    LotPictureFinder finder(m_dir->path());
    QCOMPARE(finder.Find(12, QStringLiteral("/elsewhere/ring.png")), QStringLiteral("/elsewhere/ring.png"));
    QCOMPARE(finder.Find(12), path("12.png"));
}

void tst_LotPictures::pipesAreNotListed()
{
    QCOMPARE(::mkfifo(QFile::encodeName(path("12.jpg")).constData(), 0600), 0);
    writePng("12a.png");
    LotPictureFinder finder(m_dir->path());
    QCOMPARE(finder.Candidates(12), QStringList{path("12a.png")});
    // Named by the lot itself, the pipe is refused without waiting for a writer.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(LotPictureLoader::Decode(path("12.jpg"), Screen).isNull());
    QVERIFY(clock.elapsed() < 2000);
}

void tst_LotPictures::vanishedFolderHasNoPictures()
{
    writePng("12.png");
    LotPictureFinder finder(m_dir->path());
    QCOMPARE(finder.Find(12), path("12.png"));
    QVERIFY(m_dir->remove());
    finder.Invalidate();
    QCOMPARE(finder.Find(12), QString());
}

void tst_LotPictures::decode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    // Expected size; 0 × 0: no picture.
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("redOnTop");

    const QImage wide = TwoColours(200, 100);
    const QByteArray png = Encode(wide, "png");
    QTest::newRow("png fitted up") << QStringLiteral("12.png") << png << QSize(400, 200) << false;
    QTest::newRow("large png fitted down")
        << QStringLiteral("12.png") << Encode(TwoColours(2000, 500), "png") << QSize(400, 100) << false;
    QTest::newRow("jpeg turned by its EXIF orientation")
        << QStringLiteral("12.jpg") << JpegWithOrientation(wide, 6) << QSize(200, 400) << true;
    QTest::newRow("large jpeg turned, scaled while decoding")
        << QStringLiteral("12.jpg") << JpegWithOrientation(TwoColours(1600, 800), 6) << QSize(200, 400) << true;
    QTest::newRow("webp") << QStringLiteral("12.webp") << Encode(wide, "webp") << QSize(400, 200) << false;
    QTest::newRow("truncated png") << QStringLiteral("12.png") << png.left(png.size() / 2) << QSize(0, 0) << false;
    QTest::newRow("text named jpg") << QStringLiteral("12.jpg") << QByteArray("Lot 12: a ring\n") << QSize(0, 0)
                                    << false;
    QTest::newRow("empty file") << QStringLiteral("12.jpg") << QByteArray() << QSize(0, 0) << false;
    QTest::newRow("200 megapixels by its header")
        << QStringLiteral("12.png") << PngHeaderOnly(20000, 10000) << QSize(0, 0) << false;
}

void tst_LotPictures::decode()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(bool, redOnTop);
    QVERIFY(QImageWriter::supportedImageFormats().contains("webp"));
    QVERIFY(Write(path(name), bytes));
    if (QTest::currentDataTag() == QByteArrayLiteral("200 megapixels by its header"))
        QCOMPARE(QImageReader(path(name)).size(), QSize(20000, 10000));
    const QImage image = LotPictureLoader::Decode(path(name), Screen);
    QCOMPARE(image.size(), size);
    if (image.isNull())
        return;
    const QRgb topLeft = image.pixel(5, 5);
    const QRgb bottomRight = image.pixel(image.width() - 5, image.height() - 5);
    QVERIFY(IsRed(topLeft));
    QVERIFY(IsBlue(bottomRight));
    // Turned: red above blue; as stored: red beside blue.
    QCOMPARE(IsRed(image.pixel(image.width() - 5, 5)), redOnTop);
}

void tst_LotPictures::refusedByHeaderSize()
{
    writePng("12.png", 200, 100);
    QVERIFY(LotPictureLoader::Decode(path("12.png"), Screen, 19999).isNull());
    QVERIFY(!LotPictureLoader::Decode(path("12.png"), Screen, 20000).isNull());
    QVERIFY(LotPictureLoader::Decode(path("missing.png"), Screen).isNull());
}

void tst_LotPictures::prefetchedNeighbourIsThereAtOnce()
{
    for (int lot = 1; lot <= 3; ++lot)
        writePng(QStringLiteral("%1.png").arg(lot));
    LotPictureLoader loader;
    loader.setFolder(m_dir->path());
    QObject viewer;
    QSignalSpy ready(&loader, &LotPictureLoader::ready);
    loader.Show(&viewer, 2, Screen, {3, 1});
    QVERIFY(QTest::qWaitFor([&] { return ready.size() == 3; }, 10000));
    loader.Show(&viewer, 3, Screen, {2});
    QCOMPARE(loader.Picture(&viewer, 3).size(), QSize(400, 200));
    QVERIFY(!loader.IsPending(&viewer, 3));
    // Lot 4 has no file: it is looked for and found missing.
    loader.Show(&viewer, 4, Screen, {3});
    QVERIFY(waitReady(loader, &viewer, 4));
    QVERIFY(loader.Picture(&viewer, 4).isNull());
    QCOMPARE(ready.last().at(0).toInt(), 4);
}

void tst_LotPictures::keepsOnlyCurrentAndNeighbours()
{
    for (int lot = 1; lot <= 8; ++lot)
        writePng(QStringLiteral("%1.png").arg(lot));
    LotPictureLoader loader;
    loader.setFolder(m_dir->path());
    QObject viewer;
    for (int lot = 1; lot <= 8; ++lot) {
        loader.Show(&viewer, lot, Screen, {lot + 1, lot - 1});
        QVERIFY(waitReady(loader, &viewer, lot));
        QVERIFY(loader.KeptCount() <= 3);
    }
    QVERIFY(waitReady(loader, &viewer, 7));
    QVERIFY(!loader.Picture(&viewer, 7).isNull());
    QVERIFY(loader.Picture(&viewer, 5).isNull());
    // Another size (the window was resized) drops the pictures made for the old one.
    loader.Show(&viewer, 8, QSize(100, 100), {7});
    QCOMPARE(loader.KeptCount(), 0);
    QVERIFY(waitReady(loader, &viewer, 8));
    QCOMPARE(loader.Picture(&viewer, 8).size(), QSize(100, 50));
    // A viewer that goes takes its pictures with it.
    loader.Forget(&viewer);
    QCOMPARE(loader.KeptCount(), 0);
}

void tst_LotPictures::damagedFirstFileIsSkipped()
{
    QVERIFY(Write(path("12.jpg"), "not a picture"));
    writePng("12a.png");
    LotPictureLoader loader;
    loader.setFolder(m_dir->path());
    QObject viewer;
    loader.Show(&viewer, 12, Screen);
    QVERIFY(waitReady(loader, &viewer, 12));
    QCOMPARE(loader.Picture(&viewer, 12).size(), QSize(400, 200));
}

void tst_LotPictures::quickStepsDropQueuedWork()
{
    for (int lot = 1; lot <= 30; ++lot)
        writePng(QStringLiteral("%1.png").arg(lot));
    LotPictureLoader loader;
    loader.setFolder(m_dir->path());
    auto decodes = std::make_shared<std::atomic<int>>(0);
    loader.setDecoder([decodes](const QString& file, const QSize& target) {
        ++*decodes;
        QThread::msleep(50);
        return LotPictureLoader::Decode(file, target);
    });
    QObject viewer;
    QSignalSpy ready(&loader, &LotPictureLoader::ready);
    for (int lot = 1; lot <= 30; ++lot)
        loader.Show(&viewer, lot, Screen, {lot + 1, lot - 1});
    QVERIFY(waitReady(loader, &viewer, 30));
    QVERIFY(waitReady(loader, &viewer, 29));
    QVERIFY(waitReady(loader, &viewer, 31));
    // At most the few started before the steps, then the last lot and its neighbours.
    QVERIFY2(*decodes <= 3 * LotPictureLoader::MaxWorkers, qPrintable(QString::number(*decodes)));
    // Results for lots passed over are not announced.
    for (const QList<QVariant>& signal : std::as_const(ready))
        QVERIFY(signal.at(0).toInt() >= 29);
    QCOMPARE(loader.Picture(&viewer, 30).size(), QSize(400, 200));
}

void tst_LotPictures::blockedWorkerHoldsUpNeitherBoardNorEnd()
{
    writePng("12.png");
    writePng("13.png");
    auto gate = std::make_shared<Gate>();
    QObject viewer;
    QElapsedTimer ending;
    {
        LotPictureLoader loader;
        loader.setFolder(m_dir->path());
        loader.setDecoder(gate->Decoder(QStringLiteral("/12.png"), gate));
        loader.Show(&viewer, 12, Screen);
        QVERIFY(QTest::qWaitFor([&] { return gate->entered == 1; }, 10000));
        // The next lot is still served by another worker while the first is stuck.
        loader.Show(&viewer, 13, Screen);
        QVERIFY(waitReady(loader, &viewer, 13));
        QVERIFY(!loader.Picture(&viewer, 13).isNull());
        ending.start();
    }
    // The loader's end did not wait for the stuck worker beyond its grace time.
    QVERIFY(ending.elapsed() < LotPictureLoader::StopWaitMs + 1500);
    QCOMPARE(gate->left.load(), 0);
    gate->Open();
    QVERIFY(QTest::qWaitFor([&] { return gate->left == 1; }, 10000));
    // The released worker finds its loader gone and ends without touching it.
    QTest::qWait(100);
}

void tst_LotPictures::folderRemovedUnderTheLoader()
{
    writePng("12.png");
    writePng("13.png");
    LotPictureLoader loader;
    loader.setFolder(m_dir->path());
    QObject viewer;
    loader.Show(&viewer, 12, Screen);
    QVERIFY(waitReady(loader, &viewer, 12));
    QVERIFY(!loader.Picture(&viewer, 12).isNull());
    QVERIFY(m_dir->remove());
    // Still listed from before, but gone: no picture, and the board goes on.
    loader.Show(&viewer, 13, Screen, {12});
    QVERIFY(waitReady(loader, &viewer, 13));
    QVERIFY(loader.Picture(&viewer, 13).isNull());
    QVERIFY(!loader.Picture(&viewer, 12).isNull());
}

void tst_LotPictures::settingStoredOnlyWhenChosen()
{
    MemorySettingsStore store;
    QCOMPARE(PictureSettings::Load(store).folder, QString());
    QVERIFY(!PictureSettings::IsStored(store));
    QVERIFY((PictureSettings{QStringLiteral(" /srv/photos ")}).Save(store));
    QCOMPARE(store.Get(QStringLiteral("LotPictures"), QStringLiteral("Folder"), {}), QStringLiteral(" /srv/photos "));
    QCOMPARE(PictureSettings::Load(store).folder, QStringLiteral("/srv/photos"));
}

QTEST_GUILESS_MAIN(tst_LotPictures)

#include "tst_lotpictures.moc"
