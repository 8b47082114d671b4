// Runs of the scoreboard as processes of their own, killed outright (SIGKILL) in the middle of
// a sale, with their journals renamed, replaced, doubled or out of room under them; and the
// next start: every result is there and the results window offers the board back.
#include "common/Prompts.h"
#include "records/SettingsStore.h"
#include "sale/PrivateMounts.h"
#include "sale/SaleJournal.h"
#include "sale/SaleTestLots.h"
#include "sale/frmResults.h"
#include "scoreboard/ResultStamp.h"
#include "scoreboard/frmScoreboard.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool s_privateMounts = false;

// One run of the helper program; steps() sends it more keys.
class HelperRun
{
public:
    explicit HelperRun(const QString& directory, const QString& keys, const QByteArray& timeZone = {})
    {
        if (!timeZone.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("TZ"), QString::fromLatin1(timeZone));
            m_process.setProcessEnvironment(environment);
        }
        m_process.start(QStringLiteral(GAVELOR_SALE_HELPER), {directory, keys});
        m_started = m_process.waitForStarted(20000) && WaitForDone();
    }
    ~HelperRun()
    {
        m_process.kill();
        m_process.waitForFinished(20000);
    }

    bool started() const { return m_started; }
    // The report of the last step.
    const QByteArray& report() const { return m_report; }
    QString Value(const char* name) const
    {
        for (const QByteArray& line : m_report.split('\n'))
            if (line.startsWith(QByteArray(name) + ' '))
                return QString::fromUtf8(line.mid(qstrlen(name) + 1));
        return {};
    }
    bool Step(const QByteArray& keys)
    {
        m_process.write(keys + '\n');
        return WaitForDone();
    }
    // Whether the run ended by itself within the time, and how.
    bool Ended(int* exitCode)
    {
        if (!m_process.waitForFinished(20000))
            return false;
        *exitCode = m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
        return true;
    }
    void Kill()
    {
        m_process.kill();
        m_process.waitForFinished(20000);
    }

private:
    bool WaitForDone()
    {
        QByteArray out;
        while (!(out += m_process.readAllStandardOutput()).contains("DONE\n")) {
            if (!m_process.waitForReadyRead(20000))
                return false;
        }
        m_report = out;
        return true;
    }

    QProcess m_process;
    QByteArray m_report;
    bool m_started = false;
};

QStringList Journals(const QString& directory)
{
    return QDir(directory).entryList({QStringLiteral("sale-*")}, QDir::AllEntries | QDir::System, QDir::Name);
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray Started = R"({"event":"started","time":"2024-05-01T14:00:00.000+01:00"})"
                           "\n";
const QByteArray SoldChest =
    R"({"event":"sold","time":"2024-05-01T14:01:00.000+01:00","position":1,"lot":12,"note":"Oak chest","startingBid":95,"price":95})"
    "\n";

} // namespace

class tst_SaleCrash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void cleanup();
    void killedRunIsPickedUp_data();
    void killedRunIsPickedUp();
    void saleIsFoundWhateverTheClock_data();
    void saleIsFoundWhateverTheClock();
    void journalLargerThanMemoryAtStart();
    void journalSwappedUnderTheRun_data();
    void journalSwappedUnderTheRun();
    void twoCopiesOnOneDataFolder();
    void fullDiskAtNewSaleAndQuit_data();
    void fullDiskAtNewSaleAndQuit();

private:
    // The next start, as the operator meets it: the results window with its totals.
    struct Restart
    {
        MemorySettingsStore store;
        AppSettings settings{store};
        SaleJournal sale;
        frmScoreboard window{settings};
        explicit Restart(const QString& directory) : sale(directory)
        {
            SaleLots(settings);
            sale.Open();
            window.setSale(&sale);
            window.show();
            window.ShowResults();
        }
        QString Total(const char* name) const
        {
            return window.results()->findChild<QLabel*>(QLatin1String(name))->text();
        }
    };

    QString m_mounted;
};

void tst_SaleCrash::cleanup()
{
    if (!m_mounted.isEmpty())
        ::umount2(QFile::encodeName(m_mounted).constData(), MNT_DETACH);
    m_mounted.clear();
}

