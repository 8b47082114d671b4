#include "common/Prompts.h"
#include "common/Twips.h"
#include "platform/NumLockBackend.h"
#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PictureBox.h"
#include "scoreboard/PolyLED.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/AdditionalTab.h"
#include "setup/frmOptions.h"
#include "startup/Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// A keyboard that only remembers its NumLock lock.
class FakeNumLock : public NumLockBackend
{
public:
    bool IsAvailable() const override { return true; }
    std::optional<bool> IsNumLockOn() const override { return on; }
    bool LockNumLock(bool wanted) override
    {
        on = wanted;
        ++locks;
        return true;
    }
    bool on = false;
    int locks = 0;
};

// Keeps every commit and can be told to fail them, as a full disk would.
class RecordingStore : public MemorySettingsStore
{
public:
    bool Commit(const SettingsChange& change) override
    {
        commits.append(change);
        return !failing && MemorySettingsStore::Commit(change);
    }
    QList<SettingsChange> commits;
    bool failing = false;
};

// Every program-wide value the dialog may change, as one comparable text.
QString snapshot(const AppSettings& s)
{
    QStringList parts{QString::number(s.FormBackColor),
                      QString::number(s.LEDBackColor),
                      QString::number(s.TextColor),
                      QString::number(s.LEDLotColor),
                      QString::number(s.LEDAmountColor),
                      QString::number(s.NumLockMode),
                      QString::number(s.LEDTypeIndex),
                      s.Currency,
                      s.Grouping};
    for (const IncrementInfoPtr& range : *s.IncrementList)
        parts << QStringLiteral("%1:%2").arg(range->Minimum).arg(range->Amount);
    return parts.join(u' ');
}

using Action = std::function<void(QWidget*)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class tst_Options : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void cleanup();

    void cancelDropsEveryEdit_data();
    void cancelDropsEveryEdit();
    void reopeningAfterCancelShowsProgramValues();
    void controlsSitWhereDesignedOnTheTabControl_data();
    void controlsSitWhereDesignedOnTheTabControl();
    void okRewritesEverything_data();
    void okRewritesEverything();
    void failedWriteKeepsValuesAndWarnsOnce();
    void changeButtonPicksIntoItsSwatch_data();
    void changeButtonPicksIntoItsSwatch();
    void refusedEntries_data();
    void refusedEntries();
    void acceptedEntries_data();
    void acceptedEntries();
    void selectionAfterSave_data();
    void selectionAfterSave();
    void duplicateMinimumIsRefused();
    void deleteSelection_data();
    void deleteSelection();
    void enterInIncrementBoxCommitsDialog_data();
    void enterInIncrementBoxCommitsDialog();
    void stampColorsFollowAndStore_data();
    void stampColorsFollowAndStore();
    void numLockOptions_data();
    void numLockOptions();
    void storedDigitType_data();
    void storedDigitType();
    void resetSettings();
    void currencyChoices_data();
    void currencyChoices();
    void numLockOptionsUnavailableWithoutBackend();
    void okFromScoreboardAndTitleWindowLasts_data();
    void okFromScoreboardAndTitleWindowLasts();

private:
    // Opens the dialog on ranges (minimum, amount) 0:5, 100:10, ... for the given minimums.
    void open(const QList<int>& minimums = {0, 100, 1000});
    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = m_dlg->findChild<T*>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    void click(const char* name) const { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void showTab(int index) const { control<QTabWidget>("SSTab1")->setCurrentIndex(index); }
    void selectRow(int row) const;
    int selectedRow() const;
    QStringList rows() const;
    void enterRange(const QString& minimum, const QString& amount) const;

    RecordingStore m_store;
    std::unique_ptr<AppSettings> m_settings;
    FakeNumLock m_numLock;
    frmOptions* m_dlg = nullptr;
};

void tst_Options::init()
{
    Prompts::clear();
    m_store = RecordingStore();
    m_numLock = FakeNumLock();
    m_settings = std::make_unique<AppSettings>(m_store);
}

void tst_Options::cleanup()
{
    delete m_dlg;
    m_dlg = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void tst_Options::open(const QList<int>& minimums)
{
    for (int minimum : minimums) {
        auto range = std::make_shared<IncrementInfo>();
        range->Minimum = minimum;
        range->Amount = minimum / 20 + 5;
        m_settings->IncrementList->Add(range);
    }
    m_dlg = new frmOptions(*m_settings, &m_numLock);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg));
    m_store.commits.clear();
}

void tst_Options::selectRow(int row) const
{
    auto* list = control<QListView>("lstIncrements");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
}

