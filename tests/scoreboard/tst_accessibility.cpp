// What a screen reader or UI automation reads off the windows: a name for every control,
// and the lot and bid as the room sees them, announced as they change.

#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/BoardAnnouncer.h"
#include "scoreboard/DisplayAccessible.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "setup/frmOptions.h"
#include "help/frmHelp.h"
#include "startup/frmSplash.h"

#include <QTabWidget>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

QList<QPair<QObject*, QString>> g_announced;

QString AccessibleText(QWidget* widget, QAccessible::Text which)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QString();
}

// Every visible control of the window that has no accessible name.
QStringList Unnamed(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window) || child->objectName().isEmpty() ||
            child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (AccessibleText(child, QAccessible::Name).remove(QLatin1Char('&')).trimmed().isEmpty())
            unnamed << child->objectName();
    }
    return unnamed;
}

SettingsSections Sale()
{
    SettingsChange change;
    change.Save(QStringLiteral("Increments"), QStringLiteral(" 0"), QStringLiteral(" 5"));
    change.Save(QStringLiteral("Increments"), QStringLiteral(" 1000"), QStringLiteral(" 50"));
    change.Save(QStringLiteral("Lots"), QStringLiteral(" 1"), QStringLiteral(" 12\u0005 1150\u0005Oak chest"));
    change.Save(QStringLiteral("Lots"), QStringLiteral(" 2"), QStringLiteral(" 14\u0005 300\u0005Vases"));
    SettingsSections sections;
    sections.apply(change);
    return sections;
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyControlIsNamed();
    void lotAndBidAreReadAndAnnounced();
    void boardSaysEachChangeOnce_data();
    void boardSaysEachChangeOnce();
    void spokenMoney_data();
    void spokenMoney();
    void saleCurrencyIsSpoken_data();
    void saleCurrencyIsSpoken();
};

void tst_Accessibility::initTestCase()
{
    DisplayAccessible::SetObserver([](QWidget* display, const QString& text) { g_announced.append({display, text}); });
}

void tst_Accessibility::everyControlIsNamed()
{
    MemorySettingsStore store(Sale());
    AppSettings settings(store);
    settings.LoadAllSettings();
    frmScoreboard scoreboard(settings);
    frmSplash splash(settings, {});
    frmLots lots(settings);
    frmOptions options(settings, nullptr);
    frmHelp help(QDir::tempPath());
    QWidget* const windows[] = {&scoreboard, &splash, &lots, &options, &help};
    for (QWidget* window : windows) {
        window->show();
        if (auto* tabs = window->findChild<QTabWidget*>()) {
            // The controls of every tab, not only the one in front.
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QVERIFY2(Unnamed(window).isEmpty(), qPrintable(Unnamed(window).join(QLatin1Char(' '))));
            }
        }
        QVERIFY2(Unnamed(window).isEmpty(),
                 qPrintable(window->objectName() + QLatin1Char(':') + Unnamed(window).join(QLatin1Char(' '))));
        window->hide();
    }
}

void tst_Accessibility::lotAndBidAreReadAndAnnounced()
{
    MemorySettingsStore store(Sale());
    AppSettings settings(store);
    settings.LoadAllSettings();
    frmScoreboard window(settings);
    window.show();
    QWidget* lot = window.findChild<QWidget*>(QStringLiteral("nledLotNum"));
    QWidget* amount = window.findChild<QWidget*>(QStringLiteral("picAmountBack"));
    QCOMPARE(AccessibleText(lot, QAccessible::Value), QStringLiteral("Lot #: 0"));
    QCOMPARE(AccessibleText(amount, QAccessible::Value), QStringLiteral("$0"));

    const struct
    {
        Qt::Key key;
        const char* lot;
        const char* amount;
    } steps[] = {
        {Qt::Key_Right, "Lot #: 12", "$1,150"}, // a lot step brings its starting bid
        {Qt::Key_Up, "Lot #: 12", "$1,200"},    // a raise across the thousands
        {Qt::Key_Down, "Lot #: 12", "$1,150"},  // taken back
        {Qt::Key_Right, "Lot #: 14", "$300"},   // below a thousand, no separator
    };
    for (const auto& step : steps) {
        g_announced.clear();
        QTest::keyClick(lot, step.key);
        QCOMPARE(AccessibleText(lot, QAccessible::Value), QString::fromUtf8(step.lot));
        QCOMPARE(AccessibleText(amount, QAccessible::Value), QString::fromUtf8(step.amount));
        // The new bid is announced once, with what is now shown.
        QCOMPARE(g_announced.count({amount, QString::fromUtf8(step.amount)}), 1);
    }
    // On Tab and "where am I" a screen reader reads the name: the whole bid, then lot and note.
    QTRY_COMPARE(AccessibleText(amount, QAccessible::Name), QStringLiteral("Bid 300 dollars, Lot 14, Vases"));
    QCOMPARE(AccessibleText(lot, QAccessible::Name), QStringLiteral("Lot 14, 300 dollars, Vases"));
    // The displays offer no Increase or Decrease that would do nothing.
    QVERIFY(!QAccessible::queryAccessibleInterface(lot)->valueInterface());
}

