// NumLock keeping on a real X server: the lock is read with xset and the key is pressed
// with xdotool, through XTest, as a user would press it.
#include "common/Prompts.h"
#include "platform/NumLockBackend.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmOptions.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

class tst_NumLock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void heldAtLoadAndAtRelease_data();
    void heldAtLoadAndAtRelease();
    void keepOptionTakesEffectAtOk_data();
    void keepOptionTakesEffectAtOk();

private:
    static QByteArray run(const QString& program, const QStringList& arguments);
    // The lock as the X server reports it to another client.
    static bool numLockOn()
    {
        return QRegularExpression(u"Num Lock:\\s+on"_qs)
            .match(QString::fromLocal8Bit(run(u"xset"_qs, {u"q"_qs})))
            .hasMatch();
    }
    static void pressNumLock() { run(u"xdotool"_qs, {u"key"_qs, u"Num_Lock"_qs}); }
    static void setNumLock(bool on)
    {
        if (numLockOn() != on)
            pressNumLock();
    }

    std::unique_ptr<NumLockBackend> m_backend;
};

QByteArray tst_NumLock::run(const QString& program, const QStringList& arguments)
{
    QProcess client;
    client.start(program, arguments);
    if (!client.waitForFinished(20000) || client.exitCode() != 0)
        qFatal("%s did not run", qPrintable(program));
    return client.readAllStandardOutput();
}

void tst_NumLock::initTestCase()
{
    Prompts::setTestMode(true);
    QCOMPARE(QGuiApplication::platformName(), u"xcb"_qs);
    m_backend = NumLockBackend::ForPlatform();
    QVERIFY(m_backend->IsAvailable());
    // The checks below mean something only if the key itself toggles the lock.
    setNumLock(false);
    pressNumLock();
    QVERIFY(numLockOn());
}

void tst_NumLock::heldAtLoadAndAtRelease_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("afterLoad");
    QTest::addColumn<bool>("afterPress");
    QTest::addColumn<QString>("focus");
    QTest::newRow("1 turns it on, lot display") << 1 << false << true << true << u"nledLotNum"_qs;
    QTest::newRow("1 holds it on, amount panel") << 1 << true << true << true << u"picAmountBack"_qs;
    QTest::newRow("2 turns it off, lot display") << 2 << true << false << false << u"nledLotNum"_qs;
    QTest::newRow("2 holds it off, amount panel") << 2 << false << false << false << u"picAmountBack"_qs;
    QTest::newRow("0 leaves it alone") << 0 << false << false << true << u"nledLotNum"_qs;
    QTest::newRow("3 leaves it alone") << 3 << true << true << false << u"nledLotNum"_qs;
}

void tst_NumLock::heldAtLoadAndAtRelease()
{
    QFETCH(int, mode);
    QFETCH(bool, before);
    QFETCH(bool, afterLoad);
    QFETCH(bool, afterPress);
    QFETCH(QString, focus);
    setNumLock(before);
    MemorySettingsStore store;
    AppSettings settings(store);
    settings.NumLockMode = mode;

    frmScoreboard scoreboard(settings, nullptr, m_backend.get());
    QCOMPARE(numLockOn(), afterLoad);
    scoreboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scoreboard));
    // No window manager hands out the focus here; the keys go where the X focus is.
    run(u"xdotool"_qs, {u"windowfocus"_qs, u"--sync"_qs, QString::number(scoreboard.winId())});
    QVERIFY(QTest::qWaitForWindowActive(&scoreboard));
    scoreboard.findChild<QWidget*>(focus)->setFocus();

    // The release comes back to the window through the X server; the press flips the lock
    // on the server first, so a held mode has to put it back.
    pressNumLock();
    QTRY_COMPARE(numLockOn(), afterPress);
    // Held modes settle: a second look after the events have drained sees the same.
    QTest::qWait(100);
    QCOMPARE(numLockOn(), afterPress);
}

void tst_NumLock::keepOptionTakesEffectAtOk_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("keep on") << u"optKeepOn"_qs << false << true;
    QTest::newRow("keep off") << u"optKeepOff"_qs << true << false;
    QTest::newRow("normal") << u"optNormal"_qs << true << true;
}

void tst_NumLock::keepOptionTakesEffectAtOk()
{
    QFETCH(QString, option);
    QFETCH(bool, before);
    QFETCH(bool, after);
    setNumLock(before);
    MemorySettingsStore store;
    AppSettings settings(store);
    frmOptions dialog(settings, m_backend.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* button = dialog.findChild<QRadioButton*>(option);
    QVERIFY(button->isEnabled());
    button->click();
    dialog.findChild<QPushButton*>(u"cmdOk"_qs)->click();
    QCOMPARE(numLockOn(), after);
}

GAVELOR_XVFB_TEST_MAIN(tst_NumLock, {u"-screen"_qs, u"0"_qs, u"1280x1024x24"_qs})
#include "tst_numlock.moc"