int tst_Options::selectedRow() const
{
    const QModelIndexList selected = control<QListView>("lstIncrements")->selectionModel()->selectedRows();
    return selected.size() == 1 ? selected.first().row() : -selected.size() - 1;
}

QStringList tst_Options::rows() const
{
    const QAbstractItemModel* model = control<QListView>("lstIncrements")->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

void tst_Options::enterRange(const QString& minimum, const QString& amount) const
{
    control<QLineEdit>("txtIncrementMin")->clear();
    QTest::keyClicks(control("txtIncrementMin"), minimum);
    control<QLineEdit>("txtIncrementAmount")->clear();
    QTest::keyClicks(control("txtIncrementAmount"), amount);
    click("cmdIncrementEditSave");
}

void tst_Options::cancelDropsEveryEdit_data()
{
    QTest::addColumn<Action>("closeDialog");
    QTest::newRow("Cancel button") << Action(
        [](QWidget* d) { QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton); });
    QTest::newRow("Esc") << Action([](QWidget* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); });
    QTest::newRow("close box") << Action([](QWidget* d) { d->close(); });
}

void tst_Options::cancelDropsEveryEdit()
{
    QFETCH(Action, closeDialog);
    m_settings->NumLockMode = 2;
    open();
    const QString before = snapshot(*m_settings);

    Prompts::queueColor(QColor(1, 2, 3));
    click("cmdTextC");
    click("cmdResetColors");
    showTab(1);
    click("cmdIncrementAdd");
    enterRange(QStringLiteral("50"), QStringLiteral("7"));
    selectRow(0);
    click("cmdIncrementDelete");
    click("cmdIncrementEdit");
    enterRange(QStringLiteral("60"), QStringLiteral("8"));
    showTab(2);
    control<QComboBox>("cmbLedType")->setCurrentIndex(1);
    control<QRadioButton>("optKeepOn")->click();
    QTest::keyClicks(control<QComboBox>("cmbCurrency")->lineEdit(), QStringLiteral("kr"));
    control<QComboBox>("cmbGrouping")->setCurrentIndex(2);
    QCOMPARE(rows().size(), 3); // the edits did reach the dialog

    closeDialog(m_dlg);
    QVERIFY(!m_dlg->isVisible());
    QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
    QCOMPARE(snapshot(*m_settings), before);
    QCOMPARE(m_store.commits.size(), 0);
    QCOMPARE(m_numLock.locks, 0);
}

void tst_Options::reopeningAfterCancelShowsProgramValues()
{
    open();
    Prompts::queueColor(QColor(1, 2, 3));
    click("cmdBackC");
    showTab(1);
    selectRow(2);
    click("cmdIncrementDelete");
    click("cmdCancel");

    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg));
    QCOMPARE(control<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(m_dlg->focusWidget(), control("cmdOk"));
    QCOMPARE(control<PictureBox>("picBackC")->BackColor(), AppSettings::DefaultFormBackColor);
    QCOMPARE(rows(), QStringList({QStringLiteral("0\t5"), QStringLiteral("100\t10"), QStringLiteral("1000\t55")}));
    QCOMPARE(selectedRow(), 0);
    m_dlg->close();
}

void tst_Options::controlsSitWhereDesignedOnTheTabControl_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("twips");
    QTest::newRow("colours") << 0 << u"cmdResetColors"_qs << QPoint(4620, 4680);
    QTest::newRow("increments") << 1 << u"fraIncrements"_qs << QPoint(360, 720);
    QTest::newRow("additional") << 2 << u"cmdResetKeys"_qs << QPoint(4380, 4560);
    QTest::newRow("currency") << 2 << u"fraCurrency"_qs << QPoint(540, 2760);
}

void tst_Options::controlsSitWhereDesignedOnTheTabControl()
{
    QFETCH(int, tab);
    QFETCH(QString, name);
    QFETCH(QPoint, twips);
    open();
    showTab(tab);
    auto* tabs = control<QTabWidget>("SSTab1");
    const QPoint expected(Twips::ToPixels(twips.x(), m_dlg), Twips::ToPixels(twips.y(), m_dlg));
    QTRY_COMPARE(m_dlg->findChild<QWidget*>(name)->mapTo(tabs, QPoint(0, 0)), expected);
    QVERIFY(tabs->tabBar()->geometry().bottom() < expected.y());
    m_dlg->close();
}

