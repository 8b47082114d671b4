#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"
#include "records/SettingsStore.h"
#include "setup/LotListModel.h"
#include "setup/frmLots.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <utility>

using IntList = QList<int>;

enum class CloseWay
{
    DoneButton,
    CloseCall,
    WindowSystem,
    Reject,
    Destroyed
};
Q_DECLARE_METATYPE(CloseWay)

class tst_Lots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void cleanup();

    void opensEmpty();
    void amountsTakeTheSaleGrouping_data();
    void amountsTakeTheSaleGrouping();
    void createAndSave_data();
    void createAndSave();
    void acceptedNumbers_data();
    void acceptedNumbers();
    void refusedNumbers_data();
    void refusedNumbers();
    void focusIsOnBoxWhileMessageShows_data();
    void focusIsOnBoxWhileMessageShows();
    void storedValueTooLongIsRefusedNotCut();
    void lengthLimits();
    void deleteSelectsNeighbour_data();
    void deleteSelectsNeighbour();
    void declinedQuestionChangesNothing_data();
    void declinedQuestionChangesNothing();
    void deleteAllEmptiesList();
    void moves_data();
    void moves();
    void editSaveKeepsPosition();
    void editAfterMovesReplacesEditedLot_data();
    void editAfterMovesReplacesEditedLot();
    void closingCommitsOnce_data();
    void closingCommitsOnce();
    void closingUnchangedRewritesLots();
    void storeFailureIsReported();
    void escapeAndEnterDoNotClose();
    void tabOrderAndAccessKeys();
    void reopeningStartsAfresh();
    void fastKeysWaitForTheDialog_data();
    void fastKeysWaitForTheDialog();

private:
    // Opens the editor on lots numbered 1..count, bids 100, 200, ..., notes "A", "B", ...
    void open(int count);
    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = m_dlg->findChild<T*>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void selectRow(int row, Qt::KeyboardModifiers modifiers = {});
    int selectedRow() const;
    QStringList rows() const;
    IntList lotNumbers() const;
    void type(const char* box, const QString& text);
    bool editorOpen() const { return control("txtLotNumber")->isEnabled(); }
    QString text(const char* box) const;
    QString onlyMessage() const { return Prompts::asked().size() == 1 ? Prompts::asked().first().text : QString(); }

    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    frmLots* m_dlg = nullptr;
};

void tst_Lots::init()
{
    Prompts::clear();
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
}

void tst_Lots::cleanup()
{
    delete m_dlg;
    m_dlg = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void tst_Lots::open(int count)
{
    QStringList notes;
    for (int n = 1; n <= count; ++n)
        notes.append(QString(QChar(u'A' + n - 1)));
    AddLots(*m_settings->LotList, NumberedLots(notes));
    m_dlg = new frmLots(*m_settings);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg));
}

void tst_Lots::amountsTakeTheSaleGrouping_data()
{
    QTest::addColumn<QString>("grouping");
    QTest::addColumn<QString>("shown");
    QTest::newRow("default comma: plain as always") << QStringLiteral(",") << QStringLiteral("12050");
    QTest::newRow("point") << QStringLiteral(".") << QStringLiteral("12.050");
    QTest::newRow("apostrophe") << QStringLiteral("'") << QStringLiteral("12'050");
}

void tst_Lots::amountsTakeTheSaleGrouping()
{
    QFETCH(QString, grouping);
    QFETCH(QString, shown);
    m_settings->Grouping = grouping;
    AddLots(*m_settings->LotList, {{0, 12050}});
    m_dlg = new frmLots(*m_settings);
    const QAbstractItemModel* model = control<QListView>("lstLots")->model();
    QCOMPARE(model->index(0, 0).data(LotListModel::AmountTextRole).toString(), shown);
}

void tst_Lots::selectRow(int row, Qt::KeyboardModifiers modifiers)
{
    auto* list = control<QListView>("lstLots");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualRect(list->model()->index(row, 0)).center());
}

