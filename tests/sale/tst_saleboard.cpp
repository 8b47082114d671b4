// The sale record driven through the real scoreboard and results window: F5 and F6, the
// stamp, the journal, the results and their totals, clearing, Show on Board, the buyer,
// and the results as CSV, PDF and print read back by other programs.
#include "common/Announcement.h"
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/ResultStamp.h"
#include "scoreboard/frmScoreboard.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_SaleBoard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void cleanup();

    void marksAndStamp_data();
    void marksAndStamp();
    void totals_data();
    void totals();
    void clearAsksFirst_data();
    void clearAsksFirst();
    void showOnBoardPutsTheLotUp();
    void buyerIsTypedIntoTheList();
    void tabLeavesTheList();
    void resultsFollowTheirLotsThroughEdits();
    void unusableFolderNeverStopsTheBoard();
    void csvReadsBackInPython();
    void reportAndPrintHoldTheTotals_data();
    void reportAndPrintHoldTheTotals();
    void saleCurrencyInResults();

private:
    // R Right, L Left, U Up, D Down, 4 5 6 F4 F5 F6, separated by blanks.
    void press(const QString& keys);
    void build();
    ResultStamp* stamp(QWidget* window) const { return window->findChild<ResultStamp*>(); }
    frmResults* openResults();
    QString label(const char* name) const
    {
        return m_window->results()->findChild<QLabel*>(QLatin1String(name))->text();
    }
    void click(const char* button)
    {
        QTest::mouseClick(m_window->results()->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    void selectRow(int row);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<SaleJournal> m_sale;
    std::unique_ptr<frmScoreboard> m_window;
};

void tst_SaleBoard::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
    const struct
    {
        int number;
        int amount;
        const char* note;
    } lots[] = {{12, 95, "Oak chest"}, {7, 500, "Pair of vases, \"Sèvres\""}, {31, 12050, "Grand piano\nwith stool"}};
    for (const auto& row : lots) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = row.number;
        lot->Amount = row.amount;
        lot->Note = QString::fromUtf8(row.note);
        m_settings->LotList->Add(lot);
    }
    for (const auto& [minimum, amount] : {std::pair{0, 5}, std::pair{100, 10}, std::pair{1000, 50}}) {
        auto range = std::make_shared<IncrementInfo>();
        range->Minimum = minimum;
        range->Amount = amount;
        m_settings->IncrementList->Add(range);
    }
    m_sale = std::make_unique<SaleJournal>(m_dir->filePath(QStringLiteral("sales")));
    m_sale->Open();
    build();
}

