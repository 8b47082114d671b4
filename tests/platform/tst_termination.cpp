// The built program ended from outside (a logout's SIGTERM, SIGHUP, Ctrl+C in a terminal, the window
// manager's close box of the scoreboard, the X server going away) while the lot editor holds a
// change, perhaps asking a question: the change is stored all the same.
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

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int CloseBox = 0;
constexpr int ServerGone = -1;

// The Xvfb that this test started: a child of this process.
pid_t serverChild()
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state parent ..."
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        const QList<QByteArray> rest = line.mid(close + 2).split(' ');
        if (line.contains("(Xvfb)") && rest.size() > 1 && rest.at(1).toInt() == ::getpid())
            return entry.toInt();
    }
    return 0;
}

const char* const InitialSettings = R"({"application": "Gavelor", "version": 1, "sections": {
    "Lots": [[" 1", " 11\u0005 0\u0005"], [" 2", " 12\u0005 0\u0005"], [" 3", " 13\u0005 0\u0005"]]}})";

} // namespace

class tst_Termination : public QObject
{
    Q_OBJECT

private slots:
    void editorKeepsItsWork_data();
    void editorKeepsItsWork();
    void signalDuringStartupMessageEndsTheRun_data();
    void signalDuringStartupMessageEndsTheRun();
    void buyerBeingTypedIsKeptWhenTheServerGoes();

private:
    // The built program with "bypass" on the server, its settings and sales in folders of its own.
    void startProgram(QProcess& program, const QString& config, const QString& data);
    QString waitForWindow(const QString& title) const { return WaitForWindow(m_server->display(), title); }
    bool keys(const QString& window, const QStringList& names);

    XvfbServer* m_server = nullptr;
};

bool tst_Termination::keys(const QString& window, const QStringList& names)
{
    if (m_server->runClient(QStringLiteral("xdotool"),
                            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}))
        return false;
    for (const QString& name : names) {
        if (m_server->runClient(QStringLiteral("xdotool"), {QStringLiteral("key"), name}))
            return false;
        QThread::msleep(150);
    }
    return true;
}

void tst_Termination::editorKeepsItsWork_data()
{
    // Instead of a signal: the scoreboard's close box (CloseBox), or the X server killed (ServerGone),
    // after which Qt ends the program with status 1.
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("questionOpen");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("SIGTERM") << int(SIGTERM) << true << 0;
    QTest::newRow("SIGHUP") << int(SIGHUP) << true << 0;
    QTest::newRow("SIGINT") << int(SIGINT) << true << 0;
    QTest::newRow("close box, question open") << CloseBox << true << 0;
    QTest::newRow("close box, editor alone") << CloseBox << false << 0;
    QTest::newRow("X server gone, question open") << ServerGone << true << 1;
}

void tst_Termination::editorKeepsItsWork()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, questionOpen);
    QFETCH(int, exitCode);
    XvfbServer server;
    QVERIFY2(server.isRunning(), qPrintable(server.error()));
    m_server = &server;

    QTemporaryDir config;
    QVERIFY(QDir(config.path()).mkpath(QStringLiteral("Gavelor")));
    const QString settingsPath = config.filePath(QStringLiteral("Gavelor/settings.json"));
    QFile initial(settingsPath);
    QVERIFY(initial.open(QIODevice::WriteOnly) && initial.write(InitialSettings) > 0);
    initial.close();

    QTemporaryDir data;
    QProcess program;
    startProgram(program, config.path(), data.path());
    QVERIFY(program.waitForStarted(10000));
    auto stopProgram = qScopeGuard([&] {
        program.kill();
        program.waitForFinished(5000);
    });

    // The lot editor open with the second lot deleted (the question answered Yes), not yet closed.
    const QString scoreboard = waitForWindow(QStringLiteral("Gavelor by www.tarnwick.com"));
    QVERIFY(!scoreboard.isEmpty());
    QVERIFY(keys(scoreboard, {QStringLiteral("F3")}));
    const QString editor = waitForWindow(QStringLiteral("Gavelor - Lots"));
    QVERIFY(!editor.isEmpty());
    QVERIFY(keys(editor, {QStringLiteral("Down"), QStringLiteral("alt+d")}));
    const QString question = waitForWindow(QStringLiteral("Gavelor"));
    QVERIFY(!question.isEmpty());
    QVERIFY(keys(question, {QStringLiteral("Return")}));
    QVERIFY(WaitForWindowGone(m_server->display(), QStringLiteral("Gavelor")));
    // And the question asked again, left open when the program is ended.
    if (questionOpen) {
        QVERIFY(keys(editor, {QStringLiteral("alt+d")}));
        QVERIFY(!waitForWindow(QStringLiteral("Gavelor")).isEmpty());
    }

    if (signalNumber == CloseBox) {
        QVERIFY(SendCloseBox(m_server->display(), scoreboard));
    } else if (signalNumber == ServerGone) {
        const pid_t serverProcess = serverChild();
        QVERIFY(serverProcess > 0);
        QCOMPARE(::kill(serverProcess, SIGKILL), 0);
    } else {
        QCOMPARE(::kill(static_cast<pid_t>(program.processId()), signalNumber), 0);
    }
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);

    QFile file(settingsPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray lots = QJsonDocument::fromJson(file.readAll())
                                .object()
                                .value(QStringLiteral("sections"))
                                .toObject()
                                .value(QStringLiteral("Lots"))
                                .toArray();
    QStringList numbers;
    for (const QJsonValue& lot : lots)
        numbers << lot.toArray().at(1).toString().section(QChar(5), 0, 0).trimmed();
    QCOMPARE(numbers, QStringList({QStringLiteral("11"), QStringLiteral("13")}));
}