int tst_Lots::selectedRow() const
{
    const QModelIndexList selected = control<QListView>("lstLots")->selectionModel()->selectedRows();
    return selected.size() == 1 ? selected.first().row() : -selected.size() - 1;
}

QStringList tst_Lots::rows() const
{
    const QAbstractItemModel* model = control<QListView>("lstLots")->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

IntList tst_Lots::lotNumbers() const
{
    const QAbstractItemModel* model = control<QListView>("lstLots")->model();
    IntList numbers;
    for (int row = 0; row < model->rowCount(); ++row)
        numbers << model->index(row, 0).data(LotListModel::LotNumberRole).toInt();
    return numbers;
}

void tst_Lots::type(const char* box, const QString& text)
{
    for (QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(control(box), Qt::Key_Return);
        else if (c == AppSettings::LotFieldSeparator) // cannot be typed; it comes by pasting
            control<QPlainTextEdit>(box)->insertPlainText(QString(c));
        else
            QTest::keyClicks(control(box), QString(c));
    }
}

QString tst_Lots::text(const char* box) const
{
    if (auto* note = m_dlg->findChild<QPlainTextEdit*>(QLatin1String(box)))
        return note->toPlainText();
    return control<QLineEdit>(box)->text();
}

void tst_Lots::opensEmpty()
{
    open(0);
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Gavelor - Lots"));
    QCOMPARE(rows(), QStringList());
    QCOMPARE(control<QLabel>("lblCount")->text(), QStringLiteral("Total Lots: 0"));
    for (const char* name : {"cmdEdit", "cmdDelete", "cmdDeleteAll", "cmdMoveUp", "cmdMoveDown", "txtLotNumber",
                             "txtLotAmount", "txtLotNote", "cmdSaveLot"})
        QVERIFY2(!control(name)->isEnabled(), name);
    QCOMPARE(control<QGroupBox>("fraLotEdit")->title(), QStringLiteral("New Lot"));

    // The first lot of an empty list becomes the selected row.
    click("cmdNew");
    type("txtLotNumber", QStringLiteral("5"));
    type("txtLotAmount", QStringLiteral("0"));
    click("cmdSaveLot");
    QCOMPARE(selectedRow(), 0);
    for (const char* name : {"cmdEdit", "cmdDelete", "cmdDeleteAll"})
        QVERIFY2(control(name)->isEnabled(), name);
}

void tst_Lots::createAndSave_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("storedNote");
    const QString longNote = QString(20, u'x') + u'\n' + QString(24, u'y');
    // clang-format off
    QTest::newRow("plain") << "12" << "Chair" << "Chair";
    QTest::newRow("no note") << "12" << "" << "";
    QTest::newRow("45 with line break") << "12" << longNote << longNote;
    QTest::newRow("field separator dropped") << "12" << "Oak\u0005chest" << "Oakchest";
    QTest::newRow("duplicate lot number") << "1" << "Chair" << "Chair";
    // clang-format on
}

void tst_Lots::createAndSave()
{
    QFETCH(QString, number);
    QFETCH(QString, note);
    QFETCH(QString, storedNote);
    open(1);
    click("cmdNew");
    QVERIFY(editorOpen());
    QCOMPARE(m_dlg->focusWidget(), control("txtLotNumber"));
    type("txtLotNumber", number);
    type("txtLotAmount", QStringLiteral("500"));
    type("txtLotNote", note);
    click("cmdSaveLot");

    QCOMPARE(Prompts::asked().size(), 0);
    QCOMPARE(rows(), QStringList({QStringLiteral("1\t100\tA"), number + QStringLiteral("\t500\t") + storedNote}));
    QCOMPARE(selectedRow(), 0);
    QCOMPARE(control<QLabel>("lblCount")->text(), QStringLiteral("Total Lots: 2"));
    QVERIFY(!editorOpen());
    QVERIFY(text("txtLotNumber").isEmpty());
    QVERIFY(text("txtLotNote").isEmpty());

    m_dlg->close();
    QCOMPARE(m_store->GetAll(QStringLiteral("Lots")).value(1).second,
             u' ' + number + QStringLiteral("\u0005 500\u0005") + storedNote);
    m_settings->LoadAllSettings(); // the note reads back whole
    QCOMPARE(m_settings->LotList->Item(2)->Note, storedNote);
}