void tst_SaleBoard::build()
{
    m_window = std::make_unique<frmScoreboard>(*m_settings);
    m_window->setSale(m_sale.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_SaleBoard::cleanup()
{
    m_window.reset();
    m_sale.reset();
    m_settings.reset();
    m_store.reset();
    m_dir.reset();
    Prompts::clear();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SaleBoard::press(const QString& keys)
{
    static const QHash<QString, Qt::Key> names = {
        {QStringLiteral("R"), Qt::Key_Right}, {QStringLiteral("L"), Qt::Key_Left}, {QStringLiteral("U"), Qt::Key_Up},
        {QStringLiteral("D"), Qt::Key_Down},  {QStringLiteral("4"), Qt::Key_F4},   {QStringLiteral("5"), Qt::Key_F5},
        {QStringLiteral("6"), Qt::Key_F6}};
    for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts))
        QTest::keyClick(m_window->focusWidget(), names.value(key));
}

frmResults* tst_SaleBoard::openResults()
{
    press(QStringLiteral("4"));
    frmResults* results = m_window->results();
    if (results && !QTest::qWaitForWindowExposed(results))
        return nullptr;
    return results;
}

void tst_SaleBoard::selectRow(int row)
{
    auto* list = m_window->results()->findChild<QTableView*>(QStringLiteral("lstResults"));
    list->setCurrentIndex(list->model()->index(row, 0));
    list->selectRow(row);
}

void tst_SaleBoard::marksAndStamp_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("stamp");   // on the lot on show
    QTest::addColumn<QString>("results"); // lot=outcome/price, in list order
    QTest::addColumn<QString>("journal"); // the events on the disk; empty: no file

    QTest::newRow("F5 and F6 with no lot on show")
        << QStringLiteral("5 6") << QStringLiteral("") << QStringLiteral("") << QStringLiteral("");
    QTest::newRow("stepping alone writes nothing")
        << QStringLiteral("R U R L") << QStringLiteral("") << QStringLiteral("") << QStringLiteral("");
    QTest::newRow("F5 sells at the bid") << QStringLiteral("R U U 5") << QStringLiteral("SOLD")
                                         << QStringLiteral("12=Sold/110")
                                         << QStringLiteral("started shown amount amount sold");
    QTest::newRow("F5 again corrects the price")
        << QStringLiteral("R 5 U 5") << QStringLiteral("SOLD") << QStringLiteral("12=Sold/100")
        << QStringLiteral("started shown sold amount sold");
    QTest::newRow("F6 passes") << QStringLiteral("R R 6") << QStringLiteral("PASSED") << QStringLiteral("7=Passed/0")
                               << QStringLiteral("started shown shown passed");
    QTest::newRow("a pass after a sale replaces it")
        << QStringLiteral("R 5 6") << QStringLiteral("PASSED") << QStringLiteral("12=Passed/0")
        << QStringLiteral("started shown sold passed");
    QTest::newRow("the next lot has no stamp")
        << QStringLiteral("R 5 R") << QStringLiteral("") << QStringLiteral("12=Sold/95")
        << QStringLiteral("started shown sold shown");
    QTest::newRow("Left shows the stamp again")
        << QStringLiteral("R 5 R 6 L") << QStringLiteral("SOLD") << QStringLiteral("12=Sold/95 7=Passed/0")
        << QStringLiteral("started shown sold shown passed shown");
}

void tst_SaleBoard::marksAndStamp()
{
    QFETCH(QString, keys);
    QFETCH(QString, stamp);
    QFETCH(QString, results);
    QFETCH(QString, journal);

    press(keys);
    // The stamp: the same on every view of the board.
    ResultStamp* shown = this->stamp(m_window.get());
    QCOMPARE(shown->isVisible() ? ResultStamp::Caption(shown->outcome()) : QString(), stamp);

    QStringList marked;
    for (const SaleRecord::Row& row : m_sale->record().Rows(*m_settings->LotList)) {
        if (row.result && row.result->outcome != LotResult::Outcome::None)
            marked << QStringLiteral("%1=%2/%3")
                          .arg(row.lot->LotNumber)
                          .arg(row.result->outcome == LotResult::Outcome::Sold ? QStringLiteral("Sold")
                                                                               : QStringLiteral("Passed"))
                          .arg(row.result->price);
    }
    QCOMPARE(marked.join(u' '), results);

    QStringList kinds;
    QFile file(m_sale->filePath());
    if (!m_sale->filePath().isEmpty()) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (const std::optional<SaleEvent> event = SaleEvent::FromJsonLine(line))
                kinds << SaleEvent::KindName(event->kind);
        }
    }
    QCOMPARE(kinds.join(u' '), journal);
}

