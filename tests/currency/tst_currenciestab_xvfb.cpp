// The options dialog with its fifth tab as the X server shows it at 96 dpi: every tab caption
// whole, no scroll arrows, the dialog's size unchanged, and the bottom of the Currencies tab free.
#include "common/Prompts.h"
#include "common/Twips.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "setup/frmOptions.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

class tst_CurrenciesTabXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void captionsShowWhole();
    void picturesFrameBelowTheRates();

private:
    MemorySettingsStore m_store;
};

void tst_CurrenciesTabXvfb::captionsShowWhole()
{
    AppSettings settings(m_store);
    frmOptions dialog(settings, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(Twips::ToPixels(frmOptions::ClientWidth, &dialog),
                                  Twips::ToPixels(frmOptions::ClientHeight, &dialog)));
    auto* tabs = dialog.findChild<QTabWidget*>(u"SSTab1"_s);
    QTabBar* bar = tabs->tabBar();
    QCOMPARE(bar->count(), 5);
    QCOMPARE(bar->tabText(4), u"C&urrencies"_s);
    // Each caption's tab lies whole inside the bar, and the scroll arrows are not shown.
    for (int tab = 0; tab < bar->count(); ++tab) {
        QVERIFY2(bar->rect().contains(bar->tabRect(tab)), qPrintable(bar->tabText(tab)));
        QVERIFY(bar->tabRect(tab).width() >= bar->fontMetrics().horizontalAdvance(bar->tabText(tab).remove(u'&')));
    }
    for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
        QVERIFY(!arrow->isVisible());
    const QString shots = qEnvironmentVariable("GAVELOR_CURRENCY_SHOT");
    if (!shots.isEmpty()) {
        tabs->setCurrentIndex(4);
        QTest::qWait(200);
        dialog.screen()->grabWindow(dialog.winId()).save(shots);
    }
}

void tst_CurrenciesTabXvfb::picturesFrameBelowTheRates()
{
    AppSettings settings(m_store);
    frmOptions dialog(settings, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* tabs = dialog.findChild<QTabWidget*>(u"SSTab1"_s);
    tabs->setCurrentIndex(4);
    QWidget* page = tabs->currentWidget();
    QTRY_VERIFY(page->isVisible());
    // The rates end above 3960 twips (tab-control coordinates); the lot pictures' frame is below.
    const int freeTop = Twips::ToPixels(3960, &dialog);
    const QWidget* pictures = page->findChild<QWidget*>(u"fraLotPictures"_s);
    QVERIFY(pictures);
    const QList<QWidget*> controls = page->findChildren<QWidget*>();
    int checked = 0;
    for (const QWidget* control : controls) {
        if (!control->objectName().startsWith(u"chk") && !control->objectName().startsWith(u"lbl") &&
            !control->objectName().startsWith(u"txt") && !control->objectName().startsWith(u"grd") &&
            !control->objectName().startsWith(u"cmd"))
            continue;
        ++checked;
        const QRect box(control->mapTo(tabs, QPoint(0, 0)), control->size());
        if (pictures->isAncestorOf(control))
            QVERIFY2(box.top() >= freeTop, qPrintable(control->objectName()));
        else
            QVERIFY2(box.bottom() < freeTop, qPrintable(control->objectName()));
        QVERIFY2(tabs->rect().contains(box), qPrintable(control->objectName()));
    }
    QCOMPARE(checked, 9);
}

GAVELOR_XVFB_TEST_MAIN(tst_CurrenciesTabXvfb,
                       (QStringList{u"-screen"_s, u"0"_s, u"1280x1024x24"_s, u"-dpi"_s, u"96"_s}))

#include "tst_currenciestab_xvfb.moc"