void tst_Accessibility::boardSaysEachChangeOnce_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("said");
    QTest::newRow("a lot step says the lot whole, not its bid after it")
        << QList<int>{Qt::Key_Right} << QStringList{QStringLiteral("Lot 12, 1,150 dollars, Oak chest")};
    QTest::newRow("a raise says the amount alone")
        << QList<int>{Qt::Key_Right, Qt::Key_Up}
        << QStringList{QStringLiteral("Lot 12, 1,150 dollars, Oak chest"), QStringLiteral("1,200")};
    QTest::newRow("a typed bid is said at Enter")
        << QList<int>{Qt::Key_Tab, Qt::Key_7, Qt::Key_5, Qt::Key_Return} << QStringList{QStringLiteral("75")};
    QTest::newRow("lot typing says the lot shown")
        << QList<int>{Qt::Key_4, Qt::Key_2, Qt::Key_Return} << QStringList{QStringLiteral("Lot 42")};
    QTest::newRow("keys that change nothing say nothing")
        << QList<int>{Qt::Key_Left, Qt::Key_Down, Qt::Key_Space} << QStringList{};
}

void tst_Accessibility::boardSaysEachChangeOnce()
{
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, said);
    MemorySettingsStore store(Sale());
    AppSettings settings(store);
    settings.LoadAllSettings();
    frmScoreboard window(settings);
    window.show();
    QCoreApplication::processEvents(); // the opening lot 0 is said before the keys
    QSignalSpy spy(window.announcer(), &BoardAnnouncer::Announced);
    for (int key : keys) {
        QWidget* focused = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keyClick(focused, Qt::Key(key));
        // Each key is its own pass, as the operator's keys are.
        QCoreApplication::processEvents();
    }
    QStringList heard;
    for (const QList<QVariant>& call : spy)
        heard << call.at(0).toString();
    QCOMPARE(heard, said);
}

void tst_Accessibility::spokenMoney_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("dollars") << QStringLiteral("$") << QStringLiteral("12,050 dollars");
    QTest::newRow("euros") << QStringLiteral("\u20AC") << QStringLiteral("12,050 euros");
    QTest::newRow("a sign without a name is said as written") << QStringLiteral("Fr.") << QStringLiteral("12,050 Fr.");
}

void tst_Accessibility::spokenMoney()
{
    QFETCH(QString, currency);
    QFETCH(QString, spoken);
    QCOMPARE(BoardAnnouncer::SpokenMoney(12050, currency), spoken);
}

void tst_Accessibility::saleCurrencyIsSpoken_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("grouping");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<bool>("separatorShown");
    QTest::newRow("euros") << QStringLiteral("\u20AC") << QStringLiteral(".") << QStringLiteral("\u20AC1.150") << true;
    QTest::newRow("francs") << QStringLiteral("CHF") << QStringLiteral("'") << QStringLiteral("CHF1'150") << true;
    QTest::newRow("no grouping") << QStringLiteral("kr") << QString() << QStringLiteral("kr1150") << false;
}

void tst_Accessibility::saleCurrencyIsSpoken()
{
    QFETCH(QString, currency);
    QFETCH(QString, grouping);
    QFETCH(QString, spoken);
    QFETCH(bool, separatorShown);
    SettingsSections sale = Sale();
    SettingsChange region;
    region.Save(QStringLiteral("RegionSettings"), QStringLiteral("Currency"), currency);
    region.Save(QStringLiteral("RegionSettings"), QStringLiteral("Grouping"), grouping);
    sale.apply(region);
    MemorySettingsStore store(sale);
    AppSettings settings(store);
    settings.LoadAllSettings();
    frmScoreboard window(settings);
    window.show();
    QWidget* lot = window.findChild<QWidget*>(QStringLiteral("nledLotNum"));
    QTest::keyClick(lot, Qt::Key_Right);
    QCOMPARE(AccessibleText(window.findChild<QWidget*>(QStringLiteral("picAmountBack")), QAccessible::Value), spoken);
    QCOMPARE(window.findChild<QWidget*>(QStringLiteral("lblAmountComma"))->isVisible(), separatorShown);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
