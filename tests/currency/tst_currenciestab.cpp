// The Currencies tab driven as the operator does, and what its OK does to the store and the sale.
#include "common/Prompts.h"
#include "currency/CurrencyRate.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/KeyCodes.h"
#include "sale/SaleController.h"
#include "sale/SaleJournal.h"
#include "sale/SaleReport.h"
#include "setup/frmOptions.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class tst_CurrenciesTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void cleanup();

    void refusesInvalidRates_data();
    void refusesInvalidRates();
    void storesNothingUntilSetUp();
    void importsWithAMissingCurrency();
    void rateChangeMidSaleIsJournaled();
    void mnemonicOpensThePage();

private:
    frmOptions* open();
    void setRow(int row, const QString& code, const QString& rate);
    QTableWidget* table() const { return m_dlg->findChild<QTableWidget*>(u"grdRates"_s); }
    void ok() { QTest::mouseClick(m_dlg->findChild<QPushButton*>(u"cmdOk"_s), Qt::LeftButton); }

    MemorySettingsStore m_store;
    std::unique_ptr<AppSettings> m_settings;
    frmOptions* m_dlg = nullptr;
};

void tst_CurrenciesTab::init()
{
    Prompts::clear();
    m_store = MemorySettingsStore();
    m_settings = std::make_unique<AppSettings>(m_store);
}

void tst_CurrenciesTab::cleanup()
{
    delete m_dlg;
    m_dlg = nullptr;
}

frmOptions* tst_CurrenciesTab::open()
{
    m_dlg = new frmOptions(*m_settings, nullptr);
    m_dlg->show();
    m_dlg->findChild<QTabWidget*>(u"SSTab1"_s)->setCurrentIndex(4);
    return m_dlg;
}

void tst_CurrenciesTab::setRow(int row, const QString& code, const QString& rate)
{
    table()->item(row, 0)->setText(code);
    table()->item(row, 2)->setText(rate);
}

void tst_CurrenciesTab::refusesInvalidRates_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("message");
    QTest::newRow("zero") << u"USD"_s << u"0"_s << u"The rate of USD must be more than 0."_s;
    QTest::newRow("negative") << u"USD"_s << u"-1.5"_s << u"The rate of USD must be more than 0."_s;
    QTest::newRow("seven decimals") << u"JPY"_s << u"162.1234567"_s << u"The rate of JPY has more than 6 decimals."_s;
    QTest::newRow("not a number") << u"GBP"_s << u"abc"_s
                                  << u"The rate of GBP is not a number. Write it with digits and a decimal point, for "
                                     "example 1.0834."_s;
    QTest::newRow("missing") << u"CHF"_s << QString() << u"The rate of CHF is missing."_s;
    QTest::newRow("bad code") << u"US"_s << u"1.1"_s
                              << u"The currency code on line 3 must be three letters, such as USD."_s;
}

// OK refuses a rate that cannot be used, says why, and leaves the dialog open with nothing stored.
void tst_CurrenciesTab::refusesInvalidRates()
{
    QFETCH(QString, code);
    QFETCH(QString, rate);
    QFETCH(QString, message);
    open();
    m_dlg->findChild<QCheckBox*>(u"chkCurrencyOn"_s)->setChecked(true);
    setRow(0, u"EUR"_s, u"0.9"_s);
    setRow(2, code, rate);
    ok();
    QCOMPARE(Prompts::asked().size(), 1);
    QCOMPARE(Prompts::asked().first().text, message);
    QVERIFY(m_dlg->isVisible());
    QCOMPARE(table()->currentRow(), 2);
    QVERIFY(!CurrencyBoard::IsStored(m_store));
}

