// The feed's pages in a real browser (Debian's headless Chromium) against the scoreboard on a
// private X server: a key pressed on the scoreboard through XTest changes what each page shows
// within a second, and the overlay is transparent outside its band.
#include "currency/CurrencyBoard.h"
#include "feed/LiveFeed.h"
#include "records/AppSettings.h"
#include "records/MoneyFormat.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"
#include "support/TestLots.h"
#include "support/XvfbServer.h"

#include "feed/ChromiumPage.h"

#include <QTest>

class tst_FeedBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pageFollowsTheKeys_data();
    void pageFollowsTheKeys();
    void overlayIsTransparentOutsideItsBand_data();
    void overlayIsTransparentOutsideItsBand();
    void conversionsOnlyWhenOn_data();
    void conversionsOnlyWhenOn();

private:
    // Presses a key on the scoreboard as the keyboard would (XTest).
    void pressKey(const char* key);
    QString address(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2%3code=%4")
            .arg(m_settings.port)
            .arg(path, path.contains(u'?') ? QStringLiteral("&") : QStringLiteral("?"), m_settings.accessCode);
    }

    MemorySettingsStore m_store;
    std::unique_ptr<AppSettings> m_app;
    std::unique_ptr<LiveFeed> m_feed;
    std::unique_ptr<frmScoreboard> m_board;
    FeedSettings m_settings;
    // One browser for every page, as a TV would keep one open.
    std::unique_ptr<ChromiumPage> m_page;
};

void tst_FeedBrowser::initTestCase()
{
    m_app = std::make_unique<AppSettings>(m_store);
    AddLots(*m_app->LotList, {{42, 9950, QStringLiteral("Walnut bureau with brass fittings, c. 1820")}});
    AddIncrements(*m_app->IncrementList, {{0, 50}});

    m_feed = std::make_unique<LiveFeed>(m_store);
    m_settings.enabled = true;
    m_settings.port = FeedTest::FreePort();
    m_settings.accessCode = QStringLiteral("BR0WSE");
    m_feed->Apply(m_settings);
    QVERIFY(m_feed->isServing());
    m_board = std::make_unique<frmScoreboard>(*m_app);
    m_board->setLiveFeed(m_feed.get(), {});
    m_board->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_board.get()));
    pressKey("Right");
    QTRY_COMPARE(m_feed->hub().CurrentState().lotNumber, 42);
    m_page = std::make_unique<ChromiumPage>();
    QVERIFY2(m_page->Open(QStringLiteral("about:blank"), 1920, 1080), qPrintable(m_page->error()));
}

void tst_FeedBrowser::cleanupTestCase()
{
    m_page.reset();
    m_board.reset();
    m_feed.reset();
}

void tst_FeedBrowser::pressKey(const char* key)
{
    const QString window = QString::number(m_board->winId());
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window,
                                              QStringLiteral("key"), QLatin1String(key)});
    xdotool.waitForFinished(5000);
    // The key reaches the window through this process's event loop.
    QTest::qWait(50);
}

void tst_FeedBrowser::pageFollowsTheKeys_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    const QString text = QStringLiteral("document.getElementById('%1').textContent");
    QTest::newRow("phone") << QStringLiteral("/") << text.arg(QStringLiteral("amount"));
    QTest::newRow("overlay") << QStringLiteral("/overlay") << text.arg(QStringLiteral("amount"));
    QTest::newRow("board") << QStringLiteral("/board") << text.arg(QStringLiteral("spoken"));
}

void tst_FeedBrowser::pageFollowsTheKeys()
{
    QFETCH(QString, path);
    QFETCH(QString, shown);
    ChromiumPage& page = *m_page;
    page.Navigate(address(path));
    const qint32 before = m_feed->hub().CurrentState().amount;
    auto showing = [&](qint32 amount) {
        return QStringLiteral("(%1).indexOf('%2') >= 0").arg(shown, MoneyFormat().Text(amount));
    };
    const QString here = QStringLiteral("location.pathname === '%1' && ").arg(path);
    QVERIFY2(page.WaitUntil(here + showing(before), 10000), qPrintable(page.Evaluate(shown).toString()));
    pressKey("Up");
    const qint32 after = m_feed->hub().CurrentState().amount;
    QCOMPARE(after, before + 50);
    QElapsedTimer timer;
    timer.start();
    QVERIFY2(page.WaitUntil(showing(after), 1000), qPrintable(page.Evaluate(shown).toString()));
    qDebug("%s showed the new amount after %lld ms", qPrintable(path), timer.elapsed());
    // For the documentation: GAVELOR_FEED_SHOTS names a folder for a picture of each page.
    const QString shots = qEnvironmentVariable("GAVELOR_FEED_SHOTS");
    if (!shots.isEmpty()) {
        const bool phone = path == QStringLiteral("/");
        page.Screenshot(phone ? 360 : 1920, phone ? 740 : 1080)
            .save(QStringLiteral("%1/feed-%2.png").arg(shots, QString::fromLatin1(QTest::currentDataTag())));
    }
}

