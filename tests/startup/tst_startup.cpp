#include "common/Prompts.h"
#include "records/JsonSettingsStore.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "startup/Startup.h"
#include "startup/frmSplash.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace {
const char* const HoldSalesVariable = "GAVELOR_TEST_HOLD_SALES";
} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void closingScoreboardEndsRun_data();
    void closingScoreboardEndsRun();
    void closingTitleWindowEndsRun();
    void goingOnKeepsRunGoing();
    void lotEditorOpensOverScoreboard();
    void applicationIcon();
    void desktopEntry();
    void settingsThatCannotBeReadAreTold_data();
    void settingsThatCannotBeReadAreTold();
    void journalsSetAsideAreTold_data();
    void journalsSetAsideAreTold();

private:
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<Startup> m_startup;
};

void tst_Startup::cleanup()
{
    m_startup.reset();
    m_store.reset();
    QTest::qWait(0);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Startup::closingScoreboardEndsRun_data()
{
    QTest::addColumn<bool>("otherWindowOpen");
    QTest::newRow("scoreboard alone") << false;
    QTest::newRow("another window still open") << true;
}

void tst_Startup::closingScoreboardEndsRun()
{
    QFETCH(bool, otherWindowOpen);
    m_store = std::make_unique<MemorySettingsStore>();
    m_startup = std::make_unique<Startup>(*m_store, QStringList{QStringLiteral("bypass")});
    m_startup->Begin();
    // A window such as help, opened without an owner, must not keep the run alive.
    QWidget other;
    if (otherWindowOpen)
        other.show();
    bool scoreboardUp = false;
    const int result = RunEventLoop({[&] { scoreboardUp = m_startup->scoreboard()->isVisible(); },
                                     [&] {
                                         m_startup->scoreboard()->close();
                                     }});
    QVERIFY(scoreboardUp);
    QCOMPARE(result, 0);
}

void tst_Startup::closingTitleWindowEndsRun()
{
    m_store = std::make_unique<MemorySettingsStore>();
    m_startup = std::make_unique<Startup>(*m_store, QStringList{});
    m_startup->Begin();
    const int result = RunEventLoop({[&] {
        m_startup->splash()->close();
    }});
    QCOMPARE(result, 0);
    QVERIFY(!m_startup->scoreboard());
}

void tst_Startup::goingOnKeepsRunGoing()
{
    m_store = std::make_unique<MemorySettingsStore>();
    m_startup = std::make_unique<Startup>(*m_store, QStringList{});
    m_startup->Begin();
    QPointer<frmSplash> splash = m_startup->splash();
    bool stillRunning = false;
    const int result = RunEventLoop({
        [&] { QTest::mouseClick(splash->findChild<QLabel*>(QStringLiteral("lblClick")), Qt::LeftButton); },
        // Closing the title window must not count as closing the program's last window.
        [&] { stillRunning = !splash && m_startup->scoreboard()->isVisible(); },
        [&] { m_startup->scoreboard()->close(); },
    });
    QVERIFY(stillRunning);
    QCOMPARE(result, 0);
}

void tst_Startup::lotEditorOpensOverScoreboard()
{
    m_store = std::make_unique<MemorySettingsStore>();
    m_startup = std::make_unique<Startup>(*m_store, QStringList{QStringLiteral("bypass")});
    m_startup->Begin();
    frmScoreboard* scoreboard = m_startup->scoreboard();
    QVERIFY(QTest::qWaitForWindowActive(scoreboard));
    auto* lot = scoreboard->findChild<NumberLED*>(QStringLiteral("nledLotNum"));

    bool lotEditor = false;
    QWidget* owner = nullptr;
    QTimer::singleShot(0, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            lotEditor = qobject_cast<frmLots*>(modal) != nullptr;
            owner = modal->parentWidget();
            modal->close();
        }
    });
    QTest::keyClick(lot, Qt::Key_F3);

    QVERIFY(lotEditor);
    QCOMPARE(owner, scoreboard);
    // The editor stored its lot list on closing, an empty one here.
    QCOMPARE(m_store->commitCount(), 1);
    QVERIFY(scoreboard->isVisible());
}

void tst_Startup::applicationIcon()
{
    const QIcon icon = Startup::ApplicationIcon();
    for (int size : {16, 32, 48, 64, 128}) {
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // Artwork, not a blank square: the middle is opaque, the very corner is not.
        QCOMPARE(image.pixelColor(size / 2, size / 2).alpha(), 255);
        QVERIFY(image.pixelColor(0, 0).alpha() < 255);
    }
}

