// The lot editor as the operator reaches it: F3 on the scoreboard, edits, close, then the
// scoreboard steps through the edited lots, and a restart reads them back.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "startup/Startup.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class tst_LotsFromScoreboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void editedLotsReachScoreboardAndSurviveRestart();

private:
    static void click(QWidget* dialog, const char* name)
    {
        auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

void tst_LotsFromScoreboard::editedLotsReachScoreboardAndSurviveRestart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("settings.json"));
    {
        JsonSettingsStore seed(file);
        AppSettings settings(seed);
        AddLots(*settings.LotList, {{12, 150, QStringLiteral("Oak chest")}, {7, 0}});
        QVERIFY(settings.SaveLots());
    }

    JsonSettingsStore store(file);
    Startup startup(store, {QStringLiteral("bypass")});
    startup.Begin();
    frmScoreboard* scoreboard = startup.scoreboard();
    QVERIFY(scoreboard);
    auto* lotDisplay = scoreboard->findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    auto* ones = scoreboard->findChild<NumberLED*>(QStringLiteral("nledAmountOnes"));
    auto* note = scoreboard->findChild<QPlainTextEdit*>(QStringLiteral("txtNote"));
    QTest::keyClick(lotDisplay, Qt::Key_Right);
    QCOMPARE(lotDisplay->Caption(), 12);

    // In the editor: delete the first lot (12), append lot 30 at 2500 with a note.
    bool edited = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<frmLots*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* list = dialog->findChild<QListView*>(QStringLiteral("lstLots"));
        QCOMPARE(list->currentIndex().row(), 0);
        click(dialog, "cmdDelete");
        click(dialog, "cmdNew");
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("txtLotNumber")), QStringLiteral("30"));
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("txtLotAmount")), QStringLiteral("2500"));
        QTest::keyClicks(dialog->findChild<QPlainTextEdit*>(QStringLiteral("txtLotNote")), QStringLiteral("Clock"));
        click(dialog, "cmdSaveLot");
        // Closed by the close box rather than the button: the edits are kept all the same.
        dialog->close();
        edited = true;
    });
    QTest::keyClick(lotDisplay, Qt::Key_F3);
    QVERIFY(edited);
    QVERIFY(!QApplication::activeModalWidget());

    // The lot on show stays until the next step.
    QCOMPARE(lotDisplay->Caption(), 12);
    QCOMPARE(note->toPlainText(), QStringLiteral("Oak chest"));
    QTest::keyClick(lotDisplay, Qt::Key_Right);
    QCOMPARE(lotDisplay->Caption(), 30);
    QCOMPARE(ones->Caption(), 500);
    QCOMPARE(note->toPlainText(), QStringLiteral("Clock"));
    QTest::keyClick(lotDisplay, Qt::Key_Left);
    QCOMPARE(lotDisplay->Caption(), 7);
    QTest::keyClick(lotDisplay, Qt::Key_Left);
    QCOMPARE(lotDisplay->Caption(), 7);

    // A restart reads the edited list back from the file.
    JsonSettingsStore restarted(file);
    AppSettings reloaded(restarted);
    reloaded.LoadAllSettings();
    QCOMPARE(reloaded.LotList->Count(), 2);
    QCOMPARE(reloaded.LotList->Item(1)->LotNumber, 7);
    QCOMPARE(reloaded.LotList->Item(2)->LotNumber, 30);
    QCOMPARE(reloaded.LotList->Item(2)->Amount, 2500);
    QCOMPARE(reloaded.LotList->Item(2)->Note, QStringLiteral("Clock"));
}

QTEST_MAIN(tst_LotsFromScoreboard)
#include "tst_lotsfromscoreboard.moc"
