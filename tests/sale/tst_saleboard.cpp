// The sale record driven through the real scoreboard and results window: F5 and F6, the
// stamp, the journal, the results and their totals, clearing, Show on Board, the buyer,
// and the results as CSV, PDF and print read back by other programs.
#include "common/Announcement.h"
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "records/TextLimits.h"
#include "sale/SaleController.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/ResultStamp.h"
#include "scoreboard/frmScoreboard.h"
#include "support/SaleBoardTest.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
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

class tst_SaleBoard : public SaleBoardTest
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
    void longNoteInResults();
    void earlierSalesAreOffered();
    void csvReadsBackInPython();
    void reportAndPrintHoldTheTotals_data();
    void reportAndPrintHoldTheTotals();
    void saleCurrencyInResults();
    void operatorFlows_data();
    void operatorFlows();
    void boardKeysInTheResultsWindow();

private:
    // Keys as press() takes them, and the clerk's steps: "#14" types 14 and Enter on the lot
    // display, "Z" is Ctrl+Z, "note:P", "del:P" and "rev" edit the lot list as the lot editor
    // hands it back, "buyer:X" types a buyer for the lot on the board, "show:P" and "wd:P" are
    // Show on Board and Withdraw on the row of position P, "new" starts a new sale.
    void run(const QString& steps);
    // "lot=Outcome/price/offers" for every row with a result, in the results window's order.
    static QString Summary(const QAbstractItemModel& rows);
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
};

void tst_SaleBoard::init()
{
    BeginSale();
    AddLots(*m_settings->LotList, {{12, 95, QStringLiteral("Oak chest")},
                                   {7, 500, QStringLiteral("Pair of vases, \"Sèvres\"")},
                                   {31, 12050, QStringLiteral("Grand piano\nwith stool")}});
    AddIncrements(*m_settings->IncrementList, {{0, 5}, {100, 10}, {1000, 50}});
    OpenJournal();
    ShowBoard();
}

void tst_SaleBoard::cleanup()
{
    EndSale();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
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
    QTest::newRow("F6 passes") << QStringLiteral("R R 6") << QStringLiteral("PASSED") << QStringLiteral("7=Passed/500")
                               << QStringLiteral("started shown shown passed");
    QTest::newRow("a pass after a sale replaces it")
        << QStringLiteral("R 5 6") << QStringLiteral("PASSED") << QStringLiteral("12=Passed/95")
        << QStringLiteral("started shown sold passed");
    QTest::newRow("the next lot has no stamp")
        << QStringLiteral("R 5 R") << QStringLiteral("") << QStringLiteral("12=Sold/95")
        << QStringLiteral("started shown sold shown");
    QTest::newRow("Left shows the stamp again")
        << QStringLiteral("R 5 R 6 L") << QStringLiteral("SOLD") << QStringLiteral("12=Sold/95 7=Passed/500")
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
    QCOMPARE(reread.record().Find(12)->outcome, cleared ? LotResult::Outcome::Cleared : LotResult::Outcome::Sold);
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
    QCOMPARE(reread.record().Find(12)->buyer, QStringLiteral("Paddle 12345"));
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
    QCOMPARE(rows.join(u' '), QStringLiteral("1:31: 2:7:Passed \u2014:12:Sold"));
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
    ShowBoard();

    press(QStringLiteral("R U 5 R"));
    QCOMPARE(m_window->auctionState().LotIndex(), 2);
    QVERIFY(openResults());
    auto* saving = m_window->results()->findChild<QLabel*>(QStringLiteral("lblSaving"));
    QVERIFY(saving->isVisible());
    QVERIFY2(saving->text().startsWith(QStringLiteral("Results are not being saved:")), qPrintable(saving->text()));
    QCOMPARE(label("lblSold"), QStringLiteral("1"));
    // The operator's board says so too.
    QVERIFY(m_window->findChild<QLabel*>(QStringLiteral("savingSign"))->isVisible());

    // New Sale names what would be lost instead of promising it stays; No keeps the sale.
    Prompts::clear();
    Prompts::queueAnswer(Prompts::Answer::No);
    click("cmdNewSale");
    QCOMPARE(Prompts::asked().size(), 1);
    QVERIFY2(Prompts::asked().first().text.startsWith(QStringLiteral("1 result(s) of this sale are not on the disk")),
             qPrintable(Prompts::asked().first().text));
    QVERIFY(Prompts::asked().first().text.contains(QDir::toNativeSeparators(m_sale->directory())));
    QCOMPARE(label("lblSold"), QStringLiteral("1"));

    // Once the folder can be made, the next event saves everything that waited.
    QVERIFY(QFile::remove(blocker));
    m_window->activateWindow();
    press(QStringLiteral("U"));
    QVERIFY(!saving->isVisible());
    SaleJournal reread(m_sale->directory());
    reread.Open();
    QCOMPARE(reread.record().Find(12)->price, 100);
    QCOMPARE(reread.record().LastOnShow()->amount, 510);
    QVERIFY(!m_window->findChild<QLabel*>(QStringLiteral("savingSign"))->isVisible());
}