void tst_Lots::acceptedNumbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("row");
    // clang-format off
    QTest::newRow("upper bounds") << "9999" << "999999" << "9999\t999999\t";
    QTest::newRow("zeros") << "0" << "0" << "0\t0\t";
    QTest::newRow("halves to even") << "12.5" << "13.5" << "12\t14\t";
    QTest::newRow("fraction under a half") << "0.4" << "9.49" << "0\t9\t";
    QTest::newRow("blanks and sign") << " 7 " << "+3" << "7\t3\t";
    QTest::newRow("exponents") << "1e3" << "2.5E1" << "1000\t25\t";
    QTest::newRow("negative zero") << "-0" << "-0" << "0\t0\t";
    // clang-format on
}

void tst_Lots::acceptedNumbers()
{
    QFETCH(QString, number);
    QFETCH(QString, amount);
    QFETCH(QString, row);
    open(0);
    click("cmdNew");
    type("txtLotNumber", number);
    type("txtLotAmount", amount);
    click("cmdSaveLot");
    QCOMPARE(Prompts::asked().size(), 0);
    QCOMPARE(rows(), QStringList({row}));
}

void tst_Lots::refusedNumbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString lot = QStringLiteral("Lot # must be between 0 and 9999");
    const QString bid = QStringLiteral("Lot starting bid must be between 0 and 999999");
    // clang-format off
    QTest::newRow("empty number") << "" << "5" << lot << "txtLotNumber";
    QTest::newRow("letters") << "abc" << "5" << lot << "txtLotNumber";
    QTest::newRow("negative") << "-1" << "5" << lot << "txtLotNumber";
    QTest::newRow("exponent over range") << "1e4" << "5" << lot << "txtLotNumber";
    QTest::newRow("under zero before rounding") << "-0.4" << "5" << lot << "txtLotNumber";
    QTest::newRow("thousands separator") << "1,00" << "5" << lot << "txtLotNumber";
    QTest::newRow("both wrong") << "x" << "-5" << lot << "txtLotNumber";
    QTest::newRow("negative bid") << "5" << "-5" << bid << "txtLotAmount";
    QTest::newRow("bid over range") << "5" << "1e6" << bid << "txtLotAmount";
    QTest::newRow("empty bid") << "5" << "" << bid << "txtLotAmount";
    QTest::newRow("bid with currency") << "5" << "$5" << bid << "txtLotAmount";
    QTest::newRow("bid under zero before rounding") << "5" << "-0.4" << bid << "txtLotAmount";
    // clang-format on
}

void tst_Lots::refusedNumbers()
{
    QFETCH(QString, number);
    QFETCH(QString, amount);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    open(1);
    click("cmdNew");
    type("txtLotNumber", number);
    type("txtLotAmount", amount);
    type("txtLotNote", QStringLiteral("Note"));
    click("cmdSaveLot");

    QCOMPARE(onlyMessage(), message);
    QCOMPARE(Prompts::asked().first().caption, QStringLiteral("Gavelor"));
    QVERIFY(!Prompts::asked().first().yesNo);
    QCOMPARE(m_dlg->focusWidget()->objectName(), focus);
    // Nothing changed: the operator corrects the text and saves again.
    QCOMPARE(rows(), QStringList({QStringLiteral("1\t100\tA")}));
    QVERIFY(editorOpen());
    QCOMPARE(text("txtLotNumber") + u'|' + text("txtLotAmount") + u'|' + text("txtLotNote"),
             number + u'|' + amount + QStringLiteral("|Note"));
}