void tst_Options::okRewritesEverything_data()
{
    QTest::addColumn<Action>("edit");
    QTest::addColumn<QStringList>("display");
    const QStringList unchanged{u"4210752"_qs, u"0"_qs, u"16777215"_qs, u"33023"_qs, u"49152"_qs, u"0"_qs, u"0"_qs};
    QTest::newRow("nothing changed") << Action([](QWidget*) {}) << unchanged;
    QStringList lot = unchanged;
    lot[3] = u"197121"_qs; // red 1, green 2, blue 3
    QTest::newRow("one swatch") << Action([](QWidget* d) {
        Prompts::queueColor(QColor(1, 2, 3));
        QTest::mouseClick(d->findChild<QPushButton*>(u"cmdLEDLotC"_qs), Qt::LeftButton);
    }) << lot;
    QStringList additional = unchanged;
    additional[5] = u"2"_qs;
    additional[6] = u"1"_qs;
    QTest::newRow("additional settings") << Action([](QWidget* d) {
        d->findChild<QRadioButton*>(u"optKeepOff"_qs)->click();
        d->findChild<QComboBox*>(u"cmbLedType"_qs)->setCurrentIndex(1);
    }) << additional;
}

void tst_Options::okRewritesEverything()
{
    QFETCH(Action, edit);
    QFETCH(QStringList, display);
    m_store.Save(u"Increments"_qs, u" 7"_qs, u" 9"_qs); // a leftover the rewrite must drop
    m_settings->LoadAllSettings();
    open({0, 100});
    edit(m_dlg);
    click("cmdOk");

    QVERIFY(!m_dlg->isVisible());
    QCOMPARE(m_store.commits.size(), 2);
    QStringList keys, values;
    for (const SettingsChange::Operation& op : m_store.commits[0].operations()) {
        keys << op.section + u'/' + op.key;
        values << op.value;
    }
    QCOMPARE(keys, QStringList({u"ColorSettings/FormBack"_qs, u"ColorSettings/LEDBack"_qs, u"ColorSettings/Text"_qs,
                                u"ColorSettings/LEDLot"_qs, u"ColorSettings/LEDAmount"_qs,
                                u"KeySettings/NumLockForce"_qs, u"PicSettings/LEDType"_qs}));
    QCOMPARE(values, display);
    QCOMPARE(m_store.GetAll(u"Increments"_qs),
             SettingsPairs({{u" 0"_qs, u" 5"_qs}, {u" 7"_qs, u" 9"_qs}, {u" 100"_qs, u" 10"_qs}}));
    QCOMPARE(m_store.commits[1].operations().first().kind, SettingsChange::Operation::DeleteSection);
}

void tst_Options::failedWriteKeepsValuesAndWarnsOnce()
{
    open();
    m_store.failing = true;
    Prompts::queueColor(QColor(1, 2, 3));
    click("cmdBackC");
    showTab(1);
    click("cmdIncrementAdd");
    enterRange(QStringLiteral("50"), QStringLiteral("7"));
    click("cmdOk");

    QVERIFY(!m_dlg->isVisible());
    QCOMPARE(m_settings->FormBackColor, 197121);
    QCOMPARE(m_settings->IncrementList->Count(), 4);
    QCOMPARE(Prompts::asked().size(), 2); // the picker, then the one warning
    QCOMPARE(Prompts::asked().last().text, frmOptions::SaveFailedMessage());
    QCOMPARE(Prompts::asked().last().icon, Prompts::Icon::Warning);
}

void tst_Options::changeButtonPicksIntoItsSwatch_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("what");
    QTest::newRow("back") << u"cmdBackC"_qs << u"picBackC"_qs << AppSettings::DefaultFormBackColor << u"Back Color"_qs;
    QTest::newRow("LED back") << u"cmdLEDB"_qs << u"picLEDB"_qs << AppSettings::DefaultLEDBackColor
                              << u"LED Background"_qs;
    QTest::newRow("text") << u"cmdTextC"_qs << u"picTextC"_qs << AppSettings::DefaultTextColor << u"Text Color"_qs;
    QTest::newRow("lot") << u"cmdLEDLotC"_qs << u"picLEDLotC"_qs << AppSettings::DefaultLEDLotColor
                         << u"LED Lot Color"_qs;
    QTest::newRow("amount") << u"cmdLEDAmountC"_qs << u"picLEDAmountC"_qs << AppSettings::DefaultLEDAmountColor
                            << u"LED Amount Color"_qs;
    QTest::newRow("sold") << u"cmdSoldC"_qs << u"picSoldC"_qs << AppSettings::DefaultLEDLotColor << u"Sold Color"_qs;
    QTest::newRow("passed") << u"cmdPassedC"_qs << u"picPassedC"_qs << AppSettings::DefaultPassedColor
                            << u"Passed Color"_qs;
}