void tst_SaleCrash::killedRunIsPickedUp_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("position"); // on show when killed
    QTest::addColumn<int>("amount");
    QTest::addColumn<bool>("stamped");
    QTest::newRow("right after F5") << QStringLiteral("R U U 5") << 1 << 110 << true;
    QTest::newRow("bidding on the next lot") << QStringLiteral("R U U 5 R U U") << 2 << 520 << false;
    QTest::newRow("after a correction and a pass") << QStringLiteral("R 5 U 5 R 6") << 2 << 500 << true;
}

void tst_SaleCrash::killedRunIsPickedUp()
{
    QFETCH(QString, keys);
    QFETCH(int, position);
    QFETCH(int, amount);
    QFETCH(bool, stamped);
    QTemporaryDir dir;

    QProcess run;
    run.start(QStringLiteral(GAVELOR_SALE_HELPER), {dir.path(), keys});
    QVERIFY(run.waitForStarted(20000));
    while (!run.readAllStandardOutput().contains("DONE"))
        QVERIFY2(run.waitForReadyRead(20000), "the run did not get through its keys");
    run.kill();
    QVERIFY(run.waitForFinished(20000));
    QCOMPARE(run.exitStatus(), QProcess::CrashExit);

    MemorySettingsStore store;
    AppSettings settings(store);
    SaleLots(settings);
    SaleJournal sale(dir.path());
    sale.Open();
    QVERIFY(sale.resumed());
    frmScoreboard window(settings);
    window.setSale(&sale);
    window.show();
    window.ShowResults();
    frmResults* results = window.results();
    QVERIFY(results && QTest::qWaitForWindowExposed(results));
    // The lot sold before the kill, at its last price.
    const LotResult* first = sale.record().Find(12);
    QVERIFY(first);
    QCOMPARE(results->findChild<QLabel*>(QStringLiteral("lblSold"))->text(), QStringLiteral("1"));
    QVERIFY(results->findChild<QLabel*>(QStringLiteral("lblResume"))->isVisible());

    QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("cmdShowOnBoard")), Qt::LeftButton);
    QCOMPARE(window.auctionState().LotIndex(), position);
    QCOMPARE(window.auctionState().Amount(), amount);
    QCOMPARE(window.findChild<ResultStamp*>()->isVisible(), stamped);
    // Offered once: the next Show on Board shows the lot as Right and Left would.
    QVERIFY(!results->findChild<QLabel*>(QStringLiteral("lblResume"))->isVisible());
}

void tst_SaleCrash::saleIsFoundWhateverTheClock_data()
{
    // Each run: "time zone|keys"; every run is killed outright after its keys.
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<QByteArray>("presetName"); // an ended sale already in the folder
    QTest::addColumn<int>("lot");
    QTest::addColumn<int>("price");
    QTest::newRow("a journal named by a clock once ahead")
        << QStringList{QStringLiteral("|R 5")} << QByteArray("sale-2099-12-31-235959.jsonl") << 12 << 95;
    QTest::newRow("a time-zone change between sales")
        << QStringList{QStringLiteral("Pacific/Kiritimati|R 6 N"), QStringLiteral("Pacific/Pago_Pago|R 5")}
        << QByteArray() << 12 << 95;
    QTest::newRow("two sales started in one second")
        << QStringList{QStringLiteral("|R 6 N R 5")} << QByteArray() << 7 << 500;
}

void tst_SaleCrash::saleIsFoundWhateverTheClock()
{
    QFETCH(QStringList, runs);
    QFETCH(QByteArray, presetName);
    QFETCH(int, lot);
    QFETCH(int, price);
    QTemporaryDir dir;
    if (!presetName.isEmpty()) {
        QVERIFY(WriteFile(dir.filePath(QString::fromLatin1(presetName)),
                          Started + SoldChest +
                              R"({"event":"ended","time":"2099-12-31T23:59:59.000+01:00"})"
                              "\n"));
    }
    for (const QString& run : runs) {
        HelperRun helper(dir.path(), run.section(u'|', 1), run.section(u'|', 0, 0).toLatin1());
        QVERIFY2(helper.started(), "the run did not get through its keys");
        helper.Kill();
    }
    // Every sale kept its own file.
    QCOMPARE(Journals(dir.path()).size(), 2);

    Restart next(dir.path());
    QVERIFY(next.sale.resumed());
    QCOMPARE(next.Total("lblSold"), QStringLiteral("1"));
    QCOMPARE(next.Total("lblPassed"), QStringLiteral("0"));
    const LotResult* sold = nullptr;
    for (const LotResult& result : next.sale.record().Results())
        if (result.key.lotNumber == lot && result.outcome == LotResult::Outcome::Sold)
            sold = &result;
    QVERIFY(sold);
    QCOMPARE(sold->price, price);
    QVERIFY(Bytes(next.sale.filePath()).contains(QByteArray(R"("price":)") + QByteArray::number(price)));
}

