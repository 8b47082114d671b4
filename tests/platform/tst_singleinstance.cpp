#include "platform/InstanceChannel.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// One run of the program, with its standard output collected as it comes.
class Copy
{
public:
    Copy(const QString& configHome, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        // The session's own folder, as a desktop gives it; without one Qt warns on every start.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           QFileInfo(configHome).absolutePath() + QStringLiteral("/runtime"));
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(GAVELOR_INSTANCE_HELPER), arguments);
    }
    ~Copy()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
    }

    // Waits until the copy has written the line.
    bool waitForLine(const QByteArray& line, int timeoutMs = 30000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!lines().contains(line)) {
            if (timer.elapsed() > timeoutMs || !m_process.waitForReadyRead(timeoutMs))
                return false;
        }
        return true;
    }
    QList<QByteArray> lines()
    {
        m_out += m_process.readAllStandardOutput();
        return m_out.split('\n');
    }

    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_out;
};

} // namespace

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void secondStartBringsFirstToFront_data();
    void secondStartBringsFirstToFront();
    void killedCopyDoesNotBlock();
    void otherSettingsFolderRunsApart();
    void missingModuleIsReported();
    void silentCopyIsToldOnScreen();

private:
    QString configHome() const { return m_dir->path() + QStringLiteral("/config"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SingleInstance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkdir(m_dir->path() + QStringLiteral("/runtime"),
                         QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void tst_SingleInstance::secondStartBringsFirstToFront_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("front");
    QTest::addColumn<int>("waitMs");
    QTest::newRow("title window") << QStringList() << QByteArray("front frmSplash") << 0;
    QTest::newRow("scoreboard") << QStringList{QStringLiteral("bypass")} << QByteArray("front frmScoreboard") << 0;
    // A live copy keeps its claim long after the age at which an abandoned claim counts as stale.
    QTest::newRow("claim older than its stale time")
        << QStringList{QStringLiteral("bypass")} << QByteArray("front frmScoreboard") << 2500;
}

void tst_SingleInstance::secondStartBringsFirstToFront()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, front);
    QFETCH(int, waitMs);
    Copy first(configHome(), arguments);
    QVERIFY(first.waitForLine("running"));
    QTest::qSleep(waitMs);

    Copy second(configHome(), arguments);
    QVERIFY(second.process().waitForFinished(30000));
    QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process().exitCode(), 0);
    QVERIFY(!second.lines().contains("running"));
    const QList<QByteArray> said = second.process().readAllStandardError().trimmed().split('\n');
    QVERIFY2(said.size() == 1, said.join('\n').constData());
    QVERIFY2(said.first().contains("already running"), said.first().constData());

    QVERIFY(first.waitForLine(front));
    QCOMPARE(first.process().state(), QProcess::Running);
}

// A copy killed with kill -9 leaves its claim and its socket behind; the next start takes both
// over, and a start after that reaches it.
void tst_SingleInstance::killedCopyDoesNotBlock()
{
    {
        Copy killed(configHome(), {QStringLiteral("bypass")});
        QVERIFY(killed.waitForLine("running"));
        killed.process().kill();
        QVERIFY(killed.process().waitForFinished(10000));
    }
    Copy next(configHome(), {QStringLiteral("bypass")});
    QVERIFY(next.waitForLine("running"));

    Copy third(configHome(), {QStringLiteral("bypass")});
    QVERIFY(third.process().waitForFinished(30000));
    QCOMPARE(third.process().exitCode(), 0);
    QVERIFY(next.waitForLine("front frmScoreboard"));
}

void tst_SingleInstance::otherSettingsFolderRunsApart()
{
    Copy first(configHome(), {QStringLiteral("bypass")});
    QVERIFY(first.waitForLine("running"));
    Copy other(m_dir->path() + QStringLiteral("/other-config"), {QStringLiteral("bypass")});
    QVERIFY(other.waitForLine("running"));
    QVERIFY(!first.lines().contains("front frmScoreboard"));
}

// A broken installation without the socket module still runs; both sides say what is missing.
void tst_SingleInstance::missingModuleIsReported()
{
    const QString settings = configHome() + QStringLiteral("/gavelor/settings.json");
    const QString emptyFolder = m_dir->path() + QStringLiteral("/runtime");
    SingleInstance first(settings, emptyFolder);
    QCOMPARE(first.claim(0), SingleInstance::Claim::First);
    QVERIFY(!first.listen());
    QVERIFY2(first.claimError().contains(InstanceChannel::ModuleFileName()), qPrintable(first.claimError()));

    SingleInstance second(settings, emptyFolder);
    QCOMPARE(second.claim(0), SingleInstance::Claim::AlreadyRunning);
    QVERIFY(!second.askRunningCopyToRaise(1000));
    QVERIFY2(second.claimError().contains(InstanceChannel::ModuleFileName()), qPrintable(second.claimError()));
}

// A copy that holds the claim but never answers (hung, or another session's): the second start
// gives up and says so in a message box that names the settings file, not only on standard error.
void tst_SingleInstance::silentCopyIsToldOnScreen()
{
    const QString settings = configHome() + QStringLiteral("/Gavelor/settings.json");
    QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
    SingleInstance silent(settings, m_dir->path() + QStringLiteral("/runtime"));
    QCOMPARE(silent.claim(0), SingleInstance::Claim::First);

    Copy second(configHome(), {QStringLiteral("bypass")});
    QVERIFY(second.process().waitForFinished(60000));
    QCOMPARE(second.process().exitCode(), 1);
    QByteArrayList told;
    for (const QByteArray& line : second.lines())
        if (line.startsWith("told "))
            told << line;
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().contains(settings.toUtf8()) && told.first().contains("does not answer"),
             told.first().constData());
}

QTEST_GUILESS_MAIN(tst_SingleInstance)

#include "tst_singleinstance.moc"