void tst_Options::changeButtonPicksIntoItsSwatch()
{
    QFETCH(QString, button);
    QFETCH(QString, swatch);
    QFETCH(int, stored);
    QFETCH(QString, what);
    open();
    auto* box = m_dlg->findChild<PictureBox*>(swatch);
    auto* change = m_dlg->findChild<QPushButton*>(button);
    Prompts::queueColor(std::nullopt);
    QTest::mouseClick(change, Qt::LeftButton);
    QCOMPARE(box->BackColor(), stored); // a cancelled picker changes nothing
    Prompts::queueColor(QColor(0x12, 0x34, 0x56));
    QTest::mouseClick(change, Qt::LeftButton);
    QCOMPARE(box->BackColor(), 0x563412);
    // A screen reader hears the new colour on the swatch and on its Change button.
    QCOMPARE(change->accessibleDescription(), u"red 18, green 52, blue 86"_qs);
    QCOMPARE(box->accessibleDescription(), change->accessibleDescription());
    Prompts::queueColor(std::nullopt);
    QTest::mouseClick(change, Qt::LeftButton);
    // The picker opened on the swatch's colour each time.
    QCOMPARE(Prompts::asked().size(), 3);
    QCOMPARE(Prompts::asked()[0].text, QColor(stored & 0xFF, (stored >> 8) & 0xFF, stored >> 16).name());
    // A screen reader hears which colour the picker changes.
    QCOMPARE(Prompts::asked()[0].buttons, QStringList{what});
    QCOMPARE(Prompts::asked()[2].text, u"#123456"_qs);
    // Only this swatch changed, and "SOLD" with the lot colour it follows.
    int changed = 0;
    for (PictureBox* other : m_dlg->findChildren<PictureBox*>())
        changed += other->BackColor() == 0x563412;
    QCOMPARE(changed, button == u"cmdLEDLotC"_qs ? 2 : 1);
    m_dlg->close();
}

// "SOLD" follows the lot colour until a colour of its own is picked; a stamp colour left at
// its default is not stored.
void tst_Options::stampColorsFollowAndStore_data()
{
    QTest::addColumn<QStringList>("picks"); // button=#rrggbb, in order
    QTest::addColumn<int>("soldSwatch");
    QTest::addColumn<QString>("stored");
    QTest::newRow("untouched") << QStringList() << AppSettings::DefaultLEDLotColor << QString();
    QTest::newRow("new lot colour, sold follows") << QStringList{u"cmdLEDLotC=#0000ff"_qs} << 0xFF0000 << QString();
    QTest::newRow("sold of its own") << QStringList{u"cmdSoldC=#00ff00"_qs, u"cmdLEDLotC=#0000ff"_qs} << 0x00FF00
                                     << u"Sold=65280"_qs;
    QTest::newRow("passed of its own") << QStringList{u"cmdPassedC=#ff0000"_qs} << AppSettings::DefaultLEDLotColor
                                       << u"Passed=255"_qs;
}

void tst_Options::stampColorsFollowAndStore()
{
    QFETCH(QStringList, picks);
    QFETCH(int, soldSwatch);
    QFETCH(QString, stored);
    open();
    for (const QString& pick : picks) {
        Prompts::queueColor(QColor(pick.section(u'=', 1)));
        click(pick.section(u'=', 0, 0).toLatin1().constData());
    }
    QCOMPARE(control<PictureBox>("picSoldC")->BackColor(), soldSwatch);
    click("cmdOk");
    QStringList pairs;
    for (const SettingsPair& pair : m_store.GetAll(u"StampColors"_qs))
        pairs << pair.first + u'=' + pair.second;
    QCOMPARE(pairs.join(u' '), stored);
    QCOMPARE(m_settings->ShownSoldColor(), soldSwatch);
}

void tst_Options::refusedEntries_data()
{
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("box");
    const QString minBox = u"txtIncrementMin"_qs, amountBox = u"txtIncrementAmount"_qs;
    QTest::newRow("minimum above range") << u"1000000"_qs << u"5"_qs << minBox;
    QTest::newRow("minimum rounds into range") << u"999999.4"_qs << u"5"_qs << minBox;
    QTest::newRow("negative minimum") << u"-1"_qs << u"5"_qs << minBox;
    QTest::newRow("empty minimum") << u""_qs << u"5"_qs << minBox;
    QTest::newRow("both wrong: the minimum first") << u"abc"_qs << u"abc"_qs << minBox;
    QTest::newRow("amount above range") << u"5"_qs << u"1000000"_qs << amountBox;
    QTest::newRow("empty amount") << u"5"_qs << u""_qs << amountBox;
    QTest::newRow("amount not a number") << u"5"_qs << u"1,5"_qs << amountBox;
}

