// The live feed as the operator meets it: off by default with no port open and nothing stored,
// turned on and off on the options' Live Feed tab, the board's keys reaching the feed, F9's
// window with its QR code read back by a real decoder.
#include "common/Prompts.h"
#include "feed/FeedSettings.h"
#include "feed/LiveFeed.h"
#include "feed/frmLiveFeed.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmOptions.h"
#include "support/TestLots.h"

#include "feed/FeedTestClient.h"

#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace FeedTest;

namespace {

// The TCP ports listened on, as ss reports them.
QByteArray ListeningPorts()
{
    QProcess ss;
    ss.start(QStringLiteral("ss"), {QStringLiteral("-Hltn")});
    ss.waitForFinished(5000);
    return ss.readAllStandardOutput();
}

bool Listens(quint16 port)
{
    return ListeningPorts().contains(':' + QByteArray::number(port) + ' ');
}

} // namespace

class tst_FeedOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void offByDefault();
    void neverTurnedOnStoresNothing();
    void turnedOnServesAndStores();
    void newCodeAsksFirst_data();
    void newCodeAsksFirst();
    void boardKeysReachTheFeed();
    void windowShowsCodeThatScans();

private:
    // Opens the options on the Live Feed tab, lets work change it, and presses OK.
    void editOptions(const std::function<void(QWidget* tab)>& work);

    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
};

void tst_FeedOptions::init()
{
    Prompts::clear();
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
}

void tst_FeedOptions::editOptions(const std::function<void(QWidget* tab)>& work)
{
    frmOptions dialog(*m_settings, nullptr);
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    QWidget* tab = dialog.findChild<QWidget*>(QStringLiteral("tabLiveFeed"));
    QVERIFY(tab);
    tabs->setCurrentWidget(tab);
    work(tab);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
}

void tst_FeedOptions::offByDefault()
{
    const FeedSettings settings = FeedSettings::Load(*m_store);
    QVERIFY(!settings.enabled);
    QCOMPARE(settings.port, quint16(8765));
    LiveFeed feed(*m_store);
    feed.Reload();
    feed.Publish({});
    QVERIFY(!feed.isServing());
    QVERIFY(!Listens(FeedSettings::DefaultPort));
}

void tst_FeedOptions::neverTurnedOnStoresNothing()
{
    // The tab shows a code and a port, but a user who leaves the feed off stores none of it.
    editOptions([](QWidget* tab) {
        QVERIFY(!tab->findChild<QLabel*>(QStringLiteral("lblCodeValue"))->text().isEmpty());
        QVERIFY(!tab->findChild<QCheckBox*>(QStringLiteral("chkFeedOn"))->isChecked());
    });
    QVERIFY(m_store->GetAll(FeedSettings::Section).isEmpty());
    QVERIFY(m_store->commitCount() > 0);
}

void tst_FeedOptions::turnedOnServesAndStores()
{
    const quint16 port = FreePort();
    QString code;
    editOptions([&](QWidget* tab) {
        tab->findChild<QCheckBox*>(QStringLiteral("chkFeedOn"))->setChecked(true);
        tab->findChild<QSpinBox*>(QStringLiteral("txtPort"))->setValue(port);
        code = tab->findChild<QLabel*>(QStringLiteral("lblCodeValue"))->text();
    });
    QVERIFY(FeedSettings::IsAccessCode(code));
    QCOMPARE(m_store->Get(FeedSettings::Section, QStringLiteral("Enabled"), {}), QStringLiteral("1"));
    QCOMPARE(m_store->Get(FeedSettings::Section, QStringLiteral("Port"), {}), QString::number(port));
    QCOMPARE(m_store->Get(FeedSettings::Section, QStringLiteral("AccessCode"), {}), code);

    LiveFeed feed(*m_store);
    feed.Reload();
    QVERIFY(feed.isServing());
    QVERIFY(Listens(port));
    QCOMPARE(Get(port, "/state?code=" + code.toLatin1()).status, 200);

    // Turned off again: the port closes, the code stays for next time.
    editOptions([](QWidget* tab) { tab->findChild<QCheckBox*>(QStringLiteral("chkFeedOn"))->setChecked(false); });
    QCOMPARE(m_store->Get(FeedSettings::Section, QStringLiteral("Enabled"), {}), QStringLiteral("0"));
    QCOMPARE(m_store->Get(FeedSettings::Section, QStringLiteral("AccessCode"), {}), code);
    feed.Reload();
    QVERIFY(!feed.isServing());
    QVERIFY(!Listens(port));
}

