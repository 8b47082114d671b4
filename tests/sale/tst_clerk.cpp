// The clerk's desk driven through the real scoreboard and results window: the paddle asked for
// after F5, the reserve-met mark, selling below the reserve and buying in, and what of it reaches
// the journal, the results and the feed.
#include "common/Prompts.h"
#include "feed/LiveFeed.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleController.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PaddleEntry.h"
#include "scoreboard/ResultStamp.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmOptions.h"
#include "support/SaleBoardTest.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_Clerk : public SaleBoardTest
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void cleanup();

    void paddleAtTheHammer_data();
    void paddleAtTheHammer();
    void paddleNeverOpensWithoutTheOption();
    void paddleQuestionGoesWithItsLot();
    void askPaddleOption_data();
    void askPaddleOption();
    void reserve_data();
    void reserve();
    void reserveResultsSurviveARestart();
    void reserveNeverReachesTheFeed();
    void journalLinesOfLaterVersions_data();
    void journalLinesOfLaterVersions();

private:
    QString resultText(qint32 lotNumber);
};

void tst_Clerk::init()
{
    BeginSale();
    // Lot 12 has no reserve, lot 7 a reserve of 520 over a starting bid of 500.
    AddLots(*m_settings->LotList, {{12, 95, QStringLiteral("Oak chest")}, {7, 500, QStringLiteral("Vases")}});
    m_settings->LotList->Item(2)->Reserve = 520;
    AddIncrements(*m_settings->IncrementList, {{0, 5}, {100, 10}});
    m_settings->AskPaddle = true;
    OpenJournal();
    ShowBoard();
}

void tst_Clerk::cleanup()
{
    EndSale();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QString tst_Clerk::resultText(qint32 lotNumber)
{
    m_window->ShowResults(false);
    const QAbstractItemModel* rows = m_window->results()->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        if (rows->index(row, ResultsModel::Lot).data().toInt() == lotNumber)
            return rows->index(row, ResultsModel::Result).data().toString();
    }
    return {};
}

void tst_Clerk::paddleAtTheHammer_data()
{
    QTest::addColumn<QString>("typed");  // into the paddle entry; "\x1b" and "\r" are keys
    QTest::addColumn<QString>("buyer");  // recorded for lot 12
    QTest::addColumn<QString>("detail"); // under the stamp's word
    QTest::addColumn<int>("lotTyped");   // the lot display afterwards

    QTest::newRow("Enter records the paddle") << "112\r"
                                              << "112" << QStringLiteral("100 \u00B7 112") << 12;
    QTest::newRow("Esc skips it") << "112\x1b"
                                  << ""
                                  << "100" << 12;
    QTest::newRow("letters and digits") << "A7b\r"
                                        << "A7b" << QStringLiteral("100 \u00B7 A7b") << 12;
    QTest::newRow("twelve characters at most") << "1234567890ABCDE\r"
                                               << "1234567890AB" << QStringLiteral("100 \u00B7 1234567890AB") << 12;
    QTest::newRow("signs and blanks are not taken") << "1-2 3.\r"
                                                    << "123" << QStringLiteral("100 \u00B7 123") << 12;
    QTest::newRow("Enter on nothing skips it") << "\r"
                                               << ""
                                               << "100" << 12;
    // Once closed, digits go to the lot display again.
    QTest::newRow("lot typing comes back after Esc") << "4\x1b"
                                                        "31\r"
                                                     << ""
                                                     << "" << 31;
}

void tst_Clerk::paddleAtTheHammer()
{
    QFETCH(QString, typed);
    QFETCH(QString, buyer);
    QFETCH(QString, detail);
    QFETCH(int, lotTyped);

    PaddleEntry* entry = m_window->paddleEntry();
    QVERIFY(!entry->isVisible());
    press(QStringLiteral("R U 5"));
    QVERIFY(entry->isVisible());
    QCOMPARE(m_window->focusWidget(), entry);
    // While it is open the board's keys wait: no lot step, no raise, no mark.
    QTest::keyClick(m_window->focusWidget(), Qt::Key_Up);
    QTest::keyClick(m_window->focusWidget(), Qt::Key_F6);
    QCOMPARE(m_window->sale().Amount(), 100);
    QCOMPARE(m_window->sale().stamp().outcome, LotResult::Outcome::Sold);

    // "\r" is Enter, "\x1b" Esc.
    for (QChar c : typed) {
        if (c == u'\r' || c == u'\x1b')
            QTest::keyClick(m_window->focusWidget(), c == u'\r' ? Qt::Key_Return : Qt::Key_Escape);
        else
            QTest::keyClicks(m_window->focusWidget(), QString(c));
    }
    QCOMPARE(m_sale->record().Find(12)->buyer, buyer);
    if (!detail.isEmpty()) {
        QVERIFY(!entry->isVisible());
        auto* stamp = m_window->findChild<ResultStamp*>();
        QCOMPARE(stamp->outcome(), ResultStamp::Outcome::Sold);
        QCOMPARE(stamp->detail(), detail);
    }
    QCOMPARE(m_window->findChild<NumberLED*>(QStringLiteral("nledLotNum"))->Caption(), lotTyped);
}