void tst_Options::refusedEntries()
{
    QFETCH(QString, minimum);
    QFETCH(QString, amount);
    QFETCH(QString, box);
    open();
    showTab(1);
    click("cmdIncrementAdd");
    enterRange(minimum, amount);
    const QString message = box == u"txtIncrementMin"_qs ? u"Increment minimum must be between 0 and 999999"_qs
                                                         : u"Starting amount must be between 0 and 999999"_qs;
    QCOMPARE(Prompts::asked().size(), 1);
    QCOMPARE(Prompts::asked().first().text, message);
    QCOMPARE(m_dlg->focusWidget()->objectName(), box);
    QCOMPARE(rows().size(), 3);
    QVERIFY(control("txtIncrementMin")->isEnabled());
    QCOMPARE(control<QLineEdit>("txtIncrementMin")->text(), minimum);
    m_dlg->close();
}

void tst_Options::acceptedEntries_data()
{
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("row");
    QTest::newRow("upper bound") << u"999999"_qs << u"999999"_qs << u"999999\t999999"_qs;
    QTest::newRow("halves to even") << u"2.5"_qs << u"13.5"_qs << u"2\t14"_qs;
    QTest::newRow("fraction under a half, zero amount") << u"0.4e1"_qs << u"0"_qs << u"4\t0"_qs;
}

void tst_Options::acceptedEntries()
{
    QFETCH(QString, minimum);
    QFETCH(QString, amount);
    QFETCH(QString, row);
    open({});
    showTab(1);
    click("cmdIncrementAdd");
    enterRange(minimum, amount);
    QCOMPARE(Prompts::asked().size(), 0);
    QCOMPARE(rows(), QStringList{row});
    QCOMPARE(selectedRow(), 0);
    QVERIFY(control("cmdIncrementEdit")->isEnabled() && control("cmdIncrementDelete")->isEnabled());
    QVERIFY(!control("txtIncrementMin")->isEnabled());
    QVERIFY(control<QLineEdit>("txtIncrementMin")->text().isEmpty());
    m_dlg->close();
}

void tst_Options::selectionAfterSave_data()
{
    QTest::addColumn<int>("editRow"); // -1: a new range
    QTest::addColumn<int>("selectBefore");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QStringList>("minimums");
    QTest::addColumn<int>("selected");
    const QStringList five{u"0"_qs, u"100"_qs, u"200"_qs, u"300"_qs, u"400"_qs};
    QTest::newRow("new between two keeps the index")
        << -1 << 3 << u"150"_qs << QStringList{u"0"_qs, u"100"_qs, u"150"_qs, u"200"_qs, u"300"_qs, u"400"_qs} << 3;
    QTest::newRow("last moved to the top selects its old row")
        << 4 << 4 << u"50"_qs << QStringList{u"0"_qs, u"50"_qs, u"100"_qs, u"200"_qs, u"300"_qs} << 4;
    QTest::newRow("first moved to the end selects its old row")
        << 0 << 0 << u"999"_qs << QStringList{u"100"_qs, u"200"_qs, u"300"_qs, u"400"_qs, u"999"_qs} << 0;
    QTest::newRow("same minimum is no duplicate") << 2 << 2 << u"200"_qs << five << 2;
}

void tst_Options::selectionAfterSave()
{
    QFETCH(int, editRow);
    QFETCH(int, selectBefore);
    QFETCH(QString, minimum);
    QFETCH(QStringList, minimums);
    QFETCH(int, selected);
    open({0, 100, 200, 300, 400});
    showTab(1);
    selectRow(editRow >= 0 ? editRow : 0);
    click(editRow >= 0 ? "cmdIncrementEdit" : "cmdIncrementAdd");
    selectRow(selectBefore);
    enterRange(minimum, u"1"_qs);
    QCOMPARE(Prompts::asked().size(), 0);
    QStringList shown;
    for (const QString& row : rows())
        shown << row.section(u'\t', 0, 0);
    QCOMPARE(shown, minimums);
    QCOMPARE(selectedRow(), selected);
    m_dlg->close();
}