void tst_SaleCrash::journalLargerThanMemoryAtStart()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sale-2024-05-01-140000.jsonl"));
    QVERIFY(WriteFile(path, Started + SoldChest));
    // Sparse: 64 GB that take no room and would need 64 GB of memory to be read whole.
    QCOMPARE(::truncate(QFile::encodeName(path).constData(), qint64(64) << 30), 0);

    HelperRun run(dir.path(), QStringLiteral("R R 6"));
    QVERIFY2(run.started(), "the start did not get through");
    const QStringList aside = run.Value("ASIDE").split(u' ');
    QCOMPARE(aside.value(0), path + QStringLiteral(".unreadable"));
    QCOMPARE(QFileInfo(aside.value(0)).size(), qint64(64) << 30);
    QCOMPARE(aside.value(1), run.Value("FILE"));
    run.Kill();

    Restart next(dir.path());
    QCOMPARE(next.Total("lblSold"), QStringLiteral("1"));
    QCOMPARE(next.Total("lblPassed"), QStringLiteral("1"));
    QVERIFY(next.sale.setAside().isEmpty());
}

void tst_SaleCrash::journalSwappedUnderTheRun_data()
{
    QTest::addColumn<QString>("swap");
    QTest::newRow("a FIFO swapped in") << QStringLiteral("fifo");
    QTest::newRow("an atomic rename of an older copy (a restore)") << QStringLiteral("older copy");
    QTest::newRow("removed") << QStringLiteral("removed");
}

void tst_SaleCrash::journalSwappedUnderTheRun()
{
    QFETCH(QString, swap);
    QTemporaryDir dir;
    HelperRun run(dir.path(), QStringLiteral("R 5"));
    QVERIFY(run.started());
    const QString journal = run.Value("FILE");
    QVERIFY(QFile::exists(journal));

    const QString swapped = dir.filePath(QStringLiteral("swapped"));
    if (swap == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(swapped).constData(), 0644), 0);
    else if (swap == QLatin1String("older copy"))
        QVERIFY(WriteFile(swapped, Bytes(journal).left(Bytes(journal).indexOf('\n') + 1)));
    if (swap == QLatin1String("removed"))
        QVERIFY(QFile::remove(journal));
    else
        QCOMPARE(::rename(QFile::encodeName(swapped).constData(), QFile::encodeName(journal).constData()), 0);

    // The next steps neither hang nor go to the orphan.
    QVERIFY2(run.Step("R 6"), "the run hung on its next step");
    const QString next = run.Value("FILE");
    QVERIFY(next != journal);
    QCOMPARE(run.Value("SIGN"), QStringLiteral("new journal"));
    const QByteArray held = Bytes(next);
    QVERIFY(held.contains(R"("event":"sold")"));
    QVERIFY(held.contains(R"("event":"passed")"));
    QVERIFY(held.startsWith(R"({"event":"started")"));
    run.Kill();

    Restart restart(dir.path());
    QCOMPARE(restart.sale.filePath(), next);
    QCOMPARE(restart.Total("lblSold"), QStringLiteral("1"));
    QCOMPARE(restart.Total("lblPassed"), QStringLiteral("1"));
    // The FIFO is moved aside and said; the older copy is offered as a sale never ended.
    QCOMPARE(restart.sale.setAside().size(), swap == QLatin1String("fifo") ? 1 : 0);
    QCOMPARE(restart.sale.earlierSales().size(), swap == QLatin1String("older copy") ? 1 : 0);
}

