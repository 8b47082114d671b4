#include "BuildInfo.h"
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>
#include <random>

namespace {

// Counts the paint events that each watched widget receives.
class PaintCounter : public QObject
{
public:
    std::map<const QObject*, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
};

} // namespace

class tst_Scoreboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnNoLot();
    void lotStepping();
    void emptyLotList();
    void raiseAndTakeBack();
    void raiseStopsAtTheCap();
    void keysReachCommandsOnlyWhereTheyShould();
    void showAmount_data();
    void showAmount();
    void amountTyping_data();
    void amountTyping();
    void typedAmountCrossesLotChange();
    void committedAmountKeepsHistory();
    void lotNumberTyping();
    void lotNumberTypingAcrossLotChange();
    void focusOrder();
    void clickOnAmountDisplaysFocusesAmountArea_data();
    void clickOnAmountDisplaysFocusesAmountArea();
    void functionKeysOpenTheirWindows();
    void optionsClosedReappliesLook();
    void optionsCancelledReappliesLook();
    void lotEditorLeavesLotOnShow();
    void functionKeysWithoutOpenersDoNothing();
    void colours();
    void closingEmitsUnloaded();
    void f11TogglesFullScreen();
    void layoutFollowsWindowSize();
    void upRepaintsOnlyTheAmount();
    void tenThousandRandomKeys();

private:
    template <typename T> T* control(const char* name) const
    {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    NumberLED* lotDisplay() const { return control<NumberLED>("nledLotNum"); }
    NumberLED* thousands() const { return control<NumberLED>("nledAmountThousands"); }
    NumberLED* ones() const { return control<NumberLED>("nledAmountOnes"); }
    QLabel* comma() const { return control<QLabel>("lblAmountComma"); }
    QWidget* amountArea() const { return control<QWidget>("picAmountBack"); }
    QPlainTextEdit* note() const { return control<QPlainTextEdit>("txtNote"); }

    // Digits, ' ' Space, E Enter, + - . as their keys; on the keypad when asked.
    void typeKeys(QWidget* target, const QString& keys, bool keypad = false);
    // The amount as the displays show it.
    int shownAmount() const;
    void checkDisplaysMatchState();

    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<frmScoreboard> m_window;
};

void tst_Scoreboard::initTestCase()
{
    Prompts::setTestMode(true);
}