void tst_Startup::desktopEntry()
{
    Startup::ApplicationIcon(); // makes the program's resources available
    QFile file(QStringLiteral(":/gavelor/gavelor.desktop"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
    for (const char* entry : {"Type=Application", "Name=Gavelor", "Exec=gavelor", "Icon=gavelor", "Categories=Office;"})
        QVERIFY2(lines.contains(QLatin1String(entry)), entry);
}

void tst_Startup::settingsThatCannotBeReadAreTold_data()
{
    QTest::addColumn<QString>("kind"); // what stands in place of the settings file
    QTest::addColumn<bool>("told");
    QTest::newRow("truncated") << "truncated" << true;
    QTest::newRow("stray byte") << "stray" << true;
    QTest::newRow("a FIFO") << "fifo" << true;
    QTest::newRow("a link to /dev/zero") << "devzero" << true;
    QTest::newRow("as written") << "valid" << false;
    QTest::newRow("none yet") << "missing" << false;
}

// Told once on screen, with where the file was kept; nothing in place of the file ever blocks the start.
void tst_Startup::settingsThatCannotBeReadAreTold()
{
    QFETCH(QString, kind);
    QFETCH(bool, told);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    const QByteArray valid = R"({"application": "Gavelor", "version": 1, "sections": {}})";
    QFile file(path);
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("devzero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind != QLatin1String("missing"))
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(kind == QLatin1String("valid")       ? valid
                           : kind == QLatin1String("truncated") ? valid.left(30)
                                                                : valid + '\x01') > 0);
    file.close();

    Prompts::setTestMode(true);
    Prompts::clear();
    JsonSettingsStore store(path);
    Startup::TellUnreadableSettings(store);
    QCOMPARE(Prompts::asked().size(), told ? 1 : 0);
    if (told) {
        QVERIFY(QFileInfo::exists(store.keptUnreadableAs()));
        QVERIFY(Prompts::asked().first().text.contains(store.keptUnreadableAs()));
        QVERIFY(!QFileInfo::exists(path));
    }
    Prompts::setTestMode(false);
}

void tst_Startup::journalsSetAsideAreTold_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("a damaged middle line")
        << QStringLiteral("damaged")
        << QStringList{QStringLiteral("(1 of its lines are damaged)"), QStringLiteral("It was kept as"),
                       QStringLiteral("Recovered from it: 2 lines, with 1 lots sold and 0 passed; 1 damaged lines "
                                      "were left out. The sale goes on in")};
    QTest::newRow("garbage") << QStringLiteral("garbage")
                             << QStringList{QStringLiteral("It was kept as"),
                                            QStringLiteral("No results could be recovered from it.")};
    QTest::newRow("a FIFO") << QStringLiteral("fifo")
                            << QStringList{QStringLiteral("(it is not a regular file)"),
                                           QStringLiteral("No results could be recovered from it.")};
    QTest::newRow("another copy writes the folder")
        << QStringLiteral("second copy") << QStringList{QStringLiteral("Another copy of Gavelor (process ")};
}

void tst_Startup::journalsSetAsideAreTold()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, told);
    const QString folder = SaleJournal::DefaultDirectory();
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    const QString journal = folder + QStringLiteral("/sale-2024-05-01-140000.jsonl");
    const QByteArray started = R"({"event":"started","time":"2024-05-01T14:00:00.000+01:00"})"
                               "\n";
    const QByteArray sold =
        R"({"event":"sold","time":"t","position":1,"lot":12,"note":"Oak chest","startingBid":95,"price":95})"
        "\n";
    QProcess otherCopy;
    auto stopOtherCopy = qScopeGuard([&] {
        otherCopy.kill();
        otherCopy.waitForFinished(10000);
    });
    QFile file(journal);
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(journal).constData(), 0600), 0);
    } else if (kind == QLatin1String("second copy")) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(HoldSalesVariable), folder);
        otherCopy.setProcessEnvironment(environment);
        otherCopy.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(otherCopy.waitForStarted(10000));
        while (!otherCopy.readAllStandardOutput().contains("held"))
            QVERIFY(otherCopy.waitForReadyRead(20000));
    } else {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kind == QLatin1String("damaged") ? started + "garbage\n" + sold
                                                    : QByteArray("\0\0\x7f"
                                                                 "ELF\n"));
        file.close();
    }

    Prompts::setTestMode(true);
    Prompts::clear();
    m_store = std::make_unique<MemorySettingsStore>();
    m_startup = std::make_unique<Startup>(*m_store, QStringList{QStringLiteral("bypass")});
    m_startup->Begin();
    QVERIFY(m_startup->scoreboard());
    QCOMPARE(Prompts::asked().size(), 1);
    const QString text = Prompts::asked().first().text;
    for (const QString& part : told)
        QVERIFY2(text.contains(part), qPrintable(text));
    if (kind != QLatin1String("second copy"))
        QVERIFY2(text.contains(journal), qPrintable(text));
    // A recovered sale is the current one, its results window open.
    QCOMPARE(m_startup->scoreboard()->results() != nullptr, kind == QLatin1String("damaged"));
    Prompts::clear();
    Prompts::setTestMode(false);
    m_startup.reset();
    QDir(folder).removeRecursively();
}

int main(int argc, char** argv)
{
    // Run as another copy: holds the sales folder until killed.
    if (qEnvironmentVariableIsSet(HoldSalesVariable)) {
        QCoreApplication app(argc, argv);
        SaleJournal sale(qEnvironmentVariable(HoldSalesVariable));
        sale.Open();
        std::puts(sale.otherWriter().isEmpty() ? "held" : "refused");
        std::fflush(stdout);
        return QCoreApplication::exec();
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_Startup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
