// The bid in other currencies where the room reads it: the strip on the audience screen and the
// Currency Board window, as the X server shows them.
#include "common/Prompts.h"
#include "currency/CurrencyRate.h"
#include "currency/CurrencyView.h"
#include "currency/frmCurrencyBoard.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"
#include "support/SaleBoardTest.h"
#include "support/ScreenPixels.h"
#include "support/TestLots.h"
#include "support/XClients.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using namespace ScreenPixels;

CurrencyBoard EightCurrencies(bool on)
{
    CurrencyBoard board;
    board.enabled = on;
    board.saleCode = u"EUR"_s;
    const char* const rows[][4] = {{"USD", "$", "1.0834", "1"},    {"GBP", "£", "0.85215", "1"},
                                   {"CHF", "CHF", "0.9432", "1"},  {"JPY", "¥", "162.5", "1000"},
                                   {"SEK", "kr", "11.2135", "10"}, {"HKD", "HK$", "8.4712", "10"},
                                   {"CNY", "¥", "7.8001", "10"},   {"CAD", "C$", "1.4722", "1"}};
    for (const auto& row : rows)
        board.lines.append({QString::fromUtf8(row[0]), QString::fromUtf8(row[1]),
                            *CurrencyRate::Parse(QString::fromLatin1(row[2])), QByteArray(row[3]).toInt()});
    return board;
}

// Counts the paint passes of one window, and notes the pass in which each watched control painted last.
class PaintPasses : public QObject
{
public:
    explicit PaintPasses(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintPasses() override { qApp->removeEventFilter(this); }

    void Watch(QWidget* control) { m_lastPass.insert(control, -1); }
    int LastPass(QWidget* control) const { return m_lastPass.value(control, -1); }
    int passes() const { return m_passes; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::UpdateRequest)
            ++m_passes;
        if (event->type() == QEvent::Paint && m_lastPass.contains(watched))
            m_lastPass[watched] = m_passes;
        return false;
    }

private:
    QWidget* m_window;
    int m_passes = 0;
    QHash<QObject*, int> m_lastPass;
};

} // namespace

class tst_CurrencyStripXvfb : public SaleBoardTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stripOnlyWhenOn_data();
    void stripOnlyWhenOn();
    void stripChangesWithTheAmount();
    void boardWindowByF7();

private:
    frmAudience* openAudience();
    void press(Qt::Key key) { QTest::keyClick(m_window->focusWidget(), key); }
};

void tst_CurrencyStripXvfb::initTestCase()
{
    Prompts::setTestMode(true);
    QVERIFY(SetMonitors({1920, 1080}, {1920, 1080}));
}

void tst_CurrencyStripXvfb::init()
{
    BeginSale();
    OpenJournal();
    AddLots(*m_settings->LotList, {{12, 3100}, {13, 950}});
    AddIncrements(*m_settings->IncrementList, {{0, 100}});
    m_settings->Currency = u"€"_s;
}

void tst_CurrencyStripXvfb::cleanup()
{
    EndSale();
}

frmAudience* tst_CurrencyStripXvfb::openAudience()
{
    m_window = std::make_unique<frmScoreboard>(*m_settings);
    m_window->setSale(m_sale.get());
    m_window->move(0, 0);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return nullptr;
    press(Qt::Key_Right);
    press(Qt::Key_F12);
    frmAudience* audience = m_window->audience();
    if (!audience || !QTest::qWaitForWindowExposed(audience))
        return nullptr;
    if (!QTest::qWaitFor([audience] { return audience->geometry() == QRect(1920, 0, 1920, 1080); }, 10000))
        return nullptr;
    return audience;
}

void tst_CurrencyStripXvfb::stripOnlyWhenOn_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("withLines");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("never set up") << false << false << false;
    QTest::newRow("set up, turned off") << false << true << false;
    QTest::newRow("on without rates") << true << false << false;
    QTest::newRow("on with eight rates") << true << true << true;
}