void tst_SaleBoard::longNoteInResults()
{
    // A hand-edited settings file and a journal with a note of 3 MB.
    const QString note(3 << 20, u'w');
    m_settings->LotList->Item(1)->Note = note;
    QVERIFY(m_settings->SaveLots());
    m_window.reset();
    m_sale.reset();
    m_settings = std::make_unique<AppSettings>(*m_store);
    m_settings->LoadAllSettings();
    QCOMPARE(m_settings->LotList->Item(1)->Note.size(), TextLimits::MaxNote);
    const QString folder = m_dir->filePath(QStringLiteral("sales"));
    {
        QFile file(folder + QStringLiteral("/sale-2024-05-01-140000.jsonl"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        SaleEvent event;
        event.time = QStringLiteral("2024-05-01T14:00:00.000+01:00");
        file.write(event.ToJsonLine() + '\n');
        event.kind = SaleEvent::Kind::Sold;
        event.position = 1;
        event.lotNumber = 12;
        event.note = note;
        event.startingBid = 95;
        event.amount = 120;
        file.write(event.ToJsonLine() + '\n');
    }
    m_sale = std::make_unique<SaleJournal>(folder);
    m_sale->Open();
    ShowBoard();
    QVERIFY(openResults());
    // The result stays with its lot, and the table holds no more of the note than it shows.
    QCOMPARE(label("lblSold"), QStringLiteral("1"));
    const QModelIndex cell = m_window->results()->model()->index(0, ResultsModel::Note);
    QVERIFY(cell.data(Qt::DisplayRole).toString().size() <= 200);
    QVERIFY(cell.data(Qt::DisplayRole).toString().startsWith(QStringLiteral("www")));
    const QImage table = m_window->results()->findChild<QTableView*>(QStringLiteral("lstResults"))->grab().toImage();
    QVERIFY(!table.isNull());
    QVERIFY(QFileInfo(m_sale->filePath()).size() > note.size());
}

void tst_SaleBoard::earlierSalesAreOffered()
{
    const QString folder = m_dir->filePath(QStringLiteral("sales"));
    const QByteArray started = R"({"event":"started","time":"2024-05-01T14:00:00.000+01:00"})"
                               "\n";
    const QDateTime now = QDateTime::currentDateTime();
    const struct
    {
        const char* name;
        const char* mark;
        int age;
    } journals[] = {
        {"sale-2024-05-01-140000.jsonl",
         R"({"event":"sold","time":"t","position":1,"lot":12,"note":"Oak chest","startingBid":95,"price":95})", 10},
        {"sale-2024-04-01-140000.jsonl",
         R"({"event":"passed","time":"t","position":1,"lot":12,"note":"Oak chest","startingBid":95})", 100}};
    for (const auto& journal : journals) {
        QFile file(folder + u'/' + QLatin1String(journal.name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(started + journal.mark + '\n');
        QVERIFY(file.flush() && file.setFileTime(now.addSecs(-journal.age), QFileDevice::FileModificationTime));
    }
    m_window.reset();
    m_sale = std::make_unique<SaleJournal>(folder);
    m_sale->Open();
    ShowBoard();
    QVERIFY(openResults());
    QCOMPARE(label("lblSold"), QStringLiteral("1"));
    QCOMPARE(label("lblEarlier"),
             QStringLiteral("1 earlier sale(s) were never ended: their results are still in their journals."));

    Prompts::clear();
    Prompts::queueChoice(0);
    click("cmdOpenEarlier");
    QVERIFY(Prompts::asked().first().text.contains(QStringLiteral("sale-2024-04-01-140000.jsonl")));
    QCOMPARE(label("lblSold"), QStringLiteral("0"));
    QCOMPARE(label("lblPassed"), QStringLiteral("1"));
    QVERIFY(m_sale->filePath().endsWith(QStringLiteral("sale-2024-04-01-140000.jsonl")));
    // The sale that was open is offered in turn.
    QVERIFY(m_sale->earlierSales().first().endsWith(QStringLiteral("sale-2024-05-01-140000.jsonl")));
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
    const QByteArray expected =
        R"([["Position", "Lot", "Note", "Starting bid", "Result", "Hammer", "Time", "Buyer", "Bid reached", "Offers"], )"
        R"(["1", "12", "Oak chest", "95", "Sold", "100", "TIME", "", "", "1"], )"
        R"(["2", "7", "Pair of vases, \"S\u00e8vres\"", "500", "", "", "", "", "", ""], )"
        R"(["3", "31", "Grand piano\nwith stool", "12050", "Passed", "", "TIME", "", "12050", "1"]])";
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
    QCOMPARE(shown, QStringList(
                        {QStringLiteral("\u20AC12.100"), QStringLiteral("Starting bid"), QStringLiteral("\u20AC12.100"),
                         QStringLiteral("Position,Lot,Note,Starting bid (\u20AC),Result,Hammer (\u20AC),Time,Buyer,Bid "
                                        "reached (\u20AC),Offers"),
                         QStringLiteral("report")}));
}

void tst_SaleBoard::run(const QString& steps)
{
    auto* list = m_window->results()->findChild<QTableView*>(QStringLiteral("lstResults"));
    const auto rowOf = [&](int position) {
        list->setCurrentIndex(list->model()->index(position - 1, 0));
        list->selectRow(position - 1);
    };
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString arg = step.section(u':', 1);
        if (step.startsWith(u'#')) {
            QTest::keyClicks(m_window->focusWidget(), step.mid(1));
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Return);
        } else if (step == QLatin1String("Z")) {
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        } else if (step.startsWith(QLatin1String("note:")) || step.startsWith(QLatin1String("del:")) ||
                   step == QLatin1String("rev")) {
            // F3, with a lot editor that hands back the edited copy as the real one does.
            m_window->setLotEditorOpener([&] {
                auto edited = m_settings->LotList->Copy();
                if (step.startsWith(u'n')) {
                    edited->Item(arg.toInt())->Note = QStringLiteral("Corrected");
                } else if (step.startsWith(u'd')) {
                    edited->Remove(arg.toInt());
                } else {
                    auto reversed = std::make_shared<LotCollection>();
                    for (const LotInfoPtr& lot : *edited)
                        reversed->Add(lot, 1);
                    edited = reversed;
                }
                m_settings->LotList = edited;
            });
            QTest::keyClick(m_window->focusWidget(), Qt::Key_F3);
        } else if (step.startsWith(QLatin1String("buyer:"))) {
            const int row = m_window->auctionState().LotIndex() - 1;
            list->model()->setData(list->model()->index(row, ResultsModel::Buyer), arg);
        } else if (step.startsWith(QLatin1String("show:"))) {
            rowOf(arg.toInt());
            click("cmdShowOnBoard");
        } else if (step.startsWith(QLatin1String("wd:"))) {
            rowOf(arg.toInt());
            Prompts::queueAnswer(Prompts::Answer::Yes);
            click("cmdWithdraw");
        } else if (step == QLatin1String("new")) {
            Prompts::queueAnswer(Prompts::Answer::Yes);
            click("cmdNewSale");
        } else {
            press(step);
        }
    }
}