void tst_Lots::focusIsOnBoxWhileMessageShows_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("focus");
    QTest::newRow("lot number") << "abc"
                                << "5"
                                << "txtLotNumber";
    QTest::newRow("starting bid") << "5"
                                  << "abc"
                                  << "txtLotAmount";
}

void tst_Lots::focusIsOnBoxWhileMessageShows()
{
    QFETCH(QString, number);
    QFETCH(QString, amount);
    QFETCH(QString, focus);
    open(0);
    click("cmdNew");
    type("txtLotNumber", number);
    type("txtLotAmount", amount);
    control("txtLotNote")->setFocus();

    // A real message box this time, to see where the focus is while it shows.
    QString focusWhileShown;
    QObject answerer;
    QTimer::singleShot(0, &answerer, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            focusWhileShown = m_dlg->focusWidget()->objectName();
            box->accept();
        }
    });
    Prompts::setTestMode(false);
    click("cmdSaveLot");
    Prompts::setTestMode(true);
    QCOMPARE(focusWhileShown, focus);
}

void tst_Lots::storedValueTooLongIsRefusedNotCut()
{
    auto lot = std::make_shared<LotInfo>();
    lot->LotNumber = 123456;
    m_settings->LotList->Add(lot, 0);
    open(0);
    click("cmdEdit");
    // Cut to four digits it would store 1234 unasked.
    QCOMPARE(text("txtLotNumber"), QStringLiteral("123456"));
    click("cmdSaveLot");
    QCOMPARE(onlyMessage(), QStringLiteral("Lot # must be between 0 and 9999"));
    QCOMPARE(rows(), QStringList({QStringLiteral("123456\t0\t")}));
}

void tst_Lots::lengthLimits()
{
    open(0);
    click("cmdNew");
    type("txtLotNumber", QStringLiteral("12345"));
    QCOMPARE(text("txtLotNumber"), QStringLiteral("1234"));
    type("txtLotAmount", QStringLiteral("1234567"));
    QCOMPARE(text("txtLotAmount"), QStringLiteral("123456"));

    auto* note = control<QPlainTextEdit>("txtLotNote");
    type("txtLotNote", QString(44, u'a') + QStringLiteral("\nb"));
    QCOMPARE(note->toPlainText(), QString(44, u'a') + u'\n');
    QTest::keyClick(note, Qt::Key_Return);
    QCOMPARE(note->toPlainText().size(), 45);

    // A paste in the middle keeps what fits, and the cursor stays after the kept part.
    note->setPlainText(QString(43, u'a'));
    QTextCursor cursor = note->textCursor();
    cursor.setPosition(10);
    note->setTextCursor(cursor);
    note->insertPlainText(QStringLiteral("XYZ"));
    QCOMPARE(note->toPlainText(), QString(10, u'a') + QStringLiteral("XY") + QString(33, u'a'));
    QCOMPARE(note->textCursor().position(), 12);
    QTest::keyClick(note, Qt::Key_Backspace);
    QTest::keyClicks(note, QStringLiteral("QR"));
    QCOMPARE(note->toPlainText().mid(10, 3), QStringLiteral("XQa"));
}

void tst_Lots::deleteSelectsNeighbour_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<IntList>("remaining");
    QTest::addColumn<int>("selected");
    QTest::newRow("middle") << 3 << 1 << IntList{1, 3} << 1;
    QTest::newRow("last") << 3 << 2 << IntList{1, 2} << 1;
    QTest::newRow("first") << 3 << 0 << IntList{2, 3} << 0;
    QTest::newRow("only") << 1 << 0 << IntList{} << -1;
}