void tst_SaleBoard::totals_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("expected"); // sold, passed, not offered, hammer, average, sell-through, against

    QTest::newRow("nothing marked") << QStringLiteral("")
                                    << QStringList{QStringLiteral("0"),      QStringLiteral("0"),
                                                   QStringLiteral("3"),      QStringLiteral("$0"),
                                                   QStringLiteral("$0"),     QStringLiteral("0.0%"),
                                                   QStringLiteral("$0 / $0")};
    QTest::newRow("one sold") << QStringLiteral("R U 5")
                              << QStringList{QStringLiteral("1"),         QStringLiteral("0"),
                                             QStringLiteral("2"),         QStringLiteral("$100"),
                                             QStringLiteral("$100"),      QStringLiteral("100.0%"),
                                             QStringLiteral("$100 / $95")};
    QTest::newRow("two sold, one passed")
        << QStringLiteral("R U 5 R U 5 R 6")
        << QStringList{QStringLiteral("2"),          QStringLiteral("1"),    QStringLiteral("0"),
                       QStringLiteral("$610"),       QStringLiteral("$305"), QStringLiteral("66.7%"),
                       QStringLiteral("$610 / $595")};
    QTest::newRow("correction counts once")
        << QStringLiteral("R 5 U U 5")
        << QStringList{QStringLiteral("1"),         QStringLiteral("0"),    QStringLiteral("2"),
                       QStringLiteral("$110"),      QStringLiteral("$110"), QStringLiteral("100.0%"),
                       QStringLiteral("$110 / $95")};
}

void tst_SaleBoard::totals()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, expected);
    // Open first: the window follows the marks as they come.
    QVERIFY(openResults());
    QCOMPARE(m_window->results()->windowTitle(), QStringLiteral("Gavelor - Sale Results"));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    press(keys);
    const QStringList shown = {label("lblSold"),        label("lblPassed"),  label("lblNotOffered"),
                               label("lblHammer"),      label("lblAverage"), label("lblSellThrough"),
                               label("lblAgainstStart")};
    QCOMPARE(shown, expected);
}

void tst_SaleBoard::clearAsksFirst_data()
{
    QTest::addColumn<bool>("cleared"); // the answer is Yes
    QTest::newRow("No keeps it") << false;
    QTest::newRow("Yes clears it") << true;
}

void tst_SaleBoard::clearAsksFirst()
{
    QFETCH(bool, cleared);
    press(QStringLiteral("R 5"));
    QVERIFY(openResults());
    selectRow(0);
    Prompts::queueAnswer(cleared ? Prompts::Answer::Yes : Prompts::Answer::No);
    click("cmdClear");
    QCOMPARE(Prompts::asked().size(), 1);
    QVERIFY(Prompts::asked().first().yesNo);
    QCOMPARE(label("lblSold"), cleared ? QStringLiteral("0") : QStringLiteral("1"));
    // The board follows at once.
    QCOMPARE(stamp(m_window.get())->isVisible(), !cleared);
    SaleJournal reread(m_sale->directory());
    reread.Open();
    QCOMPARE(reread.record().Find({1, 12, QStringLiteral("Oak chest")})->outcome,
             cleared ? LotResult::Outcome::None : LotResult::Outcome::Sold);
}

void tst_SaleBoard::showOnBoardPutsTheLotUp()
{
    press(QStringLiteral("R U U"));
    QVERIFY(openResults());
    selectRow(2);
    click("cmdShowOnBoard");
    QCOMPARE(m_window->auctionState().LotIndex(), 3);
    QCOMPARE(m_window->auctionState().Amount(), 12050);
    QVERIFY(m_window->auctionState().History().empty());
    QCOMPARE(m_window->findChild<NumberLED*>(QStringLiteral("nledLotNum"))->Caption(), 31);
}