void tst_Options::duplicateMinimumIsRefused()
{
    open();
    showTab(1);
    selectRow(2);
    click("cmdIncrementEdit");
    const QStringList before = rows();
    enterRange(u"100"_qs, u"77"_qs);

    QCOMPARE(Prompts::asked().size(), 1);
    QCOMPARE(Prompts::asked().first().text, u"Cannot save since the minimum is a duplicate of an existing one."_qs);
    QCOMPARE(rows(), before);
    QCOMPARE(selectedRow(), 2);
    QCOMPARE(control<QGroupBox>("fraEditIncrement")->title(), u"Edit Increment"_qs);
    QVERIFY(control("txtIncrementMin")->isEnabled());
    QCOMPARE(control<QLineEdit>("txtIncrementAmount")->text(), u"77"_qs);
    // Corrected, the same edit still replaces the range it was opened on.
    enterRange(u"2000"_qs, u"77"_qs);
    QCOMPARE(rows(), QStringList({u"0\t5"_qs, u"100\t10"_qs, u"2000\t77"_qs}));
    m_dlg->close();
}

void tst_Options::deleteSelection_data()
{
    QTest::addColumn<QList<int>>("ranges");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("answerNo");
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<int>("selected");
    QTest::newRow("only range") << QList<int>{0} << 0 << false << 0 << -1;
    QTest::newRow("last of several") << QList<int>{0, 100, 1000} << 2 << false << 2 << 1;
    QTest::newRow("middle") << QList<int>{0, 100, 1000} << 1 << false << 2 << 1;
    QTest::newRow("answered No") << QList<int>{0, 100, 1000} << 1 << true << 3 << 1;
}

void tst_Options::deleteSelection()
{
    QFETCH(QList<int>, ranges);
    QFETCH(int, row);
    QFETCH(bool, answerNo);
    QFETCH(int, rowsAfter);
    QFETCH(int, selected);
    open(ranges);
    showTab(1);
    click("cmdIncrementAdd");
    QTest::keyClicks(control("txtIncrementMin"), u"42"_qs);
    selectRow(row);
    if (answerNo)
        Prompts::queueAnswer(Prompts::Answer::No);
    click("cmdIncrementDelete");
    QCOMPARE(Prompts::asked().size(), 1);
    QCOMPARE(Prompts::asked().first().text, u"Are you sure you want to delete this increment?"_qs);
    QCOMPARE(rows().size(), rowsAfter);
    QCOMPARE(selectedRow(), selected >= 0 ? selected : -1);
    QCOMPARE(control("cmdIncrementEdit")->isEnabled(), rowsAfter > 0);
    // A delete empties and closes the editor; a declined one leaves it as it was.
    QCOMPARE(control("txtIncrementMin")->isEnabled(), answerNo);
    QCOMPARE(control<QLineEdit>("txtIncrementMin")->text(), answerNo ? u"42"_qs : QString());
    m_dlg->close();
}

void tst_Options::enterInIncrementBoxCommitsDialog_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("minimum") << u"txtIncrementMin"_qs;
    QTest::newRow("amount") << u"txtIncrementAmount"_qs;
}

void tst_Options::enterInIncrementBoxCommitsDialog()
{
    QFETCH(QString, box);
    open();
    showTab(1);
    click("cmdIncrementAdd");
    QTest::keyClicks(control("txtIncrementMin"), u"50"_qs);
    QTest::keyClicks(control("txtIncrementAmount"), u"7"_qs);
    auto* target = m_dlg->findChild<QLineEdit*>(box);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QVERIFY(!m_dlg->isVisible());
    QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
    QCOMPARE(m_store.commits.size(), 2);
    QCOMPARE(m_settings->IncrementList->Count(), 3); // the range in the editor was not saved
}

void tst_Options::numLockOptions_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("option"); // empty: none clicked
    QTest::addColumn<bool>("initiallyOn");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("storedMode");
    QTest::addColumn<int>("locks");
    QTest::newRow("keep on switches at once") << 0 << u"optKeepOn"_qs << false << u"optNormal"_qs << 1 << 1;
    QTest::newRow("keep off switches at once") << 1 << u"optKeepOff"_qs << true << u"optKeepOn"_qs << 2 << 1;
    QTest::newRow("keep on when already on") << 1 << u""_qs << true << u"optKeepOn"_qs << 1 << 0;
    QTest::newRow("normal leaves it alone") << 2 << u"optNormal"_qs << true << u"optKeepOff"_qs << 0 << 0;
    QTest::newRow("unknown mode is kept") << 3 << u""_qs << false << u""_qs << 3 << 0;
    QTest::newRow("unknown mode, then keep off") << -1 << u"optKeepOff"_qs << true << u""_qs << 2 << 1;
}