void tst_Lots::deleteSelectsNeighbour()
{
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(IntList, remaining);
    QFETCH(int, selected);
    open(count);
    selectRow(row);
    click("cmdNew"); // whatever the fields hold is dropped by the delete
    type("txtLotNumber", QStringLiteral("55"));
    click("cmdDelete");

    QCOMPARE(onlyMessage(), QStringLiteral("Are you sure you want to delete this lot?"));
    QCOMPARE(Prompts::asked().first().icon, Prompts::Icon::Question);
    QVERIFY(Prompts::asked().first().yesNo);
    QCOMPARE(lotNumbers(), remaining);
    QCOMPARE(selectedRow(), selected);
    QCOMPARE(control<QLabel>("lblCount")->text(), QStringLiteral("Total Lots: %1").arg(remaining.size()));
    QVERIFY(!editorOpen());
    QVERIFY(text("txtLotNumber").isEmpty());
    for (const char* name : {"cmdEdit", "cmdDelete", "cmdDeleteAll"})
        QCOMPARE(control(name)->isEnabled(), !remaining.isEmpty());
}

void tst_Lots::declinedQuestionChangesNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("question");
    QTest::addColumn<Prompts::Icon>("icon");
    // clang-format off
    QTest::newRow("delete") << "cmdDelete" << "Are you sure you want to delete this lot?" << Prompts::Icon::Question;
    QTest::newRow("delete all") << "cmdDeleteAll"
        << "Are you sure you want to delete ALL of the lots?  This cannot be undone." << Prompts::Icon::Warning;
    // clang-format on
}

void tst_Lots::declinedQuestionChangesNothing()
{
    QFETCH(QString, button);
    QFETCH(QString, question);
    QFETCH(Prompts::Icon, icon);
    open(3);
    selectRow(1);
    click("cmdEdit");
    type("txtLotNote", QStringLiteral("x"));
    Prompts::queueAnswer(Prompts::Answer::No);
    click(qPrintable(button));

    QCOMPARE(onlyMessage(), question);
    QCOMPARE(Prompts::asked().first().icon, icon);
    QCOMPARE(lotNumbers(), IntList({1, 2, 3}));
    QCOMPARE(selectedRow(), 1);
    QVERIFY(editorOpen());
    QCOMPARE(control<QGroupBox>("fraLotEdit")->title(), QStringLiteral("Edit Lot"));
    QCOMPARE(text("txtLotNumber") + u'|' + text("txtLotNote"), QStringLiteral("2|Bx"));
}

void tst_Lots::deleteAllEmptiesList()
{
    open(3);
    click("cmdNew");
    click("cmdDeleteAll");
    QCOMPARE(rows(), QStringList());
    QCOMPARE(control<QLabel>("lblCount")->text(), QStringLiteral("Total Lots: 0"));
    for (const char* name : {"cmdEdit", "cmdDelete", "cmdDeleteAll", "cmdMoveUp", "cmdMoveDown", "cmdSaveLot"})
        QVERIFY2(!control(name)->isEnabled(), name);
}

void tst_Lots::moves_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("button");
    QTest::addColumn<IntList>("order");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");
    // clang-format off
    QTest::newRow("first of three") << 3 << 0 << "" << IntList{1, 2, 3} << false << true;
    QTest::newRow("middle of three") << 3 << 1 << "" << IntList{1, 2, 3} << true << true;
    QTest::newRow("last of three") << 3 << 2 << "" << IntList{1, 2, 3} << true << false;
    QTest::newRow("only lot") << 1 << 0 << "" << IntList{1} << false << false;
    QTest::newRow("middle down") << 3 << 1 << "cmdMoveDown" << IntList{1, 3, 2} << true << false;
    QTest::newRow("middle up") << 3 << 1 << "cmdMoveUp" << IntList{2, 1, 3} << false << true;
    QTest::newRow("last up") << 3 << 2 << "cmdMoveUp" << IntList{1, 3, 2} << true << true;
    // clang-format on
}