void tst_SaleBoard::buyerIsTypedIntoTheList()
{
    press(QStringLiteral("R 5"));
    QVERIFY(openResults());
    auto* list = m_window->results()->findChild<QTableView*>(QStringLiteral("lstResults"));
    const QModelIndex buyer = list->model()->index(0, ResultsModel::Buyer);
    list->setCurrentIndex(buyer);
    list->edit(buyer);
    auto* editor = list->findChild<QLineEdit*>();
    QVERIFY(editor);
    // A screen reader names the editor after its lot, and reads back what was kept.
    QCOMPARE(editor->accessibleName(), QStringLiteral("Buyer for lot 12"));
    auto* said = m_window->results()->findChild<Announcement*>();
    QVERIFY(said);
    QCOMPARE(said->last(), QStringLiteral("Buyer for lot 12"));
    QTest::keyClicks(editor, QStringLiteral("Paddle 1234567"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(list->model()->data(buyer).toString(), QStringLiteral("Paddle 12345"));
    QTRY_COMPARE(said->last(), QStringLiteral("Buyer for lot 12: Paddle 12345"));
    SaleJournal reread(m_sale->directory());
    reread.Open();
    QCOMPARE(reread.record().Find({1, 12, QStringLiteral("Oak chest")})->buyer, QStringLiteral("Paddle 12345"));
}

void tst_SaleBoard::tabLeavesTheList()
{
    press(QStringLiteral("R 5 R 6"));
    QVERIFY(openResults());
    auto* list = m_window->results()->findChild<QTableView*>(QStringLiteral("lstResults"));
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, ResultsModel::Lot));
    QTRY_VERIFY(list->hasFocus());
    // Arrow keys move inside the list; Tab goes on, out of it, in one press.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex().row(), 1);
    QVERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Tab);
    QVERIFY(!list->hasFocus());
    QVERIFY(qobject_cast<QPushButton*>(QApplication::focusWidget()));
}

void tst_SaleBoard::resultsFollowTheirLotsThroughEdits()
{
    press(QStringLiteral("R 5 R 6"));
    // The lot editor deletes the first lot and puts the second at the end.
    auto edited = m_settings->LotList->Copy();
    const LotInfoPtr vases = edited->Item(2);
    edited->Remove(1);
    edited->Remove(1);
    edited->Add(vases, 0);
    m_settings->LotList = edited;
    QVERIFY(openResults());
    auto* list = m_window->results()->findChild<QTableView*>(QStringLiteral("lstResults"));
    QStringList rows;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        rows << list->model()->index(r, ResultsModel::Position).data().toString() + u':' +
                    list->model()->index(r, ResultsModel::Lot).data().toString() + u':' +
                    list->model()->index(r, ResultsModel::Result).data().toString();
    QCOMPARE(rows.join(u' '), QStringLiteral("1:31: 2:7:Passed gone:12:Sold"));
    QVERIFY(m_window->results()->findChild<QLabel*>(QStringLiteral("lblGone"))->isVisible());
    QCOMPARE(label("lblSold"), QStringLiteral("1"));
}

void tst_SaleBoard::unusableFolderNeverStopsTheBoard()
{
    // A file where the folder should be: nothing can be saved there, not even by root.
    const QString blocker = m_dir->filePath(QStringLiteral("blocked"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_window.reset();
    m_sale = std::make_unique<SaleJournal>(blocker + QStringLiteral("/sales"));
    m_sale->Open();
    build();

    press(QStringLiteral("R U 5 R"));
    QCOMPARE(m_window->auctionState().LotIndex(), 2);
    QVERIFY(openResults());
    auto* saving = m_window->results()->findChild<QLabel*>(QStringLiteral("lblSaving"));
    QVERIFY(saving->isVisible());
    QVERIFY2(saving->text().startsWith(QStringLiteral("Results are not being saved:")), qPrintable(saving->text()));
    QCOMPARE(label("lblSold"), QStringLiteral("1"));

    // Once the folder can be made, the next event saves everything that waited.
    QVERIFY(QFile::remove(blocker));
    m_window->activateWindow();
    press(QStringLiteral("U"));
    QVERIFY(!saving->isVisible());
    SaleJournal reread(m_sale->directory());
    reread.Open();
    QCOMPARE(reread.record().Find({1, 12, QStringLiteral("Oak chest")})->price, 100);
    QCOMPARE(reread.record().LastOnShow()->amount, 510);
}

void tst_SaleBoard::csvReadsBackInPython()
{
    press(QStringLiteral("R U 5 R R 6"));
    QVERIFY(openResults());
    const QString path = m_dir->filePath(QStringLiteral("results.csv"));
    Prompts::queueFileName(path);
    click("cmdExport");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains("\r\n"));

    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv,sys,json\n"
                                 "rows=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig',newline='')))\n"
                                 "print(json.dumps(rows))"),
                  path});
    QVERIFY(python.waitForFinished(30000));
    QCOMPARE(python.exitCode(), 0);
    const QByteArray expected = R"([["Position", "Lot", "Note", "Starting bid", "Result", "Hammer", "Time", "Buyer"], )"
                                R"(["1", "12", "Oak chest", "95", "Sold", "100", "TIME", ""], )"
                                R"(["2", "7", "Pair of vases, \"S\u00e8vres\"", "500", "", "", "", ""], )"
                                R"(["3", "31", "Grand piano\nwith stool", "12050", "Passed", "", "TIME", ""]])";
    QByteArray output = python.readAllStandardOutput().trimmed();
    // The marks' times of day are the test's own; their form is checked, not their value.
    static const QRegularExpression clock(QStringLiteral("\"\\d\\d:\\d\\d:\\d\\d\""));
    QCOMPARE(QString::fromUtf8(output).replace(clock, QStringLiteral("\"TIME\"")), QString::fromUtf8(expected));
}