QString tst_SaleBoard::Summary(const QAbstractItemModel& rows)
{
    QStringList out;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString result = rows.index(r, ResultsModel::Result).data().toString();
        if (result.isEmpty())
            continue;
        const QString price = rows.index(r, ResultsModel::Hammer).data(Qt::EditRole).toString() +
                              rows.index(r, ResultsModel::BidReached).data(Qt::EditRole).toString();
        out << QStringLiteral("%1=%2/%3/%4")
                   .arg(rows.index(r, ResultsModel::Lot).data().toString(), result, price,
                        rows.index(r, ResultsModel::Offers).data().toString());
    }
    return out.join(u' ');
}

void tst_SaleBoard::operatorFlows_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("board");   // lot, amount and the stamp's text as the room reads them
    QTest::addColumn<QString>("results"); // lot=outcome/price/offers
    QTest::addColumn<QString>("totals");  // sold, passed, not offered, withdrawn, hammer
    const auto row = [](const char* name, const char* steps, const char* board, const char* results,
                        const char* totals) {
        QTest::newRow(name) << QString::fromUtf8(steps) << QString::fromUtf8(board) << QString::fromUtf8(results)
                            << QString::fromUtf8(totals);
    };

    // Lots 12 (95), 7 (500), 31 (12,050); increments 5 from 0, 10 from 100, 50 from 1,000.
    row("typed lot of the list is the one sold", "R #31 U U 5", "31 110 SOLD 110", "31=Sold/110/1", "1 0 2 0 $110");
    row("typed lot not in the list is sold under its number", "R #14 U 5", "14 100 SOLD 100", "14=Sold/100/1",
        "1 0 3 0 $100");
    row("a sold lot shown again shows its price", "R U U 5 R L", "12 95 SOLD 110", "12=Sold/110/1", "1 0 2 0 $110");
    row("F5 on a sold lot shown again does nothing", "R U U 5 R L 5", "12 95 SOLD 110", "12=Sold/110/1",
        "1 0 2 0 $110");
    row("a new bid on a sold lot shown again re-prices it", "R U U 5 R L U 5", "12 100 SOLD 100", "12=Sold/100/2",
        "1 0 2 0 $100");
    row("Show on Board to a sold lot", "R U 5 R show:1", "12 95 SOLD 100", "12=Sold/100/1", "1 0 2 0 $100");
    row("an edited note keeps the result and the stamp", "R U 5 note:1 R L 5", "12 95 SOLD 100", "12=Sold/100/1",
        "1 0 2 0 $100");
    row("a sold lot deleted from the list keeps its result", "R U 5 del:1 R 5", "31 12050 SOLD 12,050",
        "31=Sold/12050/1 12=Sold/100/1", "2 0 1 0 $12,150");
    row("the list reversed keeps each result with its lot", "R U 5 R 6 rev", "7 500 PASSED",
        "7=Passed/500/1 12=Sold/100/1", "1 1 1 0 $100");
    row("a passed lot keeps the bid it reached", "R R U U 6", "7 520 PASSED 520", "7=Passed/520/1", "0 1 2 0 $0");
    row("sold, then passed, then sold on the same showing", "R U 5 6 U 5", "12 110 SOLD 110", "12=Sold/110/1",
        "1 0 2 0 $110");
    row("passed, then re-offered and sold", "R 6 R L U 5", "12 100 SOLD 100", "12=Sold/100/2", "1 0 2 0 $100");
    row("Ctrl+Z takes the hammer back", "R U 5 Z", "12 100", "12=Cleared//", "0 0 3 0 $0");
    row("Ctrl+Z twice takes back the two last marks", "R U 5 R 6 Z Z", "7 500", "12=Cleared// 7=Cleared//",
        "0 0 3 0 $0");
    row("Ctrl+Z after a correction brings back the first price", "R U 5 U 5 Z", "12 110 SOLD 100", "12=Sold/100/1",
        "1 0 2 0 $100");
    row("withdrawn lots count neither as offered nor as passed", "R 6 wd:1 wd:2", "12 95",
        "12=Withdrawn//1 7=Withdrawn//", "0 0 1 2 $0");
    row("New Sale after marks starts clean", "R U 5 R 6 new", "7 500", "", "0 0 3 0 $0");
    row("New Sale, then the same lot sold again", "R U 5 new L R L 5", "12 95 SOLD 95", "12=Sold/95/1", "1 0 2 0 $95");
}

