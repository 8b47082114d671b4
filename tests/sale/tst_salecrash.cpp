// A run killed outright (SIGKILL) in the middle of a sale, and the next start: the results
// are all there and the results window offers the board back where it stood.
#include "common/Prompts.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "sale/SaleTestLots.h"
#include "sale/frmResults.h"
#include "scoreboard/ResultStamp.h"
#include "scoreboard/frmScoreboard.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class tst_SaleCrash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void killedRunIsPickedUp_data();
    void killedRunIsPickedUp();
};

void tst_SaleCrash::killedRunIsPickedUp_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("position"); // on show when killed
    QTest::addColumn<int>("amount");
    QTest::addColumn<bool>("stamped");
    QTest::newRow("right after F5") << QStringLiteral("R U U 5") << 1 << 110 << true;
    QTest::newRow("bidding on the next lot") << QStringLiteral("R U U 5 R U U") << 2 << 520 << false;
    QTest::newRow("after a correction and a pass") << QStringLiteral("R 5 U 5 R 6") << 2 << 500 << true;
}

void tst_SaleCrash::killedRunIsPickedUp()
{
    QFETCH(QString, keys);
    QFETCH(int, position);
    QFETCH(int, amount);
    QFETCH(bool, stamped);
    QTemporaryDir dir;

    QProcess run;
    run.start(QStringLiteral(GAVELOR_SALE_HELPER), {dir.path(), keys});
    QVERIFY(run.waitForStarted(20000));
    while (!run.readAllStandardOutput().contains("DONE"))
        QVERIFY2(run.waitForReadyRead(20000), "the run did not get through its keys");
    run.kill();
    QVERIFY(run.waitForFinished(20000));
    QCOMPARE(run.exitStatus(), QProcess::CrashExit);

    MemorySettingsStore store;
    AppSettings settings(store);
    SaleLots(settings);
    SaleJournal sale(dir.path());
    sale.Open();
    QVERIFY(sale.resumed());
    frmScoreboard window(settings);
    window.setSale(&sale);
    window.show();
    window.ShowResults();
    frmResults* results = window.results();
    QVERIFY(results && QTest::qWaitForWindowExposed(results));
    // The lot sold before the kill, at its last price.
    const LotResult* first = sale.record().Find(12);
    QVERIFY(first);
    QCOMPARE(results->findChild<QLabel*>(QStringLiteral("lblSold"))->text(), QStringLiteral("1"));
    QVERIFY(results->findChild<QLabel*>(QStringLiteral("lblResume"))->isVisible());

    QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("cmdShowOnBoard")), Qt::LeftButton);
    QCOMPARE(window.auctionState().LotIndex(), position);
    QCOMPARE(window.auctionState().Amount(), amount);
    QCOMPARE(window.findChild<ResultStamp*>()->isVisible(), stamped);
    // Offered once: the next Show on Board shows the lot as Right and Left would.
    QVERIFY(!results->findChild<QLabel*>(QStringLiteral("lblResume"))->isVisible());
}

QTEST_MAIN(tst_SaleCrash)

#include "tst_salecrash.moc"