void tst_Lots::moves()
{
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(QString, button);
    QFETCH(IntList, order);
    QFETCH(bool, up);
    QFETCH(bool, down);
    open(count);
    selectRow(row);
    // A ctrl-click on the selected row must not leave the buttons without a lot to act on.
    selectRow(row, Qt::ControlModifier);
    if (!button.isEmpty())
        click(qPrintable(button));
    QCOMPARE(lotNumbers(), order);
    QCOMPARE(selectedRow(), order.indexOf(row + 1)); // the moved lot stays selected
    QCOMPARE(control("cmdMoveUp")->isEnabled(), up);
    QCOMPARE(control("cmdMoveDown")->isEnabled(), down);
    QVERIFY(!editorOpen()); // selecting a row does not load it
}

void tst_Lots::editSaveKeepsPosition()
{
    open(3);
    selectRow(1);
    click("cmdEdit");
    QCOMPARE(control<QGroupBox>("fraLotEdit")->title(), QStringLiteral("Edit Lot"));
    QCOMPARE(text("txtLotAmount"), QStringLiteral("200"));
    QCOMPARE(m_dlg->focusWidget(), control("txtLotNumber"));
    type("txtLotNote", QStringLiteral("2"));
    selectRow(2); // the edit stays with its lot
    click("cmdSaveLot");
    QCOMPARE(rows(),
             QStringList({QStringLiteral("1\t100\tA"), QStringLiteral("2\t200\tB2"), QStringLiteral("3\t300\tC")}));
    QCOMPARE(selectedRow(), 1);
    QCOMPARE(control<QGroupBox>("fraLotEdit")->title(), QStringLiteral("New Lot"));
    QVERIFY(!editorOpen());
}

void tst_Lots::editAfterMovesReplacesEditedLot_data()
{
    QTest::addColumn<int>("editRow");
    QTest::addColumn<QString>("moves"); // each: the row to select, then u(p) or d(own)
    QTest::addColumn<IntList>("order");
    QTest::newRow("edited lot moved down") << 1 << "1d" << IntList{1, 3, 99};
    QTest::newRow("edited lot moved up twice") << 2 << "2u 1u" << IntList{99, 1, 2};
    QTest::newRow("another lot moved past it") << 0 << "1u" << IntList{2, 99, 3};
    QTest::newRow("moved away and back") << 0 << "0d 1d 2u" << IntList{2, 99, 3};
}

void tst_Lots::editAfterMovesReplacesEditedLot()
{
    QFETCH(int, editRow);
    QFETCH(QString, moves);
    QFETCH(IntList, order);
    open(3);
    selectRow(editRow);
    click("cmdEdit");
    for (const QString& move : moves.split(u' ')) {
        selectRow(move.left(1).toInt());
        click(move.endsWith(u'u') ? "cmdMoveUp" : "cmdMoveDown");
    }
    control<QLineEdit>("txtLotNumber")->setText(QStringLiteral("99"));
    click("cmdSaveLot");
    QCOMPARE(lotNumbers(), order);
    const int edited = order.indexOf(99);
    QCOMPARE(selectedRow(), edited);
    // It keeps the bid and note it was opened with.
    QCOMPARE(rows().at(edited), QStringLiteral("99\t%1\t%2").arg((editRow + 1) * 100).arg(QChar(u'A' + editRow)));
}

void tst_Lots::closingCommitsOnce_data()
{
    QTest::addColumn<CloseWay>("way");
    QTest::newRow("Done Editing Lots") << CloseWay::DoneButton;
    QTest::newRow("close()") << CloseWay::CloseCall;
    QTest::newRow("close box") << CloseWay::WindowSystem;
    QTest::newRow("reject()") << CloseWay::Reject;
    QTest::newRow("destroyed while open") << CloseWay::Destroyed;
}