void tst_SaleCrash::twoCopiesOnOneDataFolder()
{
    QTemporaryDir dir;
    HelperRun first(dir.path(), QStringLiteral("R 5"));
    QVERIFY(first.started());
    HelperRun second(dir.path(), QStringLiteral("R R 6"));
    QVERIFY(second.started());
    QVERIFY2(second.Value("PROBLEM").contains(QStringLiteral("another copy of Gavelor")), second.report().constData());
    QCOMPARE(second.Value("SIGN"), QStringLiteral("not saved"));
    QVERIFY(second.Value("FILE").isEmpty());
    QVERIFY(first.Step("R 6"));
    QCOMPARE(first.Value("SIGN"), QStringLiteral("none"));
    first.Kill();
    second.Kill();
    // One journal, the first copy's alone: lot 12 sold, lot 7 passed, nothing from the second.
    const QStringList journals = Journals(dir.path());
    QCOMPARE(journals.size(), 1);
    const QList<QByteArray> lines = Bytes(dir.filePath(journals.first())).split('\n');
    QCOMPARE(lines.size(), 6); // started, shown, sold, shown, passed, and the last line end
    QCOMPARE(lines.count(QByteArray()), 1);
}

void tst_SaleCrash::fullDiskAtNewSaleAndQuit_data()
{
    QTest::addColumn<bool>("spaceComesBack");
    QTest::newRow("space comes back before quitting") << true;
    QTest::newRow("the disk stays full: the operator drops them") << false;
}

void tst_SaleCrash::fullDiskAtNewSaleAndQuit()
{
    QFETCH(bool, spaceComesBack);
    if (!s_privateMounts)
        QSKIP("no mount namespace of its own for a small disk");
    QTemporaryDir dir;
    m_mounted = dir.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(m_mounted));
    QCOMPARE(::mount("tmpfs", QFile::encodeName(m_mounted).constData(), "tmpfs", 0, "size=64k"), 0);
    // Unmounted before the folder under it goes.
    auto unmount = qScopeGuard([this] { cleanup(); });
    const QString sales = m_mounted + QStringLiteral("/sales");
    QVERIFY(QDir().mkpath(sales));
    const QString filler = m_mounted + QStringLiteral("/filler");
    {
        QFile fill(filler);
        QVERIFY(fill.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }

    HelperRun run(sales, QStringLiteral("R 5"));
    QVERIFY(run.started());
    QCOMPARE(run.Value("SIGN"), QStringLiteral("not saved"));
    QCOMPARE(run.Value("PENDING"), QStringLiteral("1"));

    // New Sale asks, naming what waits and where, and No keeps the sale as it is.
    QVERIFY(run.Step("n N"));
    QVERIFY2(run.Value("ASKED").startsWith(QStringLiteral("1 result(s) of this sale are not on the disk")),
             run.report().constData());
    QVERIFY(run.Value("ASKED").contains(sales));
    QVERIFY(run.Value("ASKED").endsWith(QStringLiteral("End this sale and drop them?")));
    QCOMPARE(run.Value("PENDING"), QStringLiteral("1"));

    // So does quitting.
    QVERIFY(run.Step("n Q"));
    QVERIFY(run.report().contains("STAYED"));
    QVERIFY(run.Value("ASKED").endsWith(QStringLiteral("Quit Gavelor and drop them?")));

    if (spaceComesBack)
        QVERIFY(QFile::remove(filler));
    run.Step(spaceComesBack ? "Q" : "y Q");
    int exitCode = -2;
    QVERIFY(run.Ended(&exitCode));
    QCOMPARE(exitCode, 0);
    // With room again the last try writes the results, without a question.
    QCOMPARE(run.Value("ASKED").isEmpty(), spaceComesBack);
    const QStringList journals = Journals(sales);
    QCOMPARE(journals.size(), spaceComesBack ? 1 : 0);
    if (spaceComesBack)
        QVERIFY(Bytes(sales + u'/' + journals.first()).contains(R"("event":"sold")"));
}

int main(int argc, char** argv)
{
    s_privateMounts = EnterPrivateMounts();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_SaleCrash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_salecrash.moc"
