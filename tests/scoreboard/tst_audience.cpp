// The audience screen on the offscreen platform, given three screens of its own so that F12
// has somewhere to go: the operator's 1920x1080, a 1280x1024 and a 2560x1440.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/AmountMarks.h"
#include "scoreboard/BoardDesign.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/ResultStamp.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QLabel>
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
    void sameControlsOwnComposition();
    void compositionForEveryShape_data();
    void compositionForEveryShape();
    void clicksAndKeysStayWithTheOperator();

private:
    NumberLED* led(QWidget* window, const char* name) const
    {
        return window->findChild<NumberLED*>(QLatin1String(name));
    }
    void openAudience();
    // What the room sees is what the operator sees, each view in its own composition.
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
    AddLots(*m_settings->LotList, {{12, 95, QStringLiteral("Oak chest")},
                                   {7, 999990, QStringLiteral("Pair of vases")},
                                   {31, 12050, QStringLiteral("Grand piano")}});
    AddIncrements(*m_settings->IncrementList, {{0, 50}});
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
    QWidget* operatorWindow = m_window.get();
    for (const char* name : {"nledLotNum", "nledAmountThousands", "nledAmountOnes"}) {
        const NumberLED* shown = led(operatorWindow, name);
        const NumberLED* twin = led(audience, name);
        QCOMPARE(twin->litDigits(), shown->litDigits());
        QCOMPARE(twin->LitColor(), shown->LitColor());
        QCOMPARE(twin->BackColor(), shown->BackColor());
        QCOMPARE(twin->LedType(), shown->LedType());
    }
    for (const char* name : {"lblAmountDollar", "lblAmountComma", "lblLotNum"}) {
        const auto* shown = operatorWindow->findChild<QLabel*>(QLatin1String(name));
        const auto* twin = audience->findChild<QLabel*>(QLatin1String(name));
        QCOMPARE(twin->text(), shown->text());
        QCOMPARE(twin->isVisibleTo(audience), shown->isVisibleTo(operatorWindow));
        QCOMPARE(twin->palette().color(QPalette::WindowText), shown->palette().color(QPalette::WindowText));
    }
    QCOMPARE(audience->findChild<GroupSeparator*>()->LedType(),
             operatorWindow->findChild<GroupSeparator*>()->LedType());
    QCOMPARE(audience->findChild<QPlainTextEdit*>()->toPlainText(),
             operatorWindow->findChild<QPlainTextEdit*>()->toPlainText());
    QCOMPARE(audience->findChild<ResultStamp*>()->outcome(), operatorWindow->findChild<ResultStamp*>()->outcome());
    QCOMPARE(audience->palette().color(QPalette::Window), operatorWindow->palette().color(QPalette::Window));
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

void tst_Audience::sameControlsOwnComposition()
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
    compareViews();

    // Every control of the design table, of the same kind, laid out for the projector: the
    // 2560x1440 screen takes the 16:9 composition.
    QCOMPARE(QString::fromLatin1(m_window->audience()->composition().name), QStringLiteral("16:9"));
    const auto controls = m_window->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(lbl|nled|pic|txt)")));
    QCOMPARE(controls.size(), 9);
    for (QWidget* control : controls) {
        auto* twin = m_window->audience()->findChild<QWidget*>(control->objectName());
        QVERIFY2(twin, qPrintable(control->objectName()));
        QCOMPARE(twin->metaObject(), control->metaObject());
    }
    // The amount spans the projector, not the scoreboard's 4:3 band.
    const QWidget* panel = m_window->audience()->findChild<QWidget*>(QStringLiteral("picAmountBack"));
    QVERIFY(panel->width() > m_window->audience()->width() * 3 / 4);
}

void tst_Audience::compositionForEveryShape_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("composition");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QStringLiteral("16:9");
    QTest::newRow("3840x2160") << QSize(3840, 2160) << QStringLiteral("16:9");
    QTest::newRow("1366x768") << QSize(1366, 768) << QStringLiteral("16:9");
    QTest::newRow("1920x1200") << QSize(1920, 1200) << QStringLiteral("16:10");
    QTest::newRow("1280x800") << QSize(1280, 800) << QStringLiteral("16:10");
    QTest::newRow("1024x768") << QSize(1024, 768) << QStringLiteral("4:3");
    QTest::newRow("1280x1024") << QSize(1280, 1024) << QStringLiteral("4:3");
    QTest::newRow("2560x1080") << QSize(2560, 1080) << QStringLiteral("21:9");
    QTest::newRow("3440x1440") << QSize(3440, 1440) << QStringLiteral("21:9");
}

// Each screen gets the composition of its shape, laid out across at least 90% of it both ways,
// every control whole on it and none over another or over the room kept for later.
void tst_Audience::compositionForEveryShape()
{
    QFETCH(QSize, screen);
    QFETCH(QString, composition);
    openAudience();
    frmAudience* audience = m_window->audience();
    audience->resize(screen);
    QCOMPARE(QString::fromLatin1(audience->composition().name), composition);

    const QRect client(QPoint(0, 0), screen);
    const QStringList names{QStringLiteral("lblLotNum"),     QStringLiteral("nledLotNum"),
                            QStringLiteral("lblCreatedBy"),  QStringLiteral("lblAmountDollar"),
                            QStringLiteral("picAmountBack"), QStringLiteral("txtNote")};
    QList<QRect> boxes;
    QRect all;
    for (const QString& name : names) {
        const QWidget* control = audience->findChild<QWidget*>(name);
        boxes << control->geometry();
        all |= control->geometry();
        QVERIFY2(client.contains(control->geometry()), qPrintable(name));
    }
    for (const char* name : {"nledAmountThousands", "lblAmountComma", "nledAmountOnes"}) {
        const QWidget* control = audience->findChild<QWidget*>(QLatin1String(name));
        // Edges are rounded one by one: a pixel either way.
        QVERIFY2(control->parentWidget()->rect().adjusted(-1, -1, 1, 1).contains(control->geometry()), name);
    }
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        for (qsizetype j = i + 1; j < boxes.size(); ++j)
            QVERIFY2(!boxes[i].intersects(boxes[j]), qPrintable(names[i] + u' ' + names[j]));
        for (const QRect& kept : {audience->lotPictureArea(), audience->currencyStripArea()})
            QVERIFY2(!kept.intersects(boxes[i]) && client.contains(kept), qPrintable(names[i]));
    }
    QVERIFY2(all.width() >= screen.width() * 0.9 && all.height() >= screen.height() * 0.9,
             qPrintable(QStringLiteral("%1x%2").arg(all.width()).arg(all.height())));
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