void tst_Clerk::paddleNeverOpensWithoutTheOption()
{
    m_settings->AskPaddle = false;
    press(QStringLiteral("R U 5"));
    QVERIFY(!m_window->paddleEntry()->isVisible());
    QCOMPARE(m_window->sale().stamp().outcome, LotResult::Outcome::Sold);
    // Digits go on to the lot display as always.
    QTest::keyClicks(m_window->focusWidget(), QStringLiteral("3"));
    QTest::keyClick(m_window->focusWidget(), Qt::Key_Return);
    QCOMPARE(m_window->findChild<NumberLED*>(QStringLiteral("nledLotNum"))->Caption(), 3);
}

// Show on Board from the results window puts another lot up while the question is open.
void tst_Clerk::paddleQuestionGoesWithItsLot()
{
    press(QStringLiteral("R 5"));
    QVERIFY(m_window->paddleEntry()->isOpen());
    QTest::keyClicks(m_window->paddleEntry(), QStringLiteral("9"));
    m_window->ShowLotAt(2);
    QVERIFY(!m_window->paddleEntry()->isOpen());
    QVERIFY(m_sale->record().Find(12)->buyer.isEmpty());
    QVERIFY(!m_sale->record().Find(7));
}

void tst_Clerk::askPaddleOption_data()
{
    QTest::addColumn<QString>("stored"); // "AskPaddle" before; empty: absent
    QTest::addColumn<QString>("steps");  // t ticks or unticks the box, r is Reset Settings
    QTest::addColumn<QString>("after");  // "AskPaddle" after OK; empty: absent
    QTest::newRow("left alone: nothing written") << ""
                                                 << ""
                                                 << "";
    QTest::newRow("ticked") << ""
                            << "t"
                            << "1";
    QTest::newRow("Reset Settings leaves it") << ""
                                              << "t r"
                                              << "1";
    QTest::newRow("unticked again: written as off") << "1"
                                                    << "t"
                                                    << "0";
}

void tst_Clerk::askPaddleOption()
{
    QFETCH(QString, stored);
    QFETCH(QString, steps);
    QFETCH(QString, after);
    const QString section = QStringLiteral("ClerkSettings");
    if (!stored.isEmpty())
        m_store->Save(section, QStringLiteral("AskPaddle"), stored);
    m_settings->LoadAllSettings();
    frmOptions options(*m_settings, nullptr);
    options.show();
    QVERIFY(QTest::qWaitForWindowExposed(&options));
    options.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    auto* box = options.findChild<QCheckBox*>(QStringLiteral("chkAskPaddle"));
    QCOMPARE(box->isChecked(), stored == QStringLiteral("1"));
    // Left of "Reset Settings", on the same line.
    auto* reset = options.findChild<QPushButton*>(QStringLiteral("cmdResetKeys"));
    QVERIFY(box->geometry().right() < reset->geometry().left() && box->y() == reset->y());
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts))
        QTest::mouseClick(step == u't' ? static_cast<QAbstractButton*>(box) : reset, Qt::LeftButton, {},
                          step == u't' ? QPoint(8, box->height() / 2) : QPoint());
    QTest::mouseClick(options.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    QCOMPARE(m_store->Get(section, QStringLiteral("AskPaddle"), QString()), after);
    QCOMPARE(m_settings->AskPaddle, after == QStringLiteral("1"));
}

void tst_Clerk::reserve_data()
{
    QTest::addColumn<QString>("keys");   // lot 7 (reserve 520, starting 500, increment 10) is second
    QTest::addColumn<int>("answer");     // to "sell below the reserve?": -1 not asked, 0 No, 1 Yes
    QTest::addColumn<bool>("markShown"); // the reserve-met mark after the keys
    QTest::addColumn<QString>("result"); // the results window's Result of the lot on show
    QTest::addColumn<QString>("flags");  // the mark's journal line: belowReserve, boughtIn

    QTest::newRow("no reserve: no mark, no question") << "R U" << -1 << false << ""
                                                      << "";
    QTest::newRow("below the reserve: no mark") << "R R U" << -1 << false << ""
                                                << "";
    QTest::newRow("at the reserve: the mark") << "R R U U" << -1 << true << ""
                                              << "";
    QTest::newRow("taken back under it: gone") << "R R U U D" << -1 << false << ""
                                               << "";
    QTest::newRow("sold at the reserve is a sale") << "R R U U 5" << -1 << true << "Sold"
                                                   << "";
    QTest::newRow("below, Yes: sold below reserve") << "R R U 5" << 1 << false << "Sold below reserve"
                                                    << "belowReserve";
    QTest::newRow("below, No: the lot stays unsold") << "R R U 5" << 0 << false << ""
                                                     << "none";
    QTest::newRow("F6 on a reserve: bought in at the bid") << "R R U 6" << -1 << false << "Bought in at 510"
                                                           << "boughtIn";
    QTest::newRow("F6 without a reserve: passed") << "R U 6" << -1 << false << "Passed"
                                                  << "";
    QTest::newRow("F6 then F5 over it: sold") << "R R U 6 U 5" << -1 << true << "Sold"
                                              << "";
}

