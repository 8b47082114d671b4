// The bidder register: read from a spreadsheet's table, typed into the results window's
// "Bidders" tab, stored, and the paddles of the results flagged when the register does not know them.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/LotsCsv.h"
#include "support/SaleBoardTest.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

class tst_Bidders : public SaleBoardTest
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void cleanup();

    void fromTable_data();
    void fromTable();
    void typedStoredAndFlagged();
    void importReadsWholeOrNothing_data();
    void importReadsWholeOrNothing();

private:
    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = m_window->results()->findChild<T*>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    QVariant buyerCell(int role) const;
    QStringList shownBidders() const;
};

void tst_Bidders::init()
{
    BeginSale();
    AddLots(*m_settings->LotList, {{12, 95, QStringLiteral("Oak chest")}});
    OpenJournal();
    ShowBoard();
    m_window->ShowResults(false);
    QVERIFY(QTest::qWaitForWindowExposed(m_window->results()));
}

void tst_Bidders::cleanup()
{
    EndSale();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QVariant tst_Bidders::buyerCell(int role) const
{
    const QAbstractItemModel* rows = m_window->results()->model();
    return rows->index(0, ResultsModel::Buyer).data(role);
}

QStringList tst_Bidders::shownBidders() const
{
    QStringList shown;
    auto* list = control<QTableWidget>("lstBidders");
    for (int row = 0; row < list->rowCount(); ++row)
        shown << list->item(row, 0)->text() + u'|' + list->item(row, 1)->text() + u'|' + list->item(row, 2)->text();
    return shown;
}

void tst_Bidders::fromTable_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("bidders");
    QTest::addColumn<int>("problems");
    // clang-format off
    QTest::newRow("header in another order")
        << QByteArray("Name;E-mail;Paddle #\nAnn Lee;ann@example.org;112\nBo;;A7\n")
        << QStringList{u"112|Ann Lee|ann@example.org"_s, u"A7|Bo|"_s} << 0;
    QTest::newRow("no header: paddle, name, contact")
        << QByteArray("5,\"Smith, J.\",0123\n6,Ng\n")
        << QStringList{u"5|Smith, J.|0123"_s, u"6|Ng|"_s} << 0;
    QTest::newRow("a paddle twice, whatever the case")
        << QByteArray("Bidder,Name\na1,X\nA1,Y\n") << QStringList{u"a1|X|"_s} << 1;
    QTest::newRow("not a paddle")
        << QByteArray("Paddle\n1-2\n1234567890123\n\n7\n") << QStringList{u"7||"_s} << 2;
    QTest::newRow("a header without a paddle column")
        << QByteArray("Name,Phone\nAnn,1\n") << QStringList{} << 1;
    // clang-format on
}

void tst_Bidders::fromTable()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, bidders);
    QFETCH(int, problems);
    const LotsCsv::Table table = LotsCsv::ParseTable(csv);
    QVERIFY2(table.refusal.isEmpty(), qPrintable(table.refusal));
    const BidderRegister::Reading reading = BidderRegister::FromTable(table.rows);
    QStringList read;
    for (const BidderInfo& bidder : reading.bidders)
        read << bidder.Paddle + u'|' + bidder.Name + u'|' + bidder.Contact;
    QCOMPARE(read, bidders);
    QCOMPARE(reading.problems.size(), problems);
}

void tst_Bidders::typedStoredAndFlagged()
{
    // A sale that never registers a bidder flags nothing and stores nothing.
    m_window->sale().ShowLotAt(1);
    m_window->sale().MarkSold();
    QVERIFY(m_window->sale().RecordPaddle(QStringLiteral("112")));
    QCOMPARE(buyerCell(Qt::DisplayRole).toString(), QStringLiteral("112"));
    QVERIFY(!buyerCell(Qt::ForegroundRole).isValid());
    QVERIFY(m_store->GetAll(QStringLiteral("Bidders")).isEmpty());

    // Another paddle registered: 112 is now flagged, and still the buyer.
    QTest::keyClicks(control("txtBidderPaddle"), QStringLiteral("7"));
    QTest::keyClicks(control("txtBidderName"), QStringLiteral("Ann Lee"));
    click("cmdAddBidder");
    QCOMPARE(shownBidders(), QStringList{QStringLiteral("7|Ann Lee|")});
    QVERIFY(buyerCell(Qt::ForegroundRole).isValid());
    QCOMPARE(buyerCell(Qt::ToolTipRole).toString(), QStringLiteral("Paddle 112 is not in the bidder register."));
    QCOMPARE(buyerCell(Qt::DisplayRole).toString(), QStringLiteral("112"));

    // Registered, it shows who it is.
    QTest::keyClicks(control("txtBidderPaddle"), QStringLiteral("112"));
    QTest::keyClicks(control("txtBidderName"), QStringLiteral("Bo Ng"));
    QTest::keyClicks(control("txtBidderContact"), QStringLiteral("0123"));
    QTest::keyClick(control("txtBidderContact"), Qt::Key_Return);
    QVERIFY(!buyerCell(Qt::ForegroundRole).isValid());
    QCOMPARE(buyerCell(Qt::ToolTipRole).toString(), QStringLiteral("Bo Ng, 0123"));

    // A paddle that is not one is refused with the focus on it.
    QTest::keyClicks(control("txtBidderPaddle"), QStringLiteral("1-2"));
    click("cmdAddBidder");
    QCOMPARE(Prompts::asked().size(), 1);
    QCOMPARE(shownBidders().size(), 2);

    // Stored as it changes, read back at the next start.
    AppSettings next(*m_store);
    next.LoadAllSettings();
    QCOMPARE(next.Bidders.bidders(), m_settings->Bidders.bidders());
    control<QTableWidget>("lstBidders")->setCurrentCell(0, 0);
    click("cmdRemoveBidder");
    QCOMPARE(shownBidders(), QStringList{QStringLiteral("112|Bo Ng|0123")});
    next.LoadAllSettings();
    QCOMPARE(next.Bidders.Count(), 1);
}

void tst_Bidders::importReadsWholeOrNothing_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("bidders");
    QTest::newRow("a register") << QByteArray("\xEF\xBB\xBFPaddle,Name,Contact\r\n112,Ann,ann@example.org\r\n")
                                << QStringList{QStringLiteral("112|Ann|ann@example.org")};
    QTest::newRow("one bad row: none") << QByteArray("Paddle,Name\n112,Ann\n-,Bo\n") << QStringList{};
    QTest::newRow("not a CSV file") << QByteArray("\x01\x02\x03") << QStringList{};
    QTest::newRow("nothing in it") << QByteArray("Paddle,Name\n") << QStringList{};
}

void tst_Bidders::importReadsWholeOrNothing()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, bidders);
    const QString path = m_dir->filePath(QStringLiteral("bidders.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();
    Prompts::queueFileName(path);
    click("cmdImportBidders");
    QCOMPARE(shownBidders(), bidders);
    // One message either way: how many were read, or why none was.
    QCOMPARE(Prompts::asked().size(), 2);
    QVERIFY(Prompts::asked().last().text.contains(QStringLiteral("bidders.csv")));
}

QTEST_MAIN(tst_Bidders)
#include "tst_bidders.moc"
