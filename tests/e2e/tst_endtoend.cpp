// The built program as a user meets it: started with "bypass" on a real X server, driven
// by synthetic key presses and clicks (XTest, through xdotool), closed with the close box.
// What it leaves in the settings file is then compared with what those actions store.

#include "support/XClients.h"
#include "support/XvfbServer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QString Scoreboard = QStringLiteral("Gavelor by www.tarnwick.com");
const QString LotEditor = QStringLiteral("Gavelor - Lots");
const QString Options = QStringLiteral("Gavelor - Options");

const char* const InitialSettings = R"({
    "application": "Gavelor",
    "version": 1,
    "sections": {
        "Increments": [[" 0", " 5"], [" 100", " 10"]],
        "Lots": [[" 1", " 12\u0005 150\u0005Oak chest"], [" 2", " 14\u0005 300\u0005Pair of vases"]]
    }
})";

// What the session below leaves behind, section by section.
const char* const ExpectedSections = R"({
    "ColorSettings": [["FormBack", "3153936"], ["LEDBack", "0"], ["Text", "16777215"],
                      ["LEDLot", "33023"], ["LEDAmount", "49152"]],
    "KeySettings": [["NumLockForce", "0"]],
    "PicSettings": [["LEDType", "1"]],
    "Increments": [[" 0", " 5"], [" 100", " 10"]],
    "Lots": [[" 1", " 12\u0005 150\u0005Oak chest"], [" 2", " 14\u0005 300\u0005Pair of vases"],
             [" 3", " 20\u0005 75\u0005Brass bell"]]
})";

// A twips position of a dialog's design as pixels at the server's 96 dpi.
int Px(int twips)
{
    return twips / 15;
}

} // namespace

class tst_endtoend : public QObject
{
    Q_OBJECT

private slots:
    void saleSessionStoresWhatTheOperatorDid();

private:
    // The X window whose title is exactly `title`, waiting for it to appear.
    QString waitForWindow(const QString& title) { return WaitForWindow(m_server->display(), title); }
    bool waitForWindowGone(const QString& title) { return WaitForWindowGone(m_server->display(), title); }
    void xdotool(const QStringList& arguments);
    void keys(const QString& window, const QStringList& keys);
    void type(const QString& window, const QString& text);

    XvfbServer* m_server = nullptr;
};

void tst_endtoend::xdotool(const QStringList& arguments)
{
    QCOMPARE(m_server->runClient(QStringLiteral("xdotool"), arguments), 0);
    // Let the program take each step before the next one arrives, as a person would.
    QThread::msleep(150);
}

void tst_endtoend::keys(const QString& window, const QStringList& names)
{
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    for (const QString& name : names)
        xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), name});
}

void tst_endtoend::type(const QString& window, const QString& text)
{
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

void tst_endtoend::saleSessionStoresWhatTheOperatorDid()
{
    XvfbServer server({QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1920x1080x24"),
                       QStringLiteral("-dpi"), QStringLiteral("96")});
    QVERIFY2(server.isRunning(), qPrintable(server.error()));
    m_server = &server;

    QTemporaryDir config;
    QVERIFY(config.isValid());
    QVERIFY(QDir(config.path()).mkpath(QStringLiteral("Gavelor")));
    const QString settingsPath = config.filePath(QStringLiteral("Gavelor/settings.json"));
    {
        QFile file(settingsPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(InitialSettings);
    }

    QProcess program;
    QVERIFY(StartProgramOnX(program, QStringLiteral(GAVELOR_EXECUTABLE), {QStringLiteral("bypass")}, server.display(),
                            config.path()));
    auto stopProgram = qScopeGuard([&] {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    });

    const QString scoreboard = waitForWindow(Scoreboard);
    QVERIFY2(!scoreboard.isEmpty(), "the scoreboard did not open");
    keys(scoreboard, {QStringLiteral("Right"), QStringLiteral("Up"), QStringLiteral("Up"), QStringLiteral("Down")});

    // The lot editor: a new lot typed into its boxes and saved, then the close box.
    keys(scoreboard, {QStringLiteral("F3")});
    const QString editor = waitForWindow(LotEditor);
    QVERIFY2(!editor.isEmpty(), "F3 did not open the lot editor");
    keys(editor, {QStringLiteral("alt+c")});
    type(editor, QStringLiteral("20"));
    keys(editor, {QStringLiteral("Tab")});
    type(editor, QStringLiteral("75"));
    keys(editor, {QStringLiteral("Tab")});
    type(editor, QStringLiteral("Brass bell"));
    keys(editor, {QStringLiteral("alt+s")});
    QVERIFY(SendCloseBox(server.display(), editor));
    QVERIFY2(waitForWindowGone(LotEditor), "the lot editor did not close");

    // The options dialog: the window colour picked through the colour dialog, "Dots", OK.
    keys(scoreboard, {QStringLiteral("F2")});
    const QString options = waitForWindow(Options);
    QVERIFY2(!options.isEmpty(), "F2 did not open the options dialog");
    // "Change" of "Back Color:": tab control 180,120; frame 420,1020; button 840,240,735,375.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), options,
             QString::number(Px(180 + 420 + 840 + 735 / 2)), QString::number(Px(120 + 1020 + 240 + 375 / 2)),
             QStringLiteral("click"), QStringLiteral("1")});
    const QString picker = waitForWindow(QStringLiteral("Select Color"));
    QVERIFY2(!picker.isEmpty(), "Change did not open the colour picker");
    keys(picker, {QStringLiteral("alt+h"), QStringLiteral("ctrl+a")});
    type(picker, QStringLiteral("#102030"));
    keys(picker, {QStringLiteral("Return")});
    QVERIFY2(waitForWindowGone(QStringLiteral("Select Color")), "the colour picker did not close");
    keys(options, {QStringLiteral("alt+a")});
    // The digit type list: frame 540,840 on the tab, list 120,600,1335,315 in the frame.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), options,
             QString::number(Px(180 + 540 + 120 + 1335 / 2)), QString::number(Px(120 + 840 + 600 + 315 / 2)),
             QStringLiteral("click"), QStringLiteral("1")});
    keys(options, {QStringLiteral("Down"), QStringLiteral("Return"), QStringLiteral("alt+o")});
    QVERIFY2(waitForWindowGone(Options), "OK did not close the options dialog");

    QVERIFY(SendCloseBox(server.display(), scoreboard));
    QVERIFY2(program.waitForFinished(20000), "closing the scoreboard did not end the program");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    QFile file(settingsPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject stored = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(stored.value(QStringLiteral("application")).toString(), QStringLiteral("Gavelor"));
    const QJsonObject expected = QJsonDocument::fromJson(ExpectedSections).object();
    const QJsonObject sections = stored.value(QStringLiteral("sections")).toObject();
    QCOMPARE(sections.keys(), expected.keys());
    for (const QString& name : expected.keys())
        QCOMPARE(sections.value(name).toArray(), expected.value(name).toArray());
}

QTEST_GUILESS_MAIN(tst_endtoend)
#include "tst_endtoend.moc"