// A user who never turns the board on finds nothing of it in the store, even after typing rates.
void tst_CurrenciesTab::storesNothingUntilSetUp()
{
    open();
    setRow(0, u"USD"_s, u"1.1"_s);
    ok();
    QVERIFY(!m_dlg->isVisible());
    QVERIFY(!CurrencyBoard::IsStored(m_store));
    QCOMPARE(m_dlg->currencyBoard(), CurrencyBoard());

    open();
    m_dlg->findChild<QCheckBox*>(u"chkCurrencyOn"_s)->setChecked(true);
    setRow(0, u"usd"_s, u"1.1"_s);
    ok();
    const CurrencyBoard stored = CurrencyBoard::Load(m_store);
    QVERIFY(stored.Showing());
    QCOMPARE(stored.saleCode, u"USD"_s);
    QCOMPARE(stored.lines.size(), 1);
    QCOMPARE(stored.lines[0].code, u"USD"_s);
    QCOMPARE(stored.lines[0].rate, 1100000);
    QVERIFY(stored.ratesTime.isValid());
}

// The import fills the rates it has, names the one it has not, and leaves that one as it was.
void tst_CurrenciesTab::importsWithAMissingCurrency()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"eurofxref.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Date, USD, JPY, GBP, \n09 December 2026, 1.0834, 162.50, 0.85215, \n");
    file.close();
    m_settings->Currency = u"€"_s;
    open();
    m_dlg->findChild<QCheckBox*>(u"chkCurrencyOn"_s)->setChecked(true);
    QCOMPARE(m_dlg->findChild<QLineEdit*>(u"txtSaleCode"_s)->text(), u"EUR"_s);
    setRow(0, u"USD"_s, u"1"_s);
    setRow(1, u"NZD"_s, u"1.8"_s);
    Prompts::queueFileName(path);
    QTest::mouseClick(m_dlg->findChild<QPushButton*>(u"cmdImportRates"_s), Qt::LeftButton);
    QCOMPARE(table()->item(0, 2)->text(), u"1.0834"_s);
    QCOMPARE(table()->item(1, 2)->text(), u"1.8"_s);
    QCOMPARE(Prompts::asked().last().text,
             u"The rates file has no rate for NZD. Those rates were left as they were."_s);
}

// New rates while the sale runs go into its journal, come back when it is read again, and are
// printed with the results; setting up a board that was never used before records nothing.
void tst_CurrenciesTab::rateChangeMidSaleIsJournaled()
{
    QTemporaryDir dir;
    AddLots(*m_settings->LotList, {{12, 3100}});
    {
        SaleJournal journal(dir.path());
        journal.Open();
        SaleController sale(*m_settings);
        sale.setJournal(&journal);
        sale.Command(KeyCodes::Right);
        QVERIFY(journal.record().HasEvents());
        CurrencyBoard board;
        board.saleCode = u"EUR"_s;
        board.lines = {{u"USD"_s, u"$"_s, 1083400, 1}};
        // Off: the room saw nothing, so nothing is recorded.
        sale.SetCurrencyBoard(board);
        QVERIFY(journal.record().RateChanges().empty());
        board.enabled = true;
        board.lines[0].rate = 1090000;
        sale.SetCurrencyBoard(board);
        QCOMPARE(journal.record().RateChanges().size(), size_t(1));
        QCOMPARE(journal.record().RateChanges()[0].rates, u"1 EUR = 1.09 USD"_s);
        const QStringList lines = SaleReport::RateLines(journal.record(), sale.currencyBoard());
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[1].endsWith(u": 1 EUR = 1.09 USD"_s));
    }
    // Read again, the sale goes on with its record of the rates, and nothing counts as damage.
    SaleJournal again(dir.path());
    again.Open();
    QVERIFY(again.setAside().isEmpty());
    QCOMPARE(again.record().RateChanges().size(), size_t(1));
}

// Alt+U, the page's mnemonic, opens the page from the dialog's first control.
void tst_CurrenciesTab::mnemonicOpensThePage()
{
    open();
    auto* pages = m_dlg->findChild<QTabWidget*>(u"SSTab1"_s);
    pages->setCurrentIndex(0);
    m_dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg));
    QTest::keyClick(m_dlg->focusWidget() ? m_dlg->focusWidget() : m_dlg, Qt::Key_U, Qt::AltModifier);
    QCOMPARE(pages->currentIndex(), 4);
}

QTEST_MAIN(tst_CurrenciesTab)
#include "tst_currenciestab.moc"