void tst_Scoreboard::init()
{
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
    AddLots(*m_settings->LotList, {{12, 95, QStringLiteral("Oak chest")},
                                   {7, 999990, QStringLiteral("Pair of vases")},
                                   {31, 12050, QStringLiteral("Grand piano\nwith stool")}});
    AddIncrements(*m_settings->IncrementList, {{0, 5}, {100, 10}, {1000, 50}});
    m_window = std::make_unique<frmScoreboard>(*m_settings);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_Scoreboard::cleanup()
{
    m_window.reset();
    m_settings.reset();
    m_store.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Scoreboard::typeKeys(QWidget* target, const QString& keys, bool keypad)
{
    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
    for (QChar key : keys) {
        if (key.isDigit())
            QTest::keyClick(target, Qt::Key(Qt::Key_0 + key.digitValue()), modifiers);
        else if (key == u' ')
            QTest::keyClick(target, Qt::Key_Space);
        else if (key == u'E')
            QTest::keyClick(target, keypad ? Qt::Key_Enter : Qt::Key_Return, modifiers);
        else if (key == u'+')
            QTest::keyClick(target, Qt::Key_Plus, modifiers);
        else if (key == u'-')
            QTest::keyClick(target, Qt::Key_Minus, modifiers);
        else if (key == u'.')
            QTest::keyClick(target, Qt::Key_Period, modifiers);
        else // the digit row's shifted symbols
            QTest::keyClick(target, key.toLatin1(), Qt::ShiftModifier);
    }
}

int tst_Scoreboard::shownAmount() const
{
    return std::max(0, thousands()->Caption()) * 1000 + ones()->Caption();
}

void tst_Scoreboard::checkDisplaysMatchState()
{
    const AuctionState& state = m_window->auctionState();
    const int amount = state.Amount();
    QVERIFY(amount >= 0 && amount <= 999999);
    QVERIFY(state.History().size() <= 101);
    QCOMPARE(shownAmount(), amount);
    QCOMPARE(thousands()->Caption(), amount >= 1000 ? amount / 1000 : -1);
    QCOMPARE(ones()->ZeroFill(), amount >= 1000);
    QCOMPARE(comma()->isHidden(), amount < 1000);
    const LotInfoPtr lot = m_settings->LotList->Item(state.LotIndex());
    QCOMPARE(note()->toPlainText(), lot ? lot->Note : QString());
    QVERIFY(lotDisplay()->Caption() >= 0 && lotDisplay()->Caption() <= 9999);
}

void tst_Scoreboard::opensOnNoLot()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Gavelor by ") + QLatin1String(BuildInfo::MakerUrl));
    QCOMPARE(control<QLabel>("lblCreatedBy")->text(), QLatin1String(BuildInfo::MakerUrl));
    QCOMPARE(control<QLabel>("lblLotNum")->text(), QStringLiteral("Lot #:"));
    QCOMPARE(control<QLabel>("lblAmountDollar")->text(), QStringLiteral("$"));
    QCOMPARE(comma()->text(), QStringLiteral(","));
    QCOMPARE(lotDisplay()->Caption(), 0);
    QCOMPARE(lotDisplay()->Digits(), 4);
    QCOMPARE(thousands()->Caption(), -1);
    QCOMPARE(ones()->Caption(), 0);
    QVERIFY(comma()->isHidden());
    QCOMPARE(note()->toPlainText(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(lotDisplay()));
    QCOMPARE(m_window->auctionState().LotIndex(), 0);
}

void tst_Scoreboard::lotStepping()
{
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QCOMPARE(lotDisplay()->Caption(), 12);
    QCOMPARE(shownAmount(), 95);
    QCOMPARE(note()->toPlainText(), QStringLiteral("Oak chest"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QCOMPARE(lotDisplay()->Caption(), 31);
    QCOMPARE(thousands()->Caption(), 12);
    QCOMPARE(ones()->Caption(), 50);
    QCOMPARE(note()->toPlainText(), QStringLiteral("Grand piano\nwith stool"));
    QTest::keyClick(lotDisplay(), Qt::Key_Left);
    QTest::keyClick(lotDisplay(), Qt::Key_Left);
    QCOMPARE(lotDisplay()->Caption(), 12);
    QTest::keyClick(lotDisplay(), Qt::Key_Left);
    QCOMPARE(lotDisplay()->Caption(), 12);
    QCOMPARE(m_window->auctionState().LotIndex(), 1);
    checkDisplaysMatchState();
}

void tst_Scoreboard::emptyLotList()
{
    m_settings->LotList = std::make_shared<LotCollection>();
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_Left);
    QCOMPARE(lotDisplay()->Caption(), 0);
    QCOMPARE(shownAmount(), 0);
    QCOMPARE(m_window->auctionState().LotIndex(), 0);
    // The bid still rises, by the table.
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    QCOMPARE(shownAmount(), 5);
}

void tst_Scoreboard::raiseAndTakeBack()
{
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QCOMPARE(shownAmount(), 95);
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    QCOMPARE(shownAmount(), 100);
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    QCOMPARE(shownAmount(), 110);
    QTest::keyClick(lotDisplay(), Qt::Key_Down);
    QCOMPARE(shownAmount(), 100);
    QTest::keyClick(lotDisplay(), Qt::Key_Down);
    QCOMPARE(shownAmount(), 95);
    QTest::keyClick(lotDisplay(), Qt::Key_Down);
    QCOMPARE(shownAmount(), 95);
    // A lot step starts a fresh history.
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_Left);
    QTest::keyClick(lotDisplay(), Qt::Key_Down);
    QCOMPARE(shownAmount(), 95);
}

void tst_Scoreboard::raiseStopsAtTheCap()
{
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QCOMPARE(shownAmount(), 999990);
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    QCOMPARE(thousands()->Caption(), 999);
    QCOMPARE(ones()->Caption(), 999);
    m_settings->IncrementList = std::make_shared<IncrementCollection>();
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    QCOMPARE(shownAmount(), 999999);
    QTest::keyClick(lotDisplay(), Qt::Key_Down);
    QTest::keyClick(lotDisplay(), Qt::Key_Down);
    QCOMPARE(shownAmount(), 999990);
}

void tst_Scoreboard::keysReachCommandsOnlyWhereTheyShould()
{
    // The lot display, the amount area and the window itself run commands.
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    QCOMPARE(shownAmount(), 5);
    amountArea()->setFocus();
    QTest::keyClick(amountArea(), Qt::Key_Up);
    QCOMPARE(shownAmount(), 10);
    QTest::keyClick(amountArea(), Qt::Key_Up, Qt::KeypadModifier); // keypad 8 with NumLock off
    QCOMPARE(shownAmount(), 15);
    QApplication::focusWidget()->clearFocus();
    QCOMPARE(m_window->focusWidget(), nullptr);
    QTest::keyClick(m_window.get(), Qt::Key_Up);
    QCOMPARE(shownAmount(), 20);

    // An amount display has no key handling, and keys left over by the note box do
    // not reach the window's commands.
    ones()->setFocus();
    QTest::keyClick(ones(), Qt::Key_Up);
    QTest::keyClick(thousands(), Qt::Key_Right);
    note()->setFocus();
    QTest::keyClick(note(), Qt::Key_F5);
    QTest::keyClick(m_window.get(), Qt::Key_Up);
    QCOMPARE(shownAmount(), 20);
    QCOMPARE(lotDisplay()->Caption(), 0);
}

void tst_Scoreboard::showAmount_data()
{
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("thousandsCaption");
    QTest::addColumn<int>("onesCaption");
    QTest::addColumn<bool>("zeroFill");
    QTest::newRow("0") << 0 << -1 << 0 << false;
    QTest::newRow("5") << 5 << -1 << 5 << false;
    QTest::newRow("999") << 999 << -1 << 999 << false;
    QTest::newRow("1000") << 1000 << 1 << 0 << true;
    QTest::newRow("1005") << 1005 << 1 << 5 << true;
    QTest::newRow("12050") << 12050 << 12 << 50 << true;
    QTest::newRow("999999") << 999999 << 999 << 999 << true;
}

void tst_Scoreboard::showAmount()
{
    QFETCH(int, amount);
    QFETCH(int, thousandsCaption);
    QFETCH(int, onesCaption);
    QFETCH(bool, zeroFill);
    // From a large amount first, so that separator and zero fill must really change.
    typeKeys(amountArea(), QStringLiteral("123456E"));
    typeKeys(amountArea(), QString::number(amount) + u'E');
    QCOMPARE(thousands()->Caption(), thousandsCaption);
    QCOMPARE(ones()->Caption(), onesCaption);
    QCOMPARE(ones()->ZeroFill(), zeroFill);
    QVERIFY(!thousands()->ZeroFill());
    QCOMPARE(comma()->isVisible(), amount >= 1000);
}

void tst_Scoreboard::amountTyping_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("expected");
    QTest::newRow("main keyboard") << "1250E" << false << 1250;
    QTest::newRow("keypad") << "1250E" << true << 1250;
    QTest::newRow("seven digits dropped") << "1234567E" << false << 95;
    QTest::newRow("space restarts") << "12 7E" << false << 7;
    QTest::newRow("signs and points ignored") << "3+.-4E" << true << 34;
    QTest::newRow("digit row with Shift") << "!)@(E" << false << 1029;
}

void tst_Scoreboard::amountTyping()
{
    QFETCH(QString, keys);
    QFETCH(bool, keypad);
    QFETCH(int, expected);
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    amountArea()->setFocus();
    // Nothing shows while typing.
    typeKeys(amountArea(), keys.chopped(1), keypad);
    QCOMPARE(shownAmount(), 95);
    typeKeys(amountArea(), QStringLiteral("E"), keypad);
    QCOMPARE(shownAmount(), expected);
    QVERIFY(m_window->auctionState().TypedAmount().isEmpty());
    // Typing on the amount area never touches the lot display.
    QCOMPARE(lotDisplay()->Caption(), 12);
}

void tst_Scoreboard::typedAmountCrossesLotChange()
{
    typeKeys(amountArea(), QStringLiteral("42"));
    QTest::keyClick(amountArea(), Qt::Key_Right);
    QCOMPARE(shownAmount(), 95);
    typeKeys(amountArea(), QStringLiteral("E"));
    QCOMPARE(shownAmount(), 42);
    QCOMPARE(lotDisplay()->Caption(), 12);
    QCOMPARE(note()->toPlainText(), QStringLiteral("Oak chest"));
}

void tst_Scoreboard::committedAmountKeepsHistory()
{
    QTest::keyClick(amountArea(), Qt::Key_Right);
    QTest::keyClick(amountArea(), Qt::Key_Up);
    typeKeys(amountArea(), QStringLiteral("1250E"));
    QCOMPARE(shownAmount(), 1250);
    QTest::keyClick(amountArea(), Qt::Key_Down);
    QCOMPARE(shownAmount(), 95);
}

void tst_Scoreboard::lotNumberTyping()
{
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    typeKeys(lotDisplay(), QStringLiteral("123E"));
    QCOMPARE(lotDisplay()->Caption(), 123);
    typeKeys(lotDisplay(), QStringLiteral("+5"), true);
    QCOMPARE(lotDisplay()->Caption(), 128);
    typeKeys(lotDisplay(), QStringLiteral("-9"));
    QCOMPARE(lotDisplay()->Caption(), 119);
    typeKeys(lotDisplay(), QStringLiteral("12345E"));
    QCOMPARE(lotDisplay()->Caption(), 119);
    typeKeys(lotDisplay(), QStringLiteral("+E"));
    QCOMPARE(lotDisplay()->Caption(), 119);
    // Only the display changed: lot, amount and note stay.
    QCOMPARE(m_window->auctionState().LotIndex(), 1);
    QCOMPARE(shownAmount(), 95);
    QCOMPARE(note()->toPlainText(), QStringLiteral("Oak chest"));
    // The next lot step shows the lot's own number.
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QCOMPARE(lotDisplay()->Caption(), 7);
}

void tst_Scoreboard::lotNumberTypingAcrossLotChange()
{
    typeKeys(lotDisplay(), QStringLiteral("42"));
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QCOMPARE(lotDisplay()->Caption(), 12);
    typeKeys(lotDisplay(), QStringLiteral("E"));
    QCOMPARE(lotDisplay()->Caption(), 42);
    QCOMPARE(shownAmount(), 95);
}

void tst_Scoreboard::focusOrder()
{
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(lotDisplay()));
    // The note last, so that a screen reader can read it; Tab leaves it again.
    const QList<QWidget*> order{amountArea(), ones(), thousands(), note(), lotDisplay()};
    for (QWidget* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    // Tab moves the focus and runs no command.
    QCOMPARE(shownAmount(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(note()));
}

void tst_Scoreboard::clickOnAmountDisplaysFocusesAmountArea_data()
{
    QTest::addColumn<bool>("onOnes");
    QTest::addColumn<int>("button");
    QTest::newRow("ones, left") << true << int(Qt::LeftButton);
    QTest::newRow("thousands, left") << false << int(Qt::LeftButton);
    QTest::newRow("ones, right") << true << int(Qt::RightButton);
    QTest::newRow("thousands, middle") << false << int(Qt::MiddleButton);
}

// Only a left click is a click; another button leaves the focus, and so the typing, alone.
void tst_Scoreboard::clickOnAmountDisplaysFocusesAmountArea()
{
    QFETCH(bool, onOnes);
    QFETCH(int, button);
    lotDisplay()->setFocus();
    QTest::mouseClick(onOnes ? ones() : thousands(), Qt::MouseButton(button));
    const bool left = button == Qt::LeftButton;
    QCOMPARE(QApplication::focusWidget(), left ? amountArea() : static_cast<QWidget*>(lotDisplay()));
    typeKeys(QApplication::focusWidget(), QStringLiteral("77E"));
    QCOMPARE(shownAmount(), left ? 77 : 0);
    QCOMPARE(lotDisplay()->Caption(), left ? 0 : 77);
}

void tst_Scoreboard::functionKeysOpenTheirWindows()
{
    int help = 0;
    int options = 0;
    int lots = 0;
    m_window->setHelpOpener([&] { ++help; });
    m_window->setOptionsOpener([&] { ++options; });
    m_window->setLotEditorOpener([&] { ++lots; });
    QTest::keyClick(lotDisplay(), Qt::Key_F1);
    QTest::keyClick(amountArea(), Qt::Key_F2);
    QApplication::focusWidget()->clearFocus();
    QTest::keyClick(m_window.get(), Qt::Key_F3);
    QCOMPARE(help, 1);
    QCOMPARE(options, 1);
    QCOMPARE(lots, 1);
    // Keypad digits with NumLock off are navigation keys: they open nothing and type
    // no digit (as digits they would read 013579).
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    amountArea()->setFocus();
    for (Qt::Key key : {Qt::Key_Insert, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Clear, Qt::Key_Home, Qt::Key_PageUp})
        QTest::keyClick(amountArea(), key, Qt::KeypadModifier);
    QTest::keyClick(amountArea(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(help + options + lots, 3);
    QCOMPARE(shownAmount(), 5);
}

void tst_Scoreboard::optionsClosedReappliesLook()
{
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    // As a dialog's OK would; Cancel changes nothing, and the look is applied the same.
    m_window->setOptionsOpener([&] {
        m_settings->LEDBackColor = 0x102030;
        m_settings->LEDLotColor = 0x0000FF;
        m_settings->LEDAmountColor = 0x00FF00;
        m_settings->FormBackColor = 0x404040;
        m_settings->TextColor = 0xABCDEF;
        m_settings->LEDTypeIndex = 1;
    });
    QTest::keyClick(lotDisplay(), Qt::Key_F2);
    for (NumberLED* display : {lotDisplay(), ones(), thousands()}) {
        QCOMPARE(display->BackColor(), 0x102030);
        QCOMPARE(display->LedType(), 1);
    }
    QCOMPARE(lotDisplay()->LitColor(), 0x0000FF);
    QCOMPARE(ones()->LitColor(), 0x00FF00);
    QCOMPARE(thousands()->LitColor(), 0x00FF00);
    QCOMPARE(amountArea()->property("BackColor").toInt(), 0x102030);
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
    QCOMPARE(note()->palette().color(QPalette::Text), QColor(0xEF, 0xCD, 0xAB));
    // Lot, amount and history are untouched.
    QCOMPARE(lotDisplay()->Caption(), 12);
    QCOMPARE(shownAmount(), 100);
    QTest::keyClick(lotDisplay(), Qt::Key_Down);
    QCOMPARE(shownAmount(), 95);
}

// A dialog closed with Cancel changes no setting; the displays still get the stored look
// again, whatever they showed before.
void tst_Scoreboard::optionsCancelledReappliesLook()
{
    int opened = 0;
    m_window->setOptionsOpener([&] { ++opened; });
    for (NumberLED* display : {lotDisplay(), ones(), thousands()}) {
        display->setLitColor(0x123456);
        display->setBackColor(0x654321);
        display->setLedType(1 - m_settings->LEDTypeIndex);
    }
    amountArea()->setProperty("BackColor", 0x654321);
    QTest::keyClick(lotDisplay(), Qt::Key_F2);
    QCOMPARE(opened, 1);
    for (NumberLED* display : {lotDisplay(), ones(), thousands()}) {
        QCOMPARE(display->BackColor(), m_settings->LEDBackColor);
        QCOMPARE(display->LedType(), int(m_settings->LEDTypeIndex));
    }
    QCOMPARE(lotDisplay()->LitColor(), m_settings->LEDLotColor);
    QCOMPARE(ones()->LitColor(), m_settings->LEDAmountColor);
    QCOMPARE(thousands()->LitColor(), m_settings->LEDAmountColor);
    QCOMPARE(amountArea()->property("BackColor").toInt(), m_settings->LEDBackColor);
}

void tst_Scoreboard::lotEditorLeavesLotOnShow()
{
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    m_window->setLotEditorOpener([&] {
        auto edited = m_settings->LotList->Copy();
        edited->Remove(3);
        edited->Remove(2);
        m_settings->LotList = edited;
    });
    QTest::keyClick(lotDisplay(), Qt::Key_F3);
    QCOMPARE(lotDisplay()->Caption(), 31);
    QCOMPARE(shownAmount(), 12100);
    QCOMPARE(note()->toPlainText(), QStringLiteral("Grand piano\nwith stool"));
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QCOMPARE(lotDisplay()->Caption(), 31);
    QTest::keyClick(lotDisplay(), Qt::Key_Left);
    QCOMPARE(lotDisplay()->Caption(), 0);
    QCOMPARE(shownAmount(), 0);
    QCOMPARE(note()->toPlainText(), QString());
    QTest::keyClick(lotDisplay(), Qt::Key_Left);
    QCOMPARE(lotDisplay()->Caption(), 12);
}

void tst_Scoreboard::functionKeysWithoutOpenersDoNothing()
{
    m_settings->LEDTypeIndex = 1;
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3})
        QTest::keyClick(lotDisplay(), key);
    QCOMPARE(lotDisplay()->LedType(), 0);
    QCOMPARE(lotDisplay()->Caption(), 0);
    QCOMPARE(shownAmount(), 0);
}

void tst_Scoreboard::colours()
{
    const AppSettings& s = *m_settings;
    auto colour = [](int c) {
        return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    };
    QCOMPARE(m_window->palette().color(QPalette::Window), colour(s.FormBackColor));
    for (const char* label : {"lblLotNum", "lblAmountDollar", "lblCreatedBy"})
        QCOMPARE(control<QLabel>(label)->palette().color(QPalette::WindowText), colour(s.TextColor));
    QCOMPARE(note()->palette().color(QPalette::Text), colour(s.TextColor));
    QCOMPARE(note()->palette().color(QPalette::Base), colour(s.FormBackColor));
    QCOMPARE(lotDisplay()->LitColor(), s.LEDLotColor);
    QCOMPARE(ones()->LitColor(), s.LEDAmountColor);
    QCOMPARE(thousands()->LitColor(), s.LEDAmountColor);
    for (NumberLED* display : {lotDisplay(), ones(), thousands()})
        QCOMPARE(display->BackColor(), s.LEDBackColor);
    QCOMPARE(comma()->palette().color(QPalette::WindowText), colour(s.LEDAmountColor));
    QCOMPARE(amountArea()->property("BackColor").toInt(), s.LEDBackColor);

    // What the room sees: the window's colour around the panel, the panel's inside it.
    m_window->resize(frmScoreboard::DesignClientWidth / 15, frmScoreboard::DesignClientHeight / 15);
    const QImage image = m_window->grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), colour(s.FormBackColor));
    const QPoint inPanel = amountArea()->mapTo(m_window.get(), QPoint(2, 2));
    QCOMPARE(image.pixelColor(inPanel), colour(s.LEDBackColor));
}