// Each flow: the board, the results window, and the journal read back by a new run, agree
// with what the room saw.
void tst_SaleBoard::operatorFlows()
{
    QFETCH(QString, steps);
    QFETCH(QString, board);
    QFETCH(QString, results);
    QFETCH(QString, totals);

    QVERIFY(openResults());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    run(steps);

    ResultStamp* shown = stamp(m_window.get());
    QStringList room{QString::number(m_window->findChild<NumberLED*>(QStringLiteral("nledLotNum"))->Caption()),
                     QString::number(m_window->auctionState().Amount())};
    if (shown->isVisible())
        room << ResultStamp::Caption(shown->outcome()) << shown->detail();
    QCOMPARE(room.join(u' ').trimmed(), board);

    const QAbstractItemModel& rows = *m_window->results()->findChild<QTableView*>()->model();
    QCOMPARE(Summary(rows), results);
    QCOMPARE(QStringList({label("lblSold"), label("lblPassed"), label("lblNotOffered"), label("lblWithdrawn"),
                          label("lblHammer")})
                 .join(u' '),
             totals);

    // The journal replayed by another run gives the same results.
    SaleJournal reread(m_sale->directory());
    reread.Open();
    SaleController replayed(*m_settings);
    replayed.setJournal(&reread);
    frmResults again(replayed, *m_settings);
    again.show();
    QCOMPARE(Summary(*again.model()), reread.resumed() ? results : QString());
}

void tst_SaleBoard::boardKeysInTheResultsWindow()
{
    press(QStringLiteral("R U 5 R"));
    m_window.reset();
    m_sale = std::make_unique<SaleJournal>(m_dir->filePath(QStringLiteral("sales")));
    m_sale->Open();
    QVERIFY(m_sale->resumed());
    ShowBoard();
    m_window->ShowResults(false);
    QVERIFY(QTest::qWaitForWindowExposed(m_window->results()));
    // Where the keys go is a matter for the window system (see tst_stamp_xvfb); the board's
    // keys pressed in the results window act on the board's lot.
    press(QStringLiteral("R"));
    QCOMPARE(m_window->auctionState().LotIndex(), 1);
    m_window->results()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window->results()));
    QVERIFY(m_window->results()->findChild<QLabel*>(QStringLiteral("lblNotice"))->isVisible());
    QTest::keyClick(m_window->results(), Qt::Key_F6);
    QCOMPARE(m_sale->record().Find(12)->outcome, LotResult::Outcome::Passed);
}

QTEST_MAIN(tst_SaleBoard)

#include "tst_saleboard.moc"