void tst_SaleBoard::reportAndPrintHoldTheTotals_data()
{
    QTest::addColumn<bool>("print");
    QTest::newRow("report") << false;
    QTest::newRow("print") << true;
}

void tst_SaleBoard::reportAndPrintHoldTheTotals()
{
    QFETCH(bool, print);
    press(QStringLiteral("R U 5 R 5 R 6"));
    QVERIFY(openResults());
    const QString path = m_dir->filePath(QStringLiteral("report.pdf"));
    if (print) {
        m_window->results()->setPrinterChooser([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
        click("cmdPrint");
    } else {
        Prompts::queueFileName(path);
        click("cmdReport");
    }
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY2(reader.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
    QCOMPARE(reader.exitCode(), 0);
    const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    for (const char* expected :
         {"Lots sold: 2", "Lots passed: 1", "Not yet offered: 0", "Total hammer: $600", "Average hammer: $300",
          "Sell-through: 66.7%", "Against starting bids: $600 / $595", "Pair of vases, \"Sèvres\""})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
}

// A sale in euros: the totals, the list, the CSV's header and the report show the euro and its point.
void tst_SaleBoard::saleCurrencyInResults()
{
    m_settings->Currency = QStringLiteral("\u20AC");
    m_settings->Grouping = QStringLiteral(".");
    press(QStringLiteral("R R R U 5"));
    QVERIFY(openResults());
    const QString csv = m_dir->filePath(QStringLiteral("results.csv"));
    Prompts::queueFileName(csv);
    click("cmdExport");
    const QString pdf = m_dir->filePath(QStringLiteral("report.pdf"));
    Prompts::queueFileName(pdf);
    click("cmdReport");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(reader.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
    const QString report = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    const QAbstractItemModel* list = m_window->results()->findChild<QTableView*>(QStringLiteral("lstResults"))->model();

    const QStringList shown{
        label("lblHammer"), list->headerData(ResultsModel::StartingBid, Qt::Horizontal).toString(),
        list->index(2, ResultsModel::Hammer).data().toString(), QString::fromUtf8(file.readLine()).trimmed(),
        report.contains(QStringLiteral("Total hammer: \u20AC12.100")) ? QStringLiteral("report") : report};
    QCOMPARE(
        shown,
        QStringList({QStringLiteral("\u20AC12.100"), QStringLiteral("Starting bid (\u20AC)"), QStringLiteral("12.100"),
                     QStringLiteral("Position,Lot,Note,Starting bid (\u20AC),Result,Hammer (\u20AC),Time,Buyer"),
                     QStringLiteral("report")}));
}

QTEST_MAIN(tst_SaleBoard)

#include "tst_saleboard.moc"