void tst_FeedOptions::newCodeAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void tst_FeedOptions::newCodeAsksFirst()
{
    QFETCH(bool, yes);
    FeedSettings stored;
    stored.enabled = true;
    stored.accessCode = QStringLiteral("ABCDEF");
    stored.port = FreePort();
    QVERIFY(stored.Save(*m_store));
    editOptions([&](QWidget* tab) {
        Prompts::queueAnswer(yes ? Prompts::Answer::Yes : Prompts::Answer::No);
        QTest::mouseClick(tab->findChild<QPushButton*>(QStringLiteral("cmdNewCode")), Qt::LeftButton);
    });
    QCOMPARE(Prompts::asked().size(), 1);
    const QString code = m_store->Get(FeedSettings::Section, QStringLiteral("AccessCode"), {});
    QVERIFY(FeedSettings::IsAccessCode(code));
    QCOMPARE(code == QStringLiteral("ABCDEF"), !yes);
}

void tst_FeedOptions::boardKeysReachTheFeed()
{
    AddLots(*m_settings->LotList, {{101, 500, QStringLiteral("Lot note 1")},
                                   {102, 1000, QStringLiteral("Lot note 2")},
                                   {103, 1500, QStringLiteral("Lot note 3")}});
    AddIncrements(*m_settings->IncrementList, {{0, 50}});
    LiveFeed feed(*m_store);
    frmScoreboard board(*m_settings);
    int opened = 0;
    board.setLiveFeed(&feed, [&] { ++opened; });
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    auto* lotDisplay = board.findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    QTest::keyClick(lotDisplay, Qt::Key_Right);
    FeedState state = feed.hub().CurrentState();
    QCOMPARE(state.lotNumber, 101);
    QCOMPARE(state.amount, 500);
    QCOMPARE(state.note, QStringLiteral("Lot note 1"));
    const qint64 before = state.sequence;
    QTest::keyClick(lotDisplay, Qt::Key_Up);
    QCOMPARE(feed.hub().CurrentState().amount, 550);
    QTest::keyClick(lotDisplay, Qt::Key_Down);
    QCOMPARE(feed.hub().CurrentState().amount, 500);
    // One number per change, none for a key that changed nothing.
    QTest::keyClick(lotDisplay, Qt::Key_Down);
    QCOMPARE(feed.hub().Sequence(), before + 2);
    QTest::keyClick(lotDisplay, Qt::Key_F9);
    QCOMPARE(opened, 1);
}

void tst_FeedOptions::windowShowsCodeThatScans()
{
    FeedSettings settings;
    settings.enabled = true;
    settings.port = FreePort();
    settings.accessCode = QStringLiteral("QRT3ST");
    LiveFeed feed(*m_store);
    feed.Apply(settings);
    QVERIFY(feed.isServing());
    frmLiveFeed window(&feed);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblAccessCode"))->text().contains(QStringLiteral("QRT3ST")));
    const QString phone = window.PhoneAddress();
    QVERIFY(phone.endsWith(QStringLiteral(":%1/?code=QRT3ST").arg(settings.port)));

    // What the window shows, decoded by a real reader, is the phone page's address.
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("qr.png"));
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("picQr"))->grab().save(file));
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    QVERIFY(zbar.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), phone);

    // The viewers count follows the streams.
    SseStream viewer(settings.port, "/events?code=QRT3ST");
    QCOMPARE(viewer.WaitFor(1).size(), 1);
    QTRY_VERIFY(window.findChild<QLabel*>(QStringLiteral("lblViewers"))->text().endsWith(u'1'));
}

QTEST_MAIN(tst_FeedOptions)
#include "tst_feedoptions.moc"