void tst_Options::numLockOptions()
{
    QFETCH(int, mode);
    QFETCH(QString, option);
    QFETCH(bool, initiallyOn);
    QFETCH(QString, shown);
    QFETCH(int, storedMode);
    QFETCH(int, locks);
    m_settings->NumLockMode = mode;
    m_numLock.on = initiallyOn;
    open();
    showTab(2);
    QStringList checked;
    for (QRadioButton* button : m_dlg->findChildren<QRadioButton*>()) {
        QVERIFY(button->isEnabled());
        if (button->isChecked())
            checked << button->objectName();
    }
    QCOMPARE(checked, shown.isEmpty() ? QStringList() : QStringList{shown});
    if (!option.isEmpty())
        QTest::mouseClick(m_dlg->findChild<QRadioButton*>(option), Qt::LeftButton);
    click("cmdOk");
    QCOMPARE(m_settings->NumLockMode, storedMode);
    QCOMPARE(m_store.Get(u"KeySettings"_qs, u"NumLockForce"_qs, {}), QString::number(storedMode));
    QCOMPARE(m_numLock.locks, locks);
    if (storedMode == 1 || storedMode == 2)
        QCOMPARE(m_numLock.on, storedMode == 1);
}

void tst_Options::storedDigitType_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("lines") << 0 << 0;
    QTest::newRow("dots") << 1 << 1;
    QTest::newRow("not in the list") << 7 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void tst_Options::storedDigitType()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    m_settings->LEDTypeIndex = static_cast<qint16>(stored);
    open();
    QCOMPARE(control<QComboBox>("cmbLedType")->currentIndex(), shown);
    QCOMPARE(control<PolyLED>("pledPreview")->LedType(), shown);
    // The preview follows the list at once.
    control<QComboBox>("cmbLedType")->setCurrentIndex(1 - shown);
    QCOMPARE(control<PolyLED>("pledPreview")->LedType(), 1 - shown);
    control<QComboBox>("cmbLedType")->setCurrentIndex(shown);
    click("cmdOk");
    QCOMPARE(m_settings->LEDTypeIndex, shown);
    QCOMPARE(m_store.Get(u"PicSettings"_qs, u"LEDType"_qs, {}), QString::number(shown));
}

void tst_Options::resetSettings()
{
    m_settings->NumLockMode = 1;
    m_settings->LEDTypeIndex = 1;
    open();
    Prompts::queueAnswer(Prompts::Answer::No);
    click("cmdResetKeys");
    QCOMPARE(control<QComboBox>("cmbLedType")->currentIndex(), 1);
    QVERIFY(control<QRadioButton>("optKeepOn")->isChecked());
    click("cmdResetKeys");
    QCOMPARE(Prompts::asked().size(), 2);
    QCOMPARE(Prompts::asked().last().caption, u"Reset Additional Settings"_qs);
    QCOMPARE(control<QComboBox>("cmbLedType")->currentIndex(), 0);
    QCOMPARE(control<PolyLED>("pledPreview")->LedType(), 0);
    QVERIFY(control<QRadioButton>("optNormal")->isChecked() && !control<QRadioButton>("optKeepOn")->isChecked());
    click("cmdOk");
    QCOMPARE(m_store.Get(u"KeySettings"_qs, u"NumLockForce"_qs, {}), u"0"_qs);
    QCOMPARE(m_store.Get(u"PicSettings"_qs, u"LEDType"_qs, {}), u"0"_qs);
}

void tst_Options::currencyChoices_data()
{
    QTest::addColumn<QStringList>("before"); // sign and separator stored; none: never chosen
    QTest::addColumn<Action>("edit");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QStringList>("stored");
    auto type = [](const QString& sign, int grouping) {
        return Action([sign, grouping](QWidget* d) {
            auto* combo = d->findChild<QComboBox*>(u"cmbCurrency"_qs);
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), sign);
            d->findChild<QComboBox*>(u"cmbGrouping"_qs)->setCurrentIndex(grouping);
        });
    };
    auto reset = [](Prompts::Answer answer) {
        return Action([answer](QWidget* d) {
            Prompts::queueAnswer(answer);
            QTest::mouseClick(d->findChild<QPushButton*>(u"cmdResetKeys"_qs), Qt::LeftButton);
        });
    };
    const QStringList krona{u"kr"_qs, u"'"_qs};
    QTest::newRow("typed sign, point") << QStringList() << type(u"CHF"_qs, 1) << u"CHF12.050"_qs
                                       << QStringList{u"CHF"_qs, u"."_qs};
    QTest::newRow("sign cut at three") << QStringList() << type(u"EURO"_qs, 0) << u"EUR12,050"_qs
                                       << QStringList{u"EUR"_qs, u","_qs};
    QTest::newRow("blank sign not taken")
        << krona << type(u" "_qs, 4) << u" 12050"_qs << QStringList{u"kr"_qs, QString()};
    QTest::newRow("sign from the list, narrow space") << krona << Action([](QWidget* d) {
        d->findChild<QComboBox*>(u"cmbCurrency"_qs)->setCurrentIndex(1);
        d->findChild<QComboBox*>(u"cmbGrouping"_qs)->setCurrentIndex(2);
    }) << u"\u20AC12\u202F050"_qs << QStringList{u"\u20AC"_qs, u"\u202F"_qs};
    QTest::newRow("reset, yes") << krona << reset(Prompts::Answer::Yes) << u"$12,050"_qs
                                << QStringList{u"$"_qs, u","_qs};
    QTest::newRow("reset, no") << krona << reset(Prompts::Answer::No) << u"kr12'050"_qs << krona;
}