void tst_Clerk::reserve()
{
    QFETCH(QString, keys);
    QFETCH(int, answer);
    QFETCH(bool, markShown);
    QFETCH(QString, result);
    QFETCH(QString, flags);

    m_settings->AskPaddle = false;
    if (answer >= 0)
        Prompts::queueAnswer(answer ? Prompts::Answer::Yes : Prompts::Answer::No);
    press(keys);
    QCOMPARE(Prompts::asked().size(), answer >= 0 ? 1 : 0);
    if (answer >= 0)
        QVERIFY(Prompts::asked().first().yesNo);
    QCOMPARE(m_window->reserveMark()->isVisible(), markShown);
    const qint32 lot = m_window->sale().LotNumber();
    QCOMPARE(resultText(lot), result);
    // Unsold after No: the board shows no stamp and the bid stays for the next call.
    if (flags == QStringLiteral("none")) {
        QCOMPARE(m_window->sale().stamp().outcome, LotResult::Outcome::None);
        QCOMPARE(m_window->sale().Amount(), 510);
        return;
    }
    QFile file(m_sale->filePath());
    QByteArray last;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.contains("\"sold\"") || line.contains("\"passed\""))
                last = line;
    }
    QCOMPARE(last.contains("\"belowReserve\":1"), flags == QStringLiteral("belowReserve"));
    QCOMPARE(last.contains("\"boughtIn\":1"), flags == QStringLiteral("boughtIn"));
}

// The journal's new fields are whole numbers a reader passes over; this one reads them back.
void tst_Clerk::reserveResultsSurviveARestart()
{
    m_settings->AskPaddle = false;
    press(QStringLiteral("R R 6 R"));
    Prompts::queueAnswer(Prompts::Answer::Yes);
    press(QStringLiteral("L L 5"));
    m_window.reset();
    const QString directory = m_sale->directory();
    m_sale.reset();
    SaleJournal reread(directory);
    reread.Open();
    QVERIFY(reread.record().Find(7)->boughtIn);
    QVERIFY(!reread.record().Find(7)->belowReserve);
    QCOMPARE(reread.record().Find(12)->outcome, LotResult::Outcome::Sold);
    QVERIFY(!reread.record().Find(12)->belowReserve);
}

void tst_Clerk::reserveNeverReachesTheFeed()
{
    m_window.reset();
    m_settings->AskPaddle = false;
    m_settings->LotList->Item(2)->Reserve = 87654;
    LiveFeed feed(*m_store);
    m_window = std::make_unique<frmScoreboard>(*m_settings);
    m_window->setSale(m_sale.get());
    m_window->setLiveFeed(&feed, {});
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QStringList states;
    for (const QString& keys :
         {QStringLiteral("R R"), QStringLiteral("U"), QStringLiteral("6"), QStringLiteral("U 5")}) {
        if (keys.endsWith(u'5'))
            Prompts::queueAnswer(Prompts::Answer::Yes);
        press(keys);
        states << QString::fromUtf8(feed.hub().CurrentState().ToJson("state"));
    }
    QCOMPARE(m_sale->record().Find(7)->belowReserve, true);
    for (const QString& state : states) {
        FeedState read;
        QVERIFY(FeedState::FromJson(state.toUtf8(), &read));
        QCOMPARE(read.lotNumber, 7);
        QVERIFY2(!state.contains(QStringLiteral("87654")) && !state.contains(QStringLiteral("87,654")) &&
                     !state.contains(QStringLiteral("reserve"), Qt::CaseInsensitive) &&
                     !state.contains(QStringLiteral("bought"), Qt::CaseInsensitive),
                 qPrintable(state));
    }
    m_window.reset();
}

void tst_Clerk::journalLinesOfLaterVersions_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("read");
    QTest::addColumn<bool>("boughtIn");
    QTest::newRow("bought in") << QByteArray(R"({"event":"passed","lot":7,"amount":510,"boughtIn":1})") << true << true;
    QTest::newRow("a number it does not know")
        << QByteArray(R"({"event":"passed","lot":7,"amount":510,"later":5})") << true << false;
    QTest::newRow("a text it does not know")
        << QByteArray(R"({"event":"passed","lot":7,"later":"a \"b\"","amount":510})") << true << false;
    QTest::newRow("a broken text is still no record")
        << QByteArray(R"({"event":"passed","lot":7,"later":"ab,"amount":510})") << false << false;
    QTest::newRow("an event it does not know is no record")
        << QByteArray(R"({"event":"hammered","lot":7})") << false << false;
}

void tst_Clerk::journalLinesOfLaterVersions()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, read);
    QFETCH(bool, boughtIn);
    const std::optional<SaleEvent> event = SaleEvent::FromJsonLine(line);
    QCOMPARE(event.has_value(), read);
    if (read) {
        QCOMPARE(event->amount, 510);
        QCOMPARE(event->boughtIn, boughtIn);
    }
}

QTEST_MAIN(tst_Clerk)
#include "tst_clerk.moc"