void tst_FeedBrowser::overlayIsTransparentOutsideItsBand_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("bandY");
    QTest::addColumn<int>("clearY");
    QTest::newRow("bottom") << QStringLiteral("/overlay") << 960 << 200;
    QTest::newRow("top") << QStringLiteral("/overlay?position=top") << 120 << 900;
    QTest::newRow("half size") << QStringLiteral("/overlay?scale=0.5") << 480 << 900;
}

void tst_FeedBrowser::overlayIsTransparentOutsideItsBand()
{
    QFETCH(QString, path);
    QFETCH(int, bandY);
    QFETCH(int, clearY);
    ChromiumPage& page = *m_page;
    page.Navigate(address(path));
    QVERIFY(page.WaitUntil(QStringLiteral("window.gavelorState !== undefined"), 10000));
    const QImage shot = page.Screenshot(1920, 1080).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shot.size(), QSize(1920, 1080));
    for (int x : {10, 400, 960, 1500, 1910})
        QCOMPARE(qAlpha(shot.pixel(x, clearY)), 0);
    QCOMPARE(qAlpha(shot.pixel(0, 0)), 0);
    QVERIFY(qAlpha(shot.pixel(path.contains(QStringLiteral("0.5")) ? 300 : 600, bandY)) > 200);
}

GAVELOR_XVFB_TEST_MAIN(tst_FeedBrowser,
                       {QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1920x1080x24")})
// The phone page, the stream's overlay and the board page show the bid in the board's eight
// currencies while the currency board is on, and nothing of it while it is off. On the board
// page the strip lies whole between the amount and the note, and the note still fits.
void tst_FeedBrowser::conversionsOnlyWhenOn_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("off");
    QTest::addColumn<QString>("laidOut");
    QTest::newRow("phone") << QStringLiteral("/")
                           << QStringLiteral("document.getElementById('conversions').hidden ? '' : "
                                             "document.getElementById('conversionLines').textContent")
                           << QStringLiteral("document.getElementById('conversions').hidden") << QStringLiteral("true");
    QTest::newRow("overlay") << QStringLiteral("/overlay")
                             << QStringLiteral("document.getElementById('conversions').textContent")
                             << QStringLiteral("document.getElementById('conversions').textContent === ''")
                             << QStringLiteral("true");
    QTest::newRow("board") << QStringLiteral("/board")
                           << QStringLiteral("document.getElementById('conversions').getAttribute('visibility') === "
                                             "'hidden' ? '' : document.getElementById('conversions').textContent")
                           << QStringLiteral("document.getElementById('conversions').getAttribute('visibility') === "
                                             "'hidden' && document.querySelector('foreignObject').getAttribute('y') "
                                             "=== '4680'")
                           << QStringLiteral("(function () { var strip = document.getElementById('conversions')"
                                             ".getBBox(), box = document.querySelector('foreignObject'), "
                                             "note = box.firstChild; return strip.y >= 4395 && strip.y + "
                                             "strip.height <= +box.getAttribute('y') && strip.x >= 60 && strip.x + "
                                             "strip.width <= 9435 && note.scrollHeight <= note.clientHeight; })()");
}

void tst_FeedBrowser::conversionsOnlyWhenOn()
{
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QFETCH(QString, off);
    QFETCH(QString, laidOut);
    ChromiumPage& page = *m_page;
    page.Navigate(address(path));
    CurrencyBoard board;
    board.enabled = true;
    board.saleCode = QStringLiteral("USD");
    board.lines = {{QStringLiteral("EUR"), QStringLiteral("€"), 2000000, 1},
                   {QStringLiteral("GBP"), QStringLiteral("£"), 790000, 1},
                   {QStringLiteral("CHF"), QStringLiteral("CHF"), 880000, 10},
                   {QStringLiteral("JPY"), QStringLiteral("¥"), 151000000, 1000},
                   {QStringLiteral("CNY"), QStringLiteral("¥"), 7200000, 10},
                   {QStringLiteral("HKD"), QStringLiteral("HK$"), 7800000, 10},
                   {QStringLiteral("SEK"), QStringLiteral("kr"), 10500000, 10},
                   {QStringLiteral("AUD"), QStringLiteral("A$"), 1520000, 1}};
    m_board->sale().SetCurrencyBoard(board);
    const QString expected = QStringLiteral("≈ EUR € ") + MoneyFormat().Grouped(2 * m_board->sale().Amount());
    QVERIFY2(page.WaitUntil(QStringLiteral("(%1).startsWith('%2')").arg(shown, expected), 10000),
             qPrintable(page.Evaluate(shown).toString()));
    QVERIFY(page.Evaluate(laidOut).toBool());
    board.enabled = false;
    m_board->sale().SetCurrencyBoard(board);
    QVERIFY(page.WaitUntil(off, 10000));
}

#include "tst_feedbrowser_xvfb.moc"