// OK stores the sign and separator with the display settings; what the preview shows is what is stored.
void tst_Options::currencyChoices()
{
    QFETCH(QStringList, before);
    QFETCH(Action, edit);
    QFETCH(QString, preview);
    QFETCH(QStringList, stored);
    if (!before.isEmpty()) {
        m_store.Save(u"RegionSettings"_qs, u"Currency"_qs, before[0]);
        m_store.Save(u"RegionSettings"_qs, u"Grouping"_qs, before[1]);
    }
    m_settings->LoadAllSettings();
    open();
    showTab(2);
    edit(m_dlg);
    QCOMPARE(control<QLabel>("lblMoneySample")->text(), preview);
    click("cmdOk");
    QCOMPARE(QStringList({m_store.Get(u"RegionSettings"_qs, u"Currency"_qs, u"absent"_qs),
                          m_store.Get(u"RegionSettings"_qs, u"Grouping"_qs, u"absent"_qs)}),
             stored);
}

void tst_Options::numLockOptionsUnavailableWithoutBackend()
{
    NoNumLockBackend none;
    m_settings->NumLockMode = 1;
    m_dlg = new frmOptions(*m_settings, &none);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg));
    showTab(2);
    QVERIFY(control("Frame9")->isVisible());
    for (QRadioButton* button : m_dlg->findChildren<QRadioButton*>()) {
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->toolTip(), AdditionalTab::NumLockUnavailableTip());
    }
    QVERIFY(control<QRadioButton>("optKeepOn")->isChecked());
    click("cmdOk");
    QCOMPARE(m_store.Get(u"KeySettings"_qs, u"NumLockForce"_qs, {}), u"1"_qs);
}

void tst_Options::okFromScoreboardAndTitleWindowLasts_data()
{
    QTest::addColumn<bool>("fromScoreboard");
    QTest::newRow("F2 on the scoreboard") << true;
    QTest::newRow("title window's Options") << false;
}

void tst_Options::okFromScoreboardAndTitleWindowLasts()
{
    QFETCH(bool, fromScoreboard);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"settings.json"_qs);
    // Answers the modal dialog from inside its own loop: dots, a green back colour, OK.
    auto answer = [] {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QComboBox*>(u"cmbLedType"_qs)->setCurrentIndex(1);
            Prompts::queueColor(QColor(0, 255, 0));
            dialog->findChild<QPushButton*>(u"cmdBackC"_qs)->click();
            dialog->findChild<QPushButton*>(u"cmdOk"_qs)->click();
        });
    };
    {
        JsonSettingsStore store(file);
        Startup startup(store, fromScoreboard ? QStringList{u"bypass"_qs} : QStringList{});
        startup.Begin();
        if (!fromScoreboard) {
            QVERIFY(startup.splash());
            answer();
            startup.splash()->findChild<QPushButton*>(u"cmdOptions"_qs)->click();
            startup.splash()->GoScore();
        }
        frmScoreboard* scoreboard = startup.scoreboard();
        QVERIFY(scoreboard);
        auto* lot = scoreboard->findChild<NumberLED*>(u"nledLotNum"_qs);
        if (fromScoreboard) {
            QCOMPARE(lot->LedType(), 0);
            answer();
            QTest::keyClick(lot, Qt::Key_F2);
        }
        QCOMPARE(lot->LedType(), 1);
        QCOMPARE(scoreboard->palette().color(QPalette::Window), QColor(0, 255, 0));
    }
    JsonSettingsStore store(file);
    AppSettings restarted(store);
    restarted.LoadAllSettings();
    QCOMPARE(restarted.LEDTypeIndex, 1);
    QCOMPARE(restarted.FormBackColor, 0x00FF00);
}

QTEST_MAIN(tst_Options)
#include "tst_options.moc"
