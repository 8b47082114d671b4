// The lot's picture on the audience screen, on a real X server: one wide Xvfb screen split into
// the operator's monitor and the room's. What is checked is what the server holds.
#include "common/Prompts.h"
#include "pictures/LotPictureLoader.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"
#include "support/ScreenPixels.h"
#include "support/TestLots.h"
#include "support/XClients.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

#include <sys/stat.h>

namespace {

using namespace ScreenPixels;

const QColor Magenta(255, 0, 255);

} // namespace

class tst_PicturesXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { cleanup(); }

    void pictureFillsItsRoomAndOnlyThere();
    void pipeNamedLikeAPictureDoesNotStallTheBoard();
    void stepDropsThePreviousPictureAtOnce();

private:
    void press(Qt::Key key) { QTest::keyClick(m_window->focusWidget(), key); }
    frmAudience* openAudience();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<LotPictureLoader> m_pictures;
    std::unique_ptr<frmScoreboard> m_window;
};

void tst_PicturesXvfb::initTestCase()
{
    Prompts::setTestMode(true);
    QVERIFY(SetMonitors({1920, 1080}, {1920, 1080}));
    QTRY_COMPARE(QGuiApplication::screens().size(), 2);
}

void tst_PicturesXvfb::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QImage photo(1200, 900, QImage::Format_RGB32);
    photo.fill(Magenta);
    QVERIFY(photo.save(m_dir->filePath(QStringLiteral("12.png"))));
    QVERIFY(photo.save(m_dir->filePath(QStringLiteral("0014.jpg")), "jpeg", 95));
    // Whoever opens this waits for a writer that never comes.
    QCOMPARE(::mkfifo(QFile::encodeName(m_dir->filePath(QStringLiteral("13.jpg"))).constData(), 0600), 0);

    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
    AddLots(*m_settings->LotList, {{12, 95}, {13, 100}, {14, 150}});
    m_pictures = std::make_unique<LotPictureLoader>();
    m_pictures->setFolder(m_dir->path());
    m_window = std::make_unique<frmScoreboard>(*m_settings);
    m_window->setLotPictures(m_pictures.get());
    m_window->move(100, 100);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_PicturesXvfb::cleanup()
{
    m_window.reset();
    m_pictures.reset();
    m_settings.reset();
    m_store.reset();
    m_dir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

frmAudience* tst_PicturesXvfb::openAudience()
{
    press(Qt::Key_F12);
    frmAudience* audience = m_window->audience();
    if (audience && QTest::qWaitForWindowExposed(audience))
        QTest::qWait(100);
    return audience;
}

void tst_PicturesXvfb::pictureFillsItsRoomAndOnlyThere()
{
    frmAudience* audience = openAudience();
    QVERIFY(audience);
    const QRect room = audience->lotPictureArea();
    QVERIFY(!room.isEmpty());
    press(Qt::Key_Right);
    QTRY_VERIFY(!audience->lotPicture().isNull());

    // 4:3 fitted into the room without distortion: the full height or the full width, centred.
    const QImage inRoom = Shot(audience, room);
    const QImage whole = Shot(audience, audience->rect());
    const qsizetype drawn = CountNear(inRoom, Magenta);
    const QSize fitted = QSize(1200, 900).scaled(room.size(), Qt::KeepAspectRatio);
    QVERIFY2(qAbs(drawn - qsizetype(fitted.width()) * fitted.height()) <= 4 * (fitted.width() + fitted.height()),
             qPrintable(QStringLiteral("%1 of %2x%3").arg(drawn).arg(fitted.width()).arg(fitted.height())));
    QCOMPARE(CountNear(whole, Magenta), drawn);
    QCOMPARE(inRoom.pixelColor(inRoom.width() / 2, inRoom.height() / 2), Magenta);
    // The operator's board shows no picture.
    QCOMPARE(CountNear(Shot(m_window.get(), m_window->rect()), Magenta), 0);
}

void tst_PicturesXvfb::pipeNamedLikeAPictureDoesNotStallTheBoard()
{
    frmAudience* audience = openAudience();
    QVERIFY(audience);
    auto* lot = audience->findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    press(Qt::Key_Right);
    QTRY_VERIFY(!audience->lotPicture().isNull());
    press(Qt::Key_Right);
    QCOMPARE(lot->Caption(), 13);
    QTest::qWait(300);
    QVERIFY(audience->lotPicture().isNull());
    QCOMPARE(CountNear(Shot(audience, audience->lotPictureArea()), Magenta), 0);
    // Lot 14's zero-padded JPEG comes as usual.
    press(Qt::Key_Right);
    QCOMPARE(lot->Caption(), 14);
    QTRY_VERIFY(!audience->lotPicture().isNull());
    QTRY_VERIFY(CountNear(Shot(audience, audience->lotPictureArea()), Magenta) > 0);
}

void tst_PicturesXvfb::stepDropsThePreviousPictureAtOnce()
{
    // Lot 13's file takes its time: lot 12's picture must not stand in for it meanwhile.
    m_pictures->setDecoder([](const QString& path, const QSize& target) {
        if (path.endsWith(QStringLiteral("0014.jpg")))
            QThread::msleep(1500);
        return LotPictureLoader::Decode(path, target);
    });
    frmAudience* audience = openAudience();
    QVERIFY(audience);
    press(Qt::Key_Right);
    QTRY_VERIFY(!audience->lotPicture().isNull());
    QTest::qWait(100);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    auto* lot = audience->findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    QCOMPARE(lot->Caption(), 14);
    QVERIFY(audience->lotPicture().isNull());
    QCOMPARE(CountNear(Shot(audience, audience->lotPictureArea()), Magenta), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!audience->lotPicture().isNull(), 10000);
}

GAVELOR_XVFB_TEST_MAIN(tst_PicturesXvfb,
                       (QStringList{QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("3840x1080x24"),
                                    QStringLiteral("-dpi"), QStringLiteral("96")}))

#include "tst_pictures_xvfb.moc"