void tst_Lots::closingCommitsOnce()
{
    QFETCH(CloseWay, way);
    SettingsChange stored;
    for (int n = 1; n <= 3; ++n)
        stored.Save(QStringLiteral("Lots"), QStringLiteral(" %1").arg(n),
                    QStringLiteral(" %1\u0005 0\u0005").arg(n * 10));
    m_store->Commit(stored);
    m_settings->LoadAllSettings();
    const LotCollectionPtr before = m_settings->LotList;
    open(0);
    click("cmdDelete");
    QCOMPARE(m_settings->LotList->Count(), 3); // the program's list is untouched while open
    const int commits = m_store->commitCount();

    switch (way) {
    case CloseWay::DoneButton:
        click("cmdOk");
        break;
    case CloseWay::CloseCall:
        m_dlg->close();
        break;
    case CloseWay::WindowSystem:
        m_dlg->windowHandle()->close();
        break;
    case CloseWay::Reject:
        m_dlg->reject();
        break;
    case CloseWay::Destroyed:
        delete m_dlg;
        m_dlg = nullptr;
        break;
    }
    if (m_dlg) {
        QVERIFY(!m_dlg->isVisible());
        m_dlg->reject(); // closing what is closed stores nothing more
    }
    QVERIFY(m_settings->LotList != before);
    QCOMPARE(m_settings->LotList->Count(), 2);
    // Rewritten whole: renumbered from 1, nothing left of the longer list.
    QCOMPARE(m_store->GetAll(QStringLiteral("Lots")),
             SettingsPairs({{QStringLiteral(" 1"), QStringLiteral(" 20\u0005 0\u0005")},
                            {QStringLiteral(" 2"), QStringLiteral(" 30\u0005 0\u0005")}}));
    delete m_dlg;
    m_dlg = nullptr;
    QCOMPARE(m_store->commitCount(), commits + 1);
}

// No change made, the section is still written anew: same records, in order, keyed 1..n.
void tst_Lots::closingUnchangedRewritesLots()
{
    const QStringList records{QStringLiteral(" 12\u0005 150\u0005Oak chest"), QStringLiteral(" 7\u0005 0\u0005"),
                              QStringLiteral(" 31\u0005 12050\u0005Grand piano\nwith stool")};
    SettingsChange stored;
    for (int i = 0; i < records.size(); ++i)
        stored.Save(QStringLiteral("Lots"), QStringLiteral(" %1").arg(4 + 5 * i), records.at(i));
    m_store->Commit(stored);
    m_settings->LoadAllSettings();
    const int commits = m_store->commitCount();
    open(0);
    click("cmdOk");
    QCOMPARE(m_store->commitCount(), commits + 1);
    QCOMPARE(m_store->GetAll(QStringLiteral("Lots")), SettingsPairs({{QStringLiteral(" 1"), records.at(0)},
                                                                     {QStringLiteral(" 2"), records.at(1)},
                                                                     {QStringLiteral(" 3"), records.at(2)}}));
}

void tst_Lots::storeFailureIsReported()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    JsonSettingsStore unwritable(dir.filePath(QStringLiteral("blocker/settings.json")));
    m_settings = std::make_unique<AppSettings>(unwritable);
    open(2);
    click("cmdOk");
    QCOMPARE(Prompts::asked().size(), 1);
    QCOMPARE(Prompts::asked().first().icon, Prompts::Icon::Warning);
    // The cause is the failing call's own: the settings folder would sit inside a plain file.
    QVERIFY2(Prompts::asked().first().text.contains(QStringLiteral("Not a directory")),
             qPrintable(Prompts::asked().first().text));
    QCOMPARE(m_settings->LotList->Count(), 2); // still in use for this run
    delete m_dlg;                              // before the store it was given goes
    m_dlg = nullptr;
    m_settings.reset();
}

void tst_Lots::escapeAndEnterDoNotClose()
{
    open(2);
    click("cmdNew");
    type("txtLotNumber", QStringLiteral("5"));
    for (const char* name : {"txtLotNumber", "lstLots", "cmdNew"}) {
        QTest::keyClick(control(name), Qt::Key_Return);
        QTest::keyClick(control(name), Qt::Key_Escape);
    }
    QVERIFY(m_dlg->isVisible());
    QCOMPARE(m_store->commitCount(), 0);
    QCOMPARE(rows().size(), 2);
    QVERIFY(editorOpen());
    QCOMPARE(text("txtLotNumber"), QStringLiteral("5"));
}

