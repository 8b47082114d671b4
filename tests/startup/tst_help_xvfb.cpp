// The help window on a real X server, bare and framed by a window manager.
#include "common/Twips.h"
#include "help/frmHelp.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

class tst_HelpXvfb : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void firstShowFitsTheOuterSize_data();
    void firstShowFitsTheOuterSize();

private:
    bool startWindowManager();

    QProcess m_windowManager;
};

void tst_HelpXvfb::cleanup()
{
    if (m_windowManager.state() != QProcess::NotRunning) {
        m_windowManager.terminate();
        QVERIFY(m_windowManager.waitForFinished(10000));
    }
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

bool tst_HelpXvfb::startWindowManager()
{
    // Openbox runs its start-up command once it manages the screen.
    QTemporaryDir dir;
    const QString ready = dir.filePath(u"ready"_qs);
    m_windowManager.start(u"openbox"_qs, {u"--sm-disable"_qs, u"--startup"_qs, u"touch "_qs + ready});
    return m_windowManager.waitForStarted(10000) && QTest::qWaitFor([&] { return QFile::exists(ready); }, 20000);
}

void tst_HelpXvfb::firstShowFitsTheOuterSize_data()
{
    QTest::addColumn<bool>("windowManager");
    QTest::newRow("no window manager") << false;
    QTest::newRow("openbox") << true;
}

void tst_HelpXvfb::firstShowFitsTheOuterSize()
{
    QFETCH(bool, windowManager);
    if (windowManager)
        QVERIFY(startWindowManager());
    QTemporaryDir dir;
    frmHelp window(dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto px = [&](double twips) {
        return Twips::ToPixels(twips, &window);
    };
    const auto twips = [&](int pixels) {
        return Twips::FromPixels(pixels, &window);
    };
    // Framed or not, as the row says.
    QTRY_COMPARE(window.frameGeometry().size() != window.size(), windowManager);

    // No resize by the user: the fit from the first show alone.
    const QSize outer = window.frameGeometry().size();
    const QSize frame = outer - window.size();
    auto* viewer = window.findChild<QTextEdit*>(u"rtbHelp"_qs);
    QTRY_COMPARE(viewer->size(), QSize(px(twips(outer.width()) - frmHelp::ViewerWidthAllowance),
                                       px(twips(outer.height()) - frmHelp::ViewerHeightAllowance)));
    QCOMPARE(window.minimumSize() + frame, QSize(px(frmHelp::MinOuterWidth), px(frmHelp::MinOuterHeight)));
}

GAVELOR_XVFB_TEST_MAIN(tst_HelpXvfb)

#include "tst_help_xvfb.moc"
