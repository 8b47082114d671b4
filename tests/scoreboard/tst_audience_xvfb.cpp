// The audience screen on a real X server: one wide Xvfb screen split into two monitors
// with xrandr, the operator on the left one.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "support/TestLots.h"
#include "support/XClients.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <memory>

class tst_AudienceXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { cleanup(); }

    void f12OpensOnTheOtherMonitor();
    void f3OpensTheLotEditorOverTheOperator();
    void unpluggingTheMonitorClosesTheAudience();

private:
    // Runs xrandr against the test's own server.
    bool xrandr(const QStringList& arguments) { return RunXClient({}, QStringLiteral("xrandr"), arguments) == 0; }
    bool plugRightMonitor();
    void openAudience();

    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<frmScoreboard> m_window;
};

static const QRect LeftMonitor(0, 0, 1920, 1080);
static const QRect RightMonitor(1920, 0, 1920, 1080);

bool tst_AudienceXvfb::plugRightMonitor()
{
    return xrandr({QStringLiteral("--setmonitor"), QStringLiteral("right"), QStringLiteral("1920/508x1080/286+1920+0"),
                   QStringLiteral("none")});
}

void tst_AudienceXvfb::initTestCase()
{
    Prompts::setTestMode(true);
    QVERIFY(SetMonitors({1920, 1080}, {1920, 1080}));
    QTRY_COMPARE(QGuiApplication::screens().size(), 2);
}

void tst_AudienceXvfb::init()
{
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
    AddLots(*m_settings->LotList, {{12, 95}});
    m_window = std::make_unique<frmScoreboard>(*m_settings);
    m_window->move(100, 100);
    m_window->show();
    // No window manager hands out the focus here; the window asks for it itself.
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(m_window->screen()->geometry(), LeftMonitor);
}

void tst_AudienceXvfb::cleanup()
{
    m_window.reset();
    m_settings.reset();
    m_store.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_AudienceXvfb::openAudience()
{
    QTest::keyClick(m_window->focusWidget(), Qt::Key_F12);
    QVERIFY(m_window->audience());
    QVERIFY(QTest::qWaitForWindowExposed(m_window->audience()));
}

void tst_AudienceXvfb::f12OpensOnTheOtherMonitor()
{
    QWidget* focused = m_window->focusWidget();
    openAudience();
    frmAudience* audience = m_window->audience();
    QTRY_COMPARE(audience->geometry(), RightMonitor);
    QCOMPARE(audience->screen()->geometry(), RightMonitor);
    // The lot display scaled to the full monitor, not left at the design size.
    auto* lot = audience->findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    QVERIFY(lot->width() > m_window->findChild<NumberLED*>(QStringLiteral("nledLotNum"))->width());

    // A real key press goes to the window with the X input focus: still the scoreboard.
    QTest::qWait(200);
    QCOMPARE(QApplication::activeWindow(), m_window.get());
    QCOMPARE(QApplication::focusWidget(), focused);
    QProcess key;
    key.start(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Right")});
    QVERIFY(key.waitForFinished(20000));
    QTRY_COMPARE(lot->Caption(), 12);
    QCOMPARE(QApplication::activeWindow(), m_window.get());
}

void tst_AudienceXvfb::f3OpensTheLotEditorOverTheOperator()
{
    QRect editorOn;
    m_window->setLotEditorOpener([&] {
        frmLots editor(*m_settings, m_window.get());
        editor.show();
        if (QTest::qWaitForWindowExposed(&editor))
            editorOn = editor.screen()->geometry();
    });
    openAudience();
    QTest::keyClick(m_window->focusWidget(), Qt::Key_F3);
    QCOMPARE(editorOn, LeftMonitor);
}

void tst_AudienceXvfb::unpluggingTheMonitorClosesTheAudience()
{
    openAudience();
    frmAudience* audience = m_window->audience();
    QVERIFY(xrandr({QStringLiteral("--delmonitor"), QStringLiteral("right")}));
    QTRY_COMPARE(QGuiApplication::screens().size(), 1);
    QTRY_VERIFY(!audience->isVisible());
    QVERIFY(m_window->isVisible());

    // With the operator's screen alone, F12 has nowhere to go.
    QTest::keyClick(m_window->focusWidget(), Qt::Key_F12);
    QTest::qWait(100);
    QVERIFY(!audience->isVisible());

    // Plugged in again, F12 brings it back on that monitor.
    QVERIFY(plugRightMonitor());
    QTRY_COMPARE(QGuiApplication::screens().size(), 2);
    openAudience();
    QTRY_COMPARE(audience->geometry(), RightMonitor);
}

GAVELOR_XVFB_TEST_MAIN(tst_AudienceXvfb,
                       (QStringList{QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("3840x1080x24")}))

#include "tst_audience_xvfb.moc"
