// The clerk's marks as the X server shows them, on the operator's board and on the audience
// screen (one wide Xvfb screen split into two monitors): the paddle after the price under the
// room's stamp, the paddle entry and the reserve-met mark on the operator's board alone.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/PaddleEntry.h"
#include "scoreboard/ResultStamp.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"
#include "support/SaleBoardTest.h"
#include "support/ScreenPixels.h"
#include "support/TestLots.h"
#include "support/XClients.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_ClerkXvfb : public SaleBoardTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void paddleAfterThePriceOnBothViews();
    void operatorsMarksStayOffTheRoom();

private:
    bool ShowWithAudience();
    void Press(Qt::Key key) { QTest::keyClick(m_window->focusWidget(), key); }
};

namespace {

using namespace ScreenPixels;

QRect NoteBox(QWidget* window)
{
    auto* note = window->findChild<QPlainTextEdit*>(QStringLiteral("txtNote"));
    return {note->mapTo(window, QPoint(0, 0)), note->size()};
}

// How wide the stamp's ink runs below its word, in the note box as the server has it.
int DetailWidth(QWidget* window, const QColor& ink)
{
    const QRect box = NoteBox(window);
    const double baseline = ResultStamp::WordBand(box.size(), true).second;
    const QRect detail(box.x(), box.y() + static_cast<int>(baseline) + box.height() / 20, box.width(),
                       box.height() - static_cast<int>(baseline) - box.height() / 20);
    const QImage shot = Shot(window, detail);
    int left = shot.width();
    int right = -1;
    // The frame around the stamp runs the whole width: the columns near the edges are left out.
    const int margin = shot.width() / 8;
    for (int y = 0; y < shot.height() * 4 / 5; ++y)
        for (int x = margin; x < shot.width() - margin; ++x)
            if (Distance(shot.pixelColor(x, y), ink) < 40) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right >= left ? right - left + 1 : 0;
}

} // namespace

void tst_ClerkXvfb::initTestCase()
{
    Prompts::setTestMode(true);
    QVERIFY(SetMonitors({1920, 1080}, {1920, 1080}));
    QTRY_COMPARE(QGuiApplication::screens().size(), 2);
}

void tst_ClerkXvfb::init()
{
    BeginSale();
    AddLots(*m_settings->LotList, {{12, 3100, QStringLiteral("Walnut bureau")}, {13, 100, QStringLiteral("Clock")}});
    // Met from the start: the starting bid is the reserve.
    m_settings->LotList->Item(2)->Reserve = 100;
    m_settings->AskPaddle = true;
    OpenJournal();
    m_window = std::make_unique<frmScoreboard>(*m_settings);
    m_window->setSale(m_sale.get());
}

void tst_ClerkXvfb::cleanup()
{
    EndSale();
}

bool tst_ClerkXvfb::ShowWithAudience()
{
    m_window->move(100, 100);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return false;
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return false;
    Press(Qt::Key_F12);
    return m_window->audience() && QTest::qWaitForWindowExposed(m_window->audience());
}

void tst_ClerkXvfb::paddleAfterThePriceOnBothViews()
{
    QVERIFY(ShowWithAudience());
    Press(Qt::Key_Right);
    Press(Qt::Key_F5);
    QTest::qWait(300);
    const QColor sold = LedColors::ToQColor(m_settings->ShownSoldColor());
    QWidget* audience = m_window->audience();
    const int priceAlone = DetailWidth(audience, sold);

    QTest::keyClicks(m_window->paddleEntry(), QStringLiteral("112"));
    Press(Qt::Key_Return);
    QTest::qWait(300);
    for (QWidget* view : {static_cast<QWidget*>(m_window.get()), audience}) {
        auto* stamp = view->findChild<ResultStamp*>();
        QCOMPARE(stamp->detail(), QStringLiteral("3,100 \u00B7 112"));
    }
    // The paddle is drawn after the price: the line under the word runs wider, on the room's
    // screen as on the board.
    const int withPaddle = DetailWidth(audience, sold);
    QVERIFY2(priceAlone > 0 && withPaddle > priceAlone * 3 / 2,
             qPrintable(QStringLiteral("%1 -> %2").arg(priceAlone).arg(withPaddle)));
    QVERIFY(DetailWidth(m_window.get(), sold) > 0);
}

void tst_ClerkXvfb::operatorsMarksStayOffTheRoom()
{
    QVERIFY(ShowWithAudience());
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    QTest::qWait(300);
    // The reserve-met mark's green fills its box on the board.
    const QColor green(0x00, 0x64, 0x00);
    QLabel* mark = m_window->reserveMark();
    const QRect markBox(mark->mapTo(m_window.get(), QPoint(0, 0)), mark->size());
    QVERIFY(mark->isVisible());
    QVERIFY(CountNear(Shot(m_window.get(), markBox), green, 40) > markBox.width() * markBox.height() / 3);
    QWidget* audience = m_window->audience();
    const QImage withReserve = audience->screen()->grabWindow(audience->winId()).toImage();

    // The same lot without a reserve: the mark is gone from the board, and the room's screen is
    // the very same picture.
    m_settings->LotList->Item(2)->Reserve.reset();
    Press(Qt::Key_Left);
    Press(Qt::Key_Right);
    QTest::qWait(300);
    QVERIFY(!mark->isVisible());
    QVERIFY(CountNear(Shot(m_window.get(), markBox), green, 40) < markBox.width() * markBox.height() / 20);
    QCOMPARE(audience->screen()->grabWindow(audience->winId()).toImage(), withReserve);

    // The paddle entry shows on the board; the room's screen is the same with it open and closed.
    Press(Qt::Key_F5);
    QTest::qWait(300);
    PaddleEntry* entry = m_window->paddleEntry();
    QVERIFY(entry->isVisible());
    const QRect editBox(entry->mapTo(m_window.get(), QPoint(0, 0)), entry->size());
    QVERIFY(CountNear(Shot(m_window.get(), editBox), entry->palette().color(QPalette::Base), 40) >
            editBox.width() * editBox.height() / 2);
    // It scales with the board, as the controls round it do.
    const int before = entry->height();
    m_window->resize(m_window->size() * 3 / 2);
    QTest::qWait(300);
    QVERIFY2(entry->height() > before * 5 / 4, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(entry->height())));
    m_window->resize(m_window->size() * 2 / 3);
    QTest::qWait(300);
    const QImage entryOpen = audience->screen()->grabWindow(audience->winId()).toImage();
    Press(Qt::Key_Escape);
    QTest::qWait(300);
    QVERIFY(!entry->isVisible());
    QCOMPARE(audience->screen()->grabWindow(audience->winId()).toImage(), entryOpen);
}

GAVELOR_XVFB_TEST_MAIN(tst_ClerkXvfb,
                       (QStringList{QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("3840x1080x24")}))

#include "tst_clerk_xvfb.moc"