void tst_Termination::startProgram(QProcess& program, const QString& config, const QString& data)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_server->display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The program is built beside the tests' folder.
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../gavelor"), {QStringLiteral("bypass")});
}

void tst_Termination::signalDuringStartupMessageEndsTheRun_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QString>("unreadable"); // the settings or a sale journal
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        QTest::addRow("%s, unreadable settings", strsignal(signalNumber)) << signalNumber << QStringLiteral("settings");
        QTest::addRow("%s, damaged journal", strsignal(signalNumber)) << signalNumber << QStringLiteral("journal");
    }
}

void tst_Termination::signalDuringStartupMessageEndsTheRun()
{
    QFETCH(int, signalNumber);
    QFETCH(QString, unreadable);
    XvfbServer server;
    QVERIFY2(server.isRunning(), qPrintable(server.error()));
    m_server = &server;
    QTemporaryDir config;
    QTemporaryDir data;
    QVERIFY(QDir(config.path()).mkpath(QStringLiteral("Gavelor")));
    QVERIFY(QDir(data.path()).mkpath(QStringLiteral("Gavelor/sales")));
    QFile file(unreadable == QLatin1String("settings")
                   ? config.filePath(QStringLiteral("Gavelor/settings.json"))
                   : data.filePath(QStringLiteral("Gavelor/sales/sale-2024-05-01-140000.jsonl")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\x01garbage\n") > 0);
    file.close();

    QProcess program;
    startProgram(program, config.path(), data.path());
    QVERIFY(program.waitForStarted(10000));
    auto stopProgram = qScopeGuard([&] {
        program.kill();
        program.waitForFinished(5000);
    });
    QVERIFY(!waitForWindow(QStringLiteral("Gavelor")).isEmpty());
    QCOMPARE(::kill(static_cast<pid_t>(program.processId()), signalNumber), 0);
    // Nothing is open that could lose anything: the signal ends the run as it would any program.
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);
}

void tst_Termination::buyerBeingTypedIsKeptWhenTheServerGoes()
{
    XvfbServer server;
    QVERIFY2(server.isRunning(), qPrintable(server.error()));
    m_server = &server;
    QTemporaryDir config;
    QTemporaryDir data;
    QVERIFY(QDir(config.path()).mkpath(QStringLiteral("Gavelor")));
    QFile initial(config.filePath(QStringLiteral("Gavelor/settings.json")));
    QVERIFY(initial.open(QIODevice::WriteOnly) && initial.write(InitialSettings) > 0);
    initial.close();

    QProcess program;
    startProgram(program, config.path(), data.path());
    QVERIFY(program.waitForStarted(10000));
    auto stopProgram = qScopeGuard([&] {
        program.kill();
        program.waitForFinished(5000);
    });
    const QString scoreboard = waitForWindow(QStringLiteral("Gavelor by www.tarnwick.com"));
    QVERIFY(!scoreboard.isEmpty());
    // Lot 11 sold; in the results the buyer typed on its row, not yet committed.
    QVERIFY(keys(scoreboard, {QStringLiteral("Right"), QStringLiteral("F5"), QStringLiteral("F4")}));
    const QString results = waitForWindow(QStringLiteral("Gavelor - Sale Results"));
    QVERIFY(!results.isEmpty());
    QVERIFY(keys(results, {QStringLiteral("End"), QStringLiteral("4"), QStringLiteral("2")}));

    const pid_t serverProcess = serverChild();
    QVERIFY(serverProcess > 0);
    QCOMPARE(::kill(serverProcess, SIGKILL), 0);
    QVERIFY(program.waitForFinished(20000));

    const QStringList journals =
        QDir(data.filePath(QStringLiteral("Gavelor/sales"))).entryList({QStringLiteral("sale-*.jsonl")}, QDir::Files);
    QCOMPARE(journals.size(), 1);
    QFile journal(data.filePath(QStringLiteral("Gavelor/sales/")) + journals.first());
    QVERIFY(journal.open(QIODevice::ReadOnly));
    const QByteArray held = journal.readAll();
    QVERIFY2(held.contains(R"("event":"buyer")") && held.contains(R"("buyer":"42")"), held.constData());
}

QTEST_GUILESS_MAIN(tst_Termination)
#include "tst_termination.moc"