void tst_Scoreboard::closingEmitsUnloaded()
{
    QSignalSpy unloaded(m_window.get(), &frmScoreboard::Unloaded);
    QVERIFY(m_window->close());
    QCOMPARE(unloaded.count(), 1);
}

void tst_Scoreboard::f11TogglesFullScreen()
{
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_F11);
    QVERIFY(m_window->isFullScreen());
    amountArea()->setFocus();
    QTest::keyClick(amountArea(), Qt::Key_F11);
    QVERIFY(!m_window->isFullScreen());
    // No command and no typing rides on it.
    QCOMPARE(lotDisplay()->Caption(), 12);
    QCOMPARE(shownAmount(), 95);
}

void tst_Scoreboard::layoutFollowsWindowSize()
{
    const QPoint designOnes = ones()->pos();
    // Twice the design height and more than twice its width: scaled by 2, centred.
    m_window->resize(2 * 632 + 100, 2 * 453);
    QTRY_COMPARE(ones()->Size(), 240.0);
    QCOMPARE(lotDisplay()->Size(), 180.0);
    QCOMPARE(ones()->PaddingI(), 600.0);
    QCOMPARE(control<QLabel>("lblLotNum")->font().pointSizeF(), 110.0); // 54.75 recorded as 55
    QCOMPARE(note()->font().pointSizeF(), 80.0);                        // 39.75 recorded as 40
    QCOMPARE(amountArea()->geometry(), QRect(2 * 72 + 50, 2 * 140, 2 * 549, 2 * 153));
    QCOMPARE(ones()->pos(), 2 * designOnes);
    // The digits fit their panel at any size.
    QVERIFY(amountArea()->rect().contains(ones()->geometry()));

    m_window->resize(632, 453);
    QTRY_COMPARE(ones()->Size(), 120.0);
    QCOMPARE(ones()->pos(), designOnes);
}