void tst_Lots::tabOrderAndAccessKeys()
{
    open(1);
    QApplication::setActiveWindow(m_dlg);
    QVERIFY(QTest::qWaitForWindowActive(m_dlg));
    QCOMPARE(QApplication::focusWidget(), control("lstLots"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(editorOpen()); // an access key presses its button after a short animation
    QStringList chain{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(chain, QStringLiteral("txtLotNumber txtLotAmount txtLotNote cmdSaveLot cmdOk").split(u' '));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), control("txtLotAmount"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), control("txtLotNote"));
}

void tst_Lots::reopeningStartsAfresh()
{
    open(3);
    selectRow(2);
    click("cmdEdit");
    click("cmdDelete");
    click("cmdOk");
    m_dlg->show();
    QCOMPARE(lotNumbers(), IntList({1, 2}));
    QCOMPARE(selectedRow(), 0);
    QVERIFY(!editorOpen());
    click("cmdDeleteAll");
    QCOMPARE(m_settings->LotList->Count(), 2); // a copy again, not the list handed over
    m_dlg->close();
    QCOMPARE(m_store->commitCount(), 2);
    QCOMPARE(m_store->GetAll(QStringLiteral("Lots")), SettingsPairs());
}

void tst_Lots::fastKeysWaitForTheDialog_data()
{
    QTest::addColumn<QString>("keys");   // access keys pressed one right after the other
    QTest::addColumn<QString>("inside"); // access keys that reach the window while the first dialog is open
    QTest::addColumn<IntList>("stored"); // the lots stored once the editor has closed

    QTest::newRow("import, then done") << "IN"
                                       << "" << IntList({7, 8});
    QTest::newRow("done while importing") << "I"
                                          << "N" << IntList({7, 8});
    QTest::newRow("export, then import") << "XI"
                                         << "" << IntList({7, 8});
    QTest::newRow("delete all while importing") << "I"
                                                << "A" << IntList({7, 8});
    QTest::newRow("import, then delete all") << "IA"
                                             << "" << IntList();
}

void tst_Lots::fastKeysWaitForTheDialog()
{
    QFETCH(QString, keys);
    QFETCH(QString, inside);
    QFETCH(IntList, stored);

    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("lots.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("7,10,X\n8,20,Y\n") > 0);
    file.close();
    open(3);
    QApplication::setActiveWindow(m_dlg);
    QVERIFY(QTest::qWaitForWindowActive(m_dlg));

    for (QChar key : keys)
        Prompts::queueFileName(key == u'X' ? dir.filePath(QStringLiteral("out.csv")) : csv);
    Prompts::queueChoice(1); // replace the list with the file's lots
    // Every dialog stays open a while; no other one may open in that time.
    bool nested = false;
    std::function<void()> whileOpen = [&] {
        const qsizetype before = Prompts::asked().size();
        for (QChar key : std::exchange(inside, QString()))
            QTest::keyClick(m_dlg, key.toLatin1(), Qt::AltModifier);
        QTest::qWait(150);
        nested = nested || Prompts::asked().size() != before;
        Prompts::whileNextOpen(whileOpen);
    };
    Prompts::whileNextOpen(whileOpen);
    for (QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1(), Qt::AltModifier);
    QTest::qWait(300);
    Prompts::whileNextOpen(nullptr);

    QVERIFY(!nested);
    m_dlg->close();
    QCOMPARE(m_settings->LotList->Count(), stored.size());
    for (qsizetype n = 0; n < stored.size(); ++n)
        QCOMPARE(m_settings->LotList->Item(static_cast<qint32>(n + 1))->LotNumber, stored[n]);
}

QTEST_MAIN(tst_Lots)
#include "tst_lots.moc"
