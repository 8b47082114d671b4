// The audience screen on the offscreen platform, given three screens of its own so that F12
// has somewhere to go: the operator's 1920x1080, a 1280x1024 and a 2560x1440.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>

#include <memory>

class tst_Audience : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnTheLargestOtherScreen_data();
    void opensOnTheLargestOtherScreen();
    void followsTheSale_data();
    void followsTheSale();
    void looksFollowTheOptions();
    void oneCompositionTwoViews();
    void clicksAndKeysStayWithTheOperator();

private:
    NumberLED* led(QWidget* window, const char* name) const
    {
        return window->findChild<NumberLED*>(QLatin1String(name));
    }
    void openAudience();
    // Both views at the same size, grabbed: what the room sees is what the operator sees.
    void compareViews();

    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<frmScoreboard> m_window;
};

void tst_Audience::initTestCase()
{
    Prompts::setTestMode(true);
    QCOMPARE(QGuiApplication::screens().size(), 3);
}

void tst_Audience::init()
{
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
    for (const auto& [number, amount, note] : {std::tuple{12, 95, "Oak chest"}, std::tuple{7, 999990, "Pair of vases"},
                                               std::tuple{31, 12050, "Grand piano"}}) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = number;
        lot->Amount = amount;
        lot->Note = QLatin1String(note);
        m_settings->LotList->Add(lot);
    }
    auto range = std::make_shared<IncrementInfo>();
    range->Minimum = 0;
    range->Amount = 50;
    m_settings->IncrementList->Add(range);
    m_window = std::make_unique<frmScoreboard>(*m_settings);
    m_window->move(50, 50);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_Audience::cleanup()
{
    m_window.reset();
    m_settings.reset();
    m_store.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Audience::openAudience()
{
    QTest::keyClick(m_window->focusWidget(), Qt::Key_F12);
    QVERIFY(m_window->audience());
    QTRY_VERIFY(m_window->audience()->isVisible());
}

void tst_Audience::compareViews()
{
    frmAudience* audience = m_window->audience();
    QVERIFY(audience);
    m_window->resize(audience->size());
    QCOMPARE(m_window->size(), audience->size());
    QCOMPARE(m_window->grab().toImage(), audience->grab().toImage());
}

void tst_Audience::opensOnTheLargestOtherScreen_data()
{
    QTest::addColumn<QString>("operatorScreen");
    QTest::addColumn<QString>("audienceScreen");
    QTest::newRow("from the laptop: the largest") << QStringLiteral("laptop") << QStringLiteral("projector");
    QTest::newRow("from the largest: the next largest") << QStringLiteral("projector") << QStringLiteral("laptop");
}

void tst_Audience::opensOnTheLargestOtherScreen()
{
    QFETCH(QString, operatorScreen);
    QFETCH(QString, audienceScreen);
    QMap<QString, QScreen*> screens;
    for (QScreen* screen : QGuiApplication::screens())
        screens.insert(screen->name(), screen);
    m_window->move(screens.value(operatorScreen)->geometry().topLeft() + QPoint(50, 50));
    QTRY_COMPARE(m_window->screen(), screens.value(operatorScreen));

    openAudience();
    frmAudience* audience = m_window->audience();
    QCOMPARE(audience->screen(), screens.value(audienceScreen));
    QCOMPARE(audience->geometry(), screens.value(audienceScreen)->geometry());
    QVERIFY(audience->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(audience->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(QApplication::focusWidget(), m_window->focusWidget());
    QCOMPARE(m_window->screen(), screens.value(operatorScreen));

    // F12 again takes it down, and brings it back.
    QTest::keyClick(m_window->focusWidget(), Qt::Key_F12);
    QVERIFY(!audience->isVisible());
    openAudience();
    QCOMPARE(m_window->audience(), audience);
}

void tst_Audience::followsTheSale_data()
{
    // Keys: R Right, L Left, U Up, D Down, digits, E Enter, A moves to the amount area.
    QTest::addColumn<QString>("keys");
    QTest::newRow("lot step") << QStringLiteral("R");
    QTest::newRow("lot steps both ways") << QStringLiteral("RRRL");
    QTest::newRow("raise past a thousand") << QStringLiteral("RRRUU");
    QTest::newRow("take back") << QStringLiteral("RRRUUD");
    QTest::newRow("typed lot number") << QStringLiteral("R45E");
    QTest::newRow("typed lot step") << QStringLiteral("RR+3");
    QTest::newRow("typed amount") << QStringLiteral("RA1234E");
}

void tst_Audience::followsTheSale()
{
    QFETCH(QString, keys);
    openAudience();
    for (QChar key : keys) {
        QWidget* target = m_window->focusWidget();
        if (key.isDigit())
            QTest::keyClick(target, Qt::Key(Qt::Key_0 + key.digitValue()));
        else if (key == u'A')
            led(m_window.get(), "nledAmountOnes")->parentWidget()->setFocus();
        else {
            static const std::map<QChar, Qt::Key> Named{{u'R', Qt::Key_Right},  {u'L', Qt::Key_Left},
                                                        {u'U', Qt::Key_Up},     {u'D', Qt::Key_Down},
                                                        {u'E', Qt::Key_Return}, {u'+', Qt::Key_Plus}};
            QTest::keyClick(target, Named.at(key));
        }
    }
    compareViews();
}

void tst_Audience::looksFollowTheOptions()
{
    openAudience();
    m_window->setOptionsOpener([this] {
        m_settings->LEDBackColor = 0x102030;
        m_settings->LEDLotColor = 0x0000FF;
        m_settings->LEDAmountColor = 0x00FF00;
        m_settings->FormBackColor = 0x404040;
        m_settings->TextColor = 0xABCDEF;
        m_settings->LEDTypeIndex = 1;
    });
    QTest::keyClick(m_window->focusWidget(), Qt::Key_Right);
    QTest::keyClick(m_window->focusWidget(), Qt::Key_F2);
    QCOMPARE(led(m_window->audience(), "nledLotNum")->LedType(), 1);
    QCOMPARE(led(m_window->audience(), "nledAmountOnes")->BackColor(), 0x102030);
    compareViews();
}

void tst_Audience::oneCompositionTwoViews()
{
    // Shown with a note typed by the operator, after the audience was opened.
    QTest::keyClick(m_window->focusWidget(), Qt::Key_Right);
    openAudience();
    auto* note = m_window->findChild<QPlainTextEdit*>(QStringLiteral("txtNote"));
    note->setFocus();
    note->moveCursor(QTextCursor::End);
    QTest::keyClicks(note, QStringLiteral(", restored"));
    QCOMPARE(m_window->audience()->findChild<QPlainTextEdit*>(QStringLiteral("txtNote"))->toPlainText(),
             QStringLiteral("Oak chest, restored"));
    led(m_window.get(), "nledLotNum")->setFocus();

    // Every control of the design table, at the same place and size in both views.
    compareViews();
    const auto controls = m_window->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(lbl|nled|pic|txt)")));
    QCOMPARE(controls.size(), 9);
    for (QWidget* control : controls) {
        auto* twin = m_window->audience()->findChild<QWidget*>(control->objectName());
        QVERIFY2(twin, qPrintable(control->objectName()));
        QCOMPARE(twin->metaObject(), control->metaObject());
        QCOMPARE(twin->geometry(), control->geometry());
        QCOMPARE(twin->font(), control->font());
    }
}

void tst_Audience::clicksAndKeysStayWithTheOperator()
{
    openAudience();
    frmAudience* audience = m_window->audience();
    QWidget* focused = m_window->focusWidget();
    for (QWidget* control : audience->findChildren<QWidget*>()) {
        QCOMPARE(control->focusPolicy(), Qt::NoFocus);
        QCOMPARE(control->cursor().shape(), Qt::BlankCursor);
    }
    // A click on the amount would move the operator's focus to the amount area.
    QTest::mouseClick(led(audience, "nledAmountOnes"), Qt::LeftButton);
    QTest::mouseClick(audience->findChild<QPlainTextEdit*>()->viewport(), Qt::LeftButton);
    QCOMPARE(m_window->focusWidget(), focused);
    // A key that lands on the audience window still drives the sale.
    QTest::keyClick(audience, Qt::Key_Right);
    QCOMPARE(led(m_window.get(), "nledLotNum")->Caption(), 12);
    QCOMPARE(led(audience, "nledLotNum")->Caption(), 12);
}

int main(int argc, char** argv)
{
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(R"({"screens": [
        {"name": "laptop", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "side", "x": 1920, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "projector", "x": 3200, "y": 0, "width": 2560, "height": 1440, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
    ]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    tst_Audience test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_audience.moc"