void tst_Scoreboard::upRepaintsOnlyTheAmount()
{
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_Right);
    QTest::keyClick(lotDisplay(), Qt::Key_Right); // 12050
    m_window->resize(1920, 1080);
    QCoreApplication::processEvents();
    m_window->repaint();

    PaintCounter counter;
    const QList<QWidget*> watched = m_window->findChildren<QWidget*>() << m_window.get();
    for (QWidget* widget : watched)
        widget->installEventFilter(&counter);
    QTest::keyClick(lotDisplay(), Qt::Key_Up);
    QTRY_VERIFY(counter.paints[ones()] > 0);
    QCoreApplication::processEvents();
    for (QWidget* widget : watched) {
        if (widget != ones())
            QVERIFY2(counter.paints[widget] == 0,
                     qPrintable(widget->objectName() + u' ' + QLatin1String(widget->metaObject()->className())));
    }
}

void tst_Scoreboard::tenThousandRandomKeys()
{
    int opened = 0;
    m_window->setHelpOpener([&] { ++opened; });
    m_window->setOptionsOpener([&] { ++opened; });
    m_window->setLotEditorOpener([&] { ++opened; });
    struct Key
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    std::vector<Key> keys{{Qt::Key_Up, {}},
                          {Qt::Key_Up, {}},
                          {Qt::Key_Down, {}},
                          {Qt::Key_Left, {}},
                          {Qt::Key_Right, {}},
                          {Qt::Key_Return, {}},
                          {Qt::Key_Enter, Qt::KeypadModifier},
                          {Qt::Key_Space, {}},
                          {Qt::Key_Plus, {}},
                          {Qt::Key_Plus, Qt::KeypadModifier},
                          {Qt::Key_Minus, {}},
                          {Qt::Key_Minus, Qt::KeypadModifier},
                          {Qt::Key_Period, {}},
                          {Qt::Key_F1, {}},
                          {Qt::Key_F2, {}},
                          {Qt::Key_F3, {}},
                          {Qt::Key_A, {}},
                          {Qt::Key_NumLock, {}}};
    for (int digit = 0; digit <= 9; ++digit) {
        keys.push_back({Qt::Key(Qt::Key_0 + digit), {}});
        keys.push_back({Qt::Key(Qt::Key_0 + digit), Qt::KeypadModifier});
    }
    QWidget* targets[] = {lotDisplay(), amountArea(), amountArea(), m_window.get()};

    std::mt19937 random(7319u);
    std::uniform_int_distribution<size_t> pickKey(0, keys.size() - 1);
    std::uniform_int_distribution<int> pickTarget(0, 3);
    std::uniform_int_distribution<int> stay(0, 19);
    QWidget* target = lotDisplay();
    for (int step = 0; step < 10000; ++step) {
        if (stay(random) == 0) {
            target = targets[pickTarget(random)];
            if (target == m_window.get()) {
                if (QWidget* focused = m_window->focusWidget())
                    focused->clearFocus();
            } else {
                target->setFocus();
            }
        }
        const Key& key = keys[pickKey(random)];
        QTest::keyClick(target, key.key, key.modifiers);
        checkDisplaysMatchState();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("after step %1").arg(step)));
        if (step % 500 == 0)
            QCoreApplication::processEvents();
    }
    QVERIFY(opened > 0);
}

QTEST_MAIN(tst_Scoreboard)
#include "tst_scoreboard.moc"
