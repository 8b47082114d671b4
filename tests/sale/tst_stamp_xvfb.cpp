// The result stamp as the X server shows it: on the scoreboard and on the audience screen
// (one wide Xvfb screen split into two monitors), read back from the screen in the note box.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"
#include "support/TestLots.h"
#include "support/XClients.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_StampXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stampOnBothViews_data();
    void stampOnBothViews();
    void notSavedSignOnTheOperatorsBoardOnly();
    void resumedResultsLeaveTheKeysWithTheBoard();

private:
    // The share of the note box's pixels, as the server has them, in the given colour.
    static double StampShare(QWidget* window, int colour);
};

namespace {

// The board shown and active, with the audience screen (F12) open beside it.
bool ShowWithAudience(frmScoreboard& window)
{
    window.move(100, 100);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    QTest::keyClick(window.focusWidget(), Qt::Key_F12);
    return window.audience() && QTest::qWaitForWindowExposed(window.audience());
}

} // namespace

void tst_StampXvfb::initTestCase()
{
    Prompts::setTestMode(true);
    QVERIFY(SetMonitors({1920, 1080}, {1920, 1080}));
    QTRY_COMPARE(QGuiApplication::screens().size(), 2);
}

double tst_StampXvfb::StampShare(QWidget* window, int colour)
{
    auto* note = window->findChild<QPlainTextEdit*>(QStringLiteral("txtNote"));
    const QRect box(note->mapTo(window, QPoint(0, 0)), note->size());
    const QImage shot = window->screen()
                            ->grabWindow(window->winId(), box.x(), box.y(), box.width(), box.height())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    const QColor ink = LedColors::ToQColor(colour);
    qint64 inked = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) + std::abs(c.blue() - ink.blue()) <
                40)
                ++inked;
        }
    }
    return shot.isNull() ? -1.0 : static_cast<double>(inked) / (shot.width() * shot.height());
}

void tst_StampXvfb::stampOnBothViews_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("stamped");
    QTest::addColumn<int>("colour");
    const int sold = AppSettings::DefaultLEDLotColor;
    const int passed = AppSettings::DefaultPassedColor;
    QTest::newRow("sold") << QStringLiteral("R 5") << true << sold;
    QTest::newRow("passed") << QStringLiteral("R 6") << true << passed;
    QTest::newRow("gone at the next lot") << QStringLiteral("R 5 R") << false << sold;
    QTest::newRow("back with Left") << QStringLiteral("R 5 R L") << true << sold;
    QTest::newRow("no lot on show") << QStringLiteral("5") << false << sold;
}

void tst_StampXvfb::stampOnBothViews()
{
    QFETCH(QString, keys);
    QFETCH(bool, stamped);
    QFETCH(int, colour);
    QTemporaryDir dir;
    MemorySettingsStore store;
    AppSettings settings(store);
    AddLots(*settings.LotList,
            {{12, 100, QStringLiteral("Walnut bureau")}, {13, 100, QStringLiteral("Walnut bureau")}});
    SaleJournal sale(dir.path());
    frmScoreboard window(settings);
    window.setSale(&sale);
    QVERIFY(ShowWithAudience(window));

    static const QHash<QString, Qt::Key> names = {{QStringLiteral("R"), Qt::Key_Right},
                                                  {QStringLiteral("L"), Qt::Key_Left},
                                                  {QStringLiteral("5"), Qt::Key_F5},
                                                  {QStringLiteral("6"), Qt::Key_F6}};
    for (const QString& key : keys.split(u' '))
        QTest::keyClick(window.focusWidget(), names.value(key));
    QTest::qWait(300);

    // The stamp fills a good part of the note box on both views alike, at both sizes; without
    // it the lot colour is nowhere there.
    for (QWidget* view : {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.audience())}) {
        const double share = StampShare(view, colour);
        QVERIFY2(stamped ? share > 0.08 : share >= 0 && share < 0.005,
                 qPrintable(QStringLiteral("%1: %2").arg(view->objectName()).arg(share)));
    }
    // It scales with the layout: a larger window, a larger stamp, the same share of the box.
    if (stamped) {
        const double before = StampShare(&window, colour);
        window.resize(window.size() * 3 / 2);
        QTest::qWait(300);
        QVERIFY(std::abs(StampShare(&window, colour) - before) < before * 0.25);
    }
}

void tst_StampXvfb::notSavedSignOnTheOperatorsBoardOnly()
{
    // A file where the folder should be: nothing can be saved there.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    MemorySettingsStore store;
    AppSettings settings(store);
    AddLots(*settings.LotList, {{12, 100}});
    SaleJournal sale(blocker.fileName() + QStringLiteral("/sales"));
    sale.Open();
    frmScoreboard window(settings);
    window.setSale(&sale);
    QVERIFY(ShowWithAudience(window));

    // The sign's red, as the server has the windows' pixels.
    const auto signPixels = [](QWidget* view) {
        const QImage shot = view->screen()->grabWindow(view->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        qint64 red = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                red += std::abs(c.red() - 0xb0) + c.green() + c.blue() < 40;
            }
        return red;
    };
    QCOMPARE(signPixels(&window), 0);
    QTest::keyClick(window.focusWidget(), Qt::Key_Right);
    QTest::keyClick(window.focusWidget(), Qt::Key_F5);
    QTest::qWait(300);
    QVERIFY2(signPixels(&window) > 500, qPrintable(QString::number(signPixels(&window))));
    QCOMPARE(signPixels(window.audience()), 0);
}

// A restart with an unended sale shows the results beside the board, and the board keeps the keys.
void tst_StampXvfb::resumedResultsLeaveTheKeysWithTheBoard()
{
    QTemporaryDir dir;
    MemorySettingsStore store;
    AppSettings settings(store);
    AddLots(*settings.LotList, {{12, 100}, {13, 100}});
    SaleJournal sale(dir.path());
    frmScoreboard window(settings);
    window.setSale(&sale);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.ShowResults(false);
    QVERIFY(QTest::qWaitForWindowExposed(window.results()));
    QTest::qWait(300);
    QCOMPARE(QGuiApplication::focusWindow(), window.windowHandle());
    // F4 asks for the window: then it takes the keys.
    window.ShowResults();
    QTRY_COMPARE(QGuiApplication::focusWindow(), window.results()->windowHandle());
}

GAVELOR_XVFB_TEST_MAIN(tst_StampXvfb,
                       (QStringList{QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("3840x1080x24")}))

#include "tst_stamp_xvfb.moc"