// Text in the strip's box only when the board is on and has rates; the amount keeps its place.
void tst_CurrencyStripXvfb::stripOnlyWhenOn()
{
    QFETCH(bool, on);
    QFETCH(bool, withLines);
    QFETCH(bool, drawn);
    frmAudience* audience = openAudience();
    QVERIFY(audience);
    CurrencyBoard board = EightCurrencies(on);
    if (!withLines)
        board.lines.clear();
    m_window->sale().SetCurrencyBoard(board);
    const QRect strip = audience->currencyStripArea();
    QVERIFY(!strip.isEmpty());
    const QImage shot = Shot(audience, strip);
    const int ink = CountNear(shot, LedColors::ToQColor(m_settings->TextColor));
    if (drawn) {
        QVERIFY2(ink > strip.width() / 2, qPrintable(QString::number(ink)));
        QCOMPARE(audience->currencyStrip()->Texts().size(), 8);
        QCOMPARE(audience->currencyStrip()->Texts().at(3), u"≈ JPY ¥ 504,000"_s);
        // Every line lies inside the box, none cut at its right edge: the last column has ink.
        const QImage lastColumn = shot.copy(shot.width() * 3 / 4, 0, shot.width() / 4, shot.height());
        QVERIFY(CountNear(lastColumn, LedColors::ToQColor(m_settings->TextColor)) > 0);
    } else {
        QCOMPARE(ink, 0);
    }
}

// A raise shows in the strip in the same paint pass as on the amount's digits, and the strip's
// pixels change with it.
void tst_CurrencyStripXvfb::stripChangesWithTheAmount()
{
    frmAudience* audience = openAudience();
    QVERIFY(audience);
    m_window->sale().SetCurrencyBoard(EightCurrencies(true));
    const QRect strip = audience->currencyStripArea();
    const QImage before = Shot(audience, strip);

    PaintPasses passes(audience);
    auto* digits = audience->findChild<NumberLED*>(u"nledAmountOnes"_s);
    QVERIFY(digits);
    passes.Watch(digits);
    passes.Watch(audience->currencyStrip());
    press(Qt::Key_Up);
    QTRY_VERIFY(passes.LastPass(digits) > 0);
    QCOMPARE(passes.LastPass(audience->currencyStrip()), passes.LastPass(digits));
    QCOMPARE(audience->currencyStrip()->Texts().at(0), u"≈ USD $ 3,467"_s);
    const QImage after = Shot(audience, strip);
    QVERIFY(after != before);
}

// F7 opens the Currency Board window beside the board once it is set up (before, F7 does
// nothing); its own F11 puts it full screen where it stands, and the board's keys typed into it
// still drive the sale.
void tst_CurrencyStripXvfb::boardWindowByF7()
{
    QVERIFY(openAudience());
    m_window->sale().SetCurrencyBoard(EightCurrencies(false));
    press(Qt::Key_F7);
    QVERIFY(!m_window->currencyBoard());
    m_window->sale().SetCurrencyBoard(EightCurrencies(true));
    press(Qt::Key_F7);
    frmCurrencyBoard* board = m_window->currencyBoard();
    QVERIFY(board);
    QVERIFY(QTest::qWaitForWindowExposed(board));
    QCOMPARE(board->windowTitle(), u"Gavelor - Currency Board"_s);
    const QImage shot = Shot(board, board->rect());
    QVERIFY(CountNear(shot, LedColors::ToQColor(m_settings->LEDAmountColor)) > 100);
    QVERIFY(CountNear(shot, LedColors::ToQColor(m_settings->TextColor)) > 100);

    // The operator moves to it, as to put it on the house's currency screen.
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
    QTest::keyClick(board, Qt::Key_Up);
    QCOMPARE(m_window->sale().Amount(), 3200);
    QCOMPARE(board->view()->Texts().at(0), u"€3,200"_s);
    QTest::keyClick(board, Qt::Key_F11);
    QTRY_VERIFY(board->isFullScreen());
    QTest::keyClick(board, Qt::Key_Escape);
    QTRY_VERIFY(!board->isFullScreen());
    QVERIFY(board->isVisible());
}

GAVELOR_XVFB_TEST_MAIN(tst_CurrencyStripXvfb,
                       (QStringList{u"-screen"_s, u"0"_s, u"3840x1080x24"_s, u"-dpi"_s, u"96"_s}))

#include "tst_currencystrip_xvfb.moc"
