// The sale journal on real files: torn and unreadable journals, a sale picked up again, and
// full or read-only disks in a mount namespace of the test's own.
#include "sale/PrivateMounts.h"
#include "sale/SaleJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool s_privateMounts = false;

SaleEvent Lot(SaleEvent::Kind kind, qint32 position, qint32 number, const char* note, qint32 amount = 0)
{
    SaleEvent event;
    event.kind = kind;
    event.position = position;
    event.lotNumber = number;
    event.note = QString::fromUtf8(note);
    event.startingBid = 100;
    event.amount = amount;
    return event;
}

QList<QByteArray> Lines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

const QByteArray Started = R"({"event":"started","time":"2024-05-01T14:00:00.000+01:00"})"
                           "\n";
const QByteArray Shown = R"({"event":"shown","time":"t","position":2,"lot":7,"note":"Clock","startingBid":50})"
                         "\n";
const QByteArray Amount = R"({"event":"amount","time":"t","position":2,"lot":7,"amount":80})"
                          "\n";
const QByteArray Sold = R"({"event":"sold","time":"t","position":2,"lot":7,"note":"Clock","startingBid":50,"price":80})"
                        "\n";

} // namespace

class tst_SaleJournal : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openingAJournal_data();
    void openingAJournal();
    void currentSaleIsFoundByContent_data();
    void currentSaleIsFoundByContent();
    void newJournalsHaveNamesOfTheirOwn();
    void longTextsAreCutWhenRead();
    void journalReplacedUnderTheProgram_data();
    void journalReplacedUnderTheProgram();
    void eventsAreLinesWrittenFromTheFirstMark();
    void appendingAfterATornLineKeepsTheJournalWhole();
    void newSaleEndsTheJournal();
    void diskThatFailsNeverLosesAnEvent_data();
    void diskThatFailsNeverLosesAnEvent();
    void defaultDirectory_data();
    void defaultDirectory();

private:
    QString journalPath() const { return m_dir->filePath(QStringLiteral("sale-2024-05-01-140000.jsonl")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_mounted;
};

void tst_SaleJournal::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_SaleJournal::cleanup()
{
    if (!m_mounted.isEmpty())
        ::umount2(QFile::encodeName(m_mounted).constData(), MNT_DETACH);
    m_mounted.clear();
    m_dir.reset();
}

void tst_SaleJournal::openingAJournal_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("resumed");
    QTest::addColumn<bool>("keptAside");
    QTest::addColumn<int>("price"); // of lot 7 at position 2; -1: no result
    QTest::addColumn<int>("onShowAmount");

    const QByteArray ended = R"({"event":"ended","time":"t"})"
                             "\n";
    QTest::newRow("unended sale") << Started + Shown + Amount + Sold << true << false << 80 << 80;
    QTest::newRow("torn last line") << Started + Shown + Sold + R"({"event":"amount","ti)" << true << false << 80 << 50;
    QTest::newRow("whole record without its line end")
        << Started + Shown + Sold.chopped(1) << true << false << -1 << 50;
    QTest::newRow("garbled last line") << Started + Shown + "\x01\x02garbage\n" << true << false << -1 << 50;
    // A damaged line costs that line: the sale goes on in a new journal with the rest.
    QTest::newRow("damaged middle line") << Started + "garbage\n" + Sold << true << true << 80 << -1;
    QTest::newRow("text after a record inside") << Started +
                                                       R"({"event":"shown","lot":1} x)"
                                                       "\n" +
                                                       Sold
                                                << true << true << 80 << -1;
    QTest::newRow("NUL bytes inside") << Started + Shown + QByteArray(300, '\0') + "\n" + Sold << true << true << 80
                                      << 50;
    QTest::newRow("a line over the length limit inside")
        << Started + Shown + QByteArray(JournalLimits::MaxLineBytes + 10, 'x') + "\n" + Sold << true << true << 80
        << 50;
    QTest::newRow("no start") << Shown + Sold << true << true << 80 << 50;
    QTest::newRow("empty file") << QByteArray() << false << true << -1 << -1;
    QTest::newRow("garbage only") << QByteArray("\x7f"
                                                "ELF\x02\x01\x01\0\0\0\n\0\0\xff")
                                  << false << true << -1 << -1;
    QTest::newRow("ended sale") << Started + Sold + ended << false << false << -1 << -1;
    QTest::newRow("ended sale with a damaged middle line")
        << Started + "garbage\n" + Sold + ended << false << false << -1 << -1;
}

void tst_SaleJournal::openingAJournal()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, resumed);
    QFETCH(bool, keptAside);
    QFETCH(int, price);
    QFETCH(int, onShowAmount);

    QFile older(m_dir->filePath(QStringLiteral("sale-2024-04-01-090000.jsonl")));
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write(Started + Sold +
                                                            R"({"event":"ended","time":"t"})"
                                                            "\n") > 0);
    older.close();
    QFile file(journalPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    SaleJournal journal(m_dir->path());
    journal.Open();
    QCOMPARE(journal.resumed(), resumed);
    QCOMPARE(!journal.keptAside().isEmpty(), keptAside);
    QVERIFY(journal.earlierSales().isEmpty());
    // An unreadable journal is moved out of the way with its bytes untouched.
    QCOMPARE(QFile::exists(journalPath()), !keptAside);
    if (keptAside) {
        QFile aside(journal.keptAside());
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), content);
        QCOMPARE(journal.setAside().first().continuedIn, journal.filePath());
    }
    if (resumed && !keptAside)
        QCOMPARE(journal.filePath(), journalPath());
    // What was recovered is on the disk already, in a journal that reads whole.
    if (resumed && keptAside) {
        QCOMPARE(journal.pendingEvents(), 0);
        SaleJournal again(m_dir->path());
        again.Open();
        QCOMPARE(again.filePath(), journal.filePath());
        QVERIFY(again.setAside().isEmpty());
    }
    if (!resumed)
        QVERIFY(journal.filePath().isEmpty());
    const LotResult* result = journal.record().Find(7);
    QCOMPARE(result && result->outcome == LotResult::Outcome::Sold ? result->price : -1, price);
    const auto& onShow = journal.record().LastOnShow();
    QCOMPARE(onShow ? onShow->amount : -1, onShowAmount);
}

void tst_SaleJournal::currentSaleIsFoundByContent_data()
{
    // Each journal: name, whether it ended, and its age in seconds (when it was last written).
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<bool>>("ended");
    QTest::addColumn<QList<int>>("ages");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("earlier");

    QTest::newRow("named by a clock once ahead")
        << QStringList{QStringLiteral("sale-2099-12-31-235959.jsonl"), QStringLiteral("sale-2024-05-01-140000.jsonl")}
        << QList<bool>{true, false} << QList<int>{600, 60} << QStringLiteral("sale-2024-05-01-140000.jsonl")
        << QStringList();
    QTest::newRow("two sales in one second")
        << QStringList{QStringLiteral("sale-2024-05-01-140000.jsonl"), QStringLiteral("sale-2024-05-01-140000-2.jsonl")}
        << QList<bool>{true, false} << QList<int>{1, 1} << QStringLiteral("sale-2024-05-01-140000-2.jsonl")
        << QStringList();
    QTest::newRow("several never ended: the last written is current")
        << QStringList{QStringLiteral("sale-2024-05-01-140000.jsonl"), QStringLiteral("sale-2030-01-01-000000.jsonl"),
                       QStringLiteral("sale-2023-01-01-000000.jsonl")}
        << QList<bool>{false, false, false} << QList<int>{30, 3000, 300}
        << QStringLiteral("sale-2024-05-01-140000.jsonl")
        << QStringList{QStringLiteral("sale-2023-01-01-000000.jsonl"), QStringLiteral("sale-2030-01-01-000000.jsonl")};
    QTest::newRow("all ended") << QStringList{QStringLiteral("sale-2024-05-01-140000.jsonl")} << QList<bool>{true}
                               << QList<int>{5} << QString() << QStringList();
}

void tst_SaleJournal::currentSaleIsFoundByContent()
{
    QFETCH(QStringList, names);
    QFETCH(QList<bool>, ended);
    QFETCH(QList<int>, ages);
    QFETCH(QString, current);
    QFETCH(QStringList, earlier);
    const QDateTime now = QDateTime::currentDateTime();
    for (qsizetype i = 0; i < names.size(); ++i) {
        QFile file(m_dir->filePath(names[i]));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Started + Shown + Sold);
        if (ended[i])
            file.write(R"({"event":"ended","time":"t"})"
                       "\n");
        QVERIFY(file.flush() && file.setFileTime(now.addSecs(-ages[i]), QFileDevice::FileModificationTime));
    }
    SaleJournal journal(m_dir->path());
    journal.Open();
    QCOMPARE(QFileInfo(journal.filePath()).fileName(), current);
    QCOMPARE(journal.resumed(), !current.isEmpty());
    QStringList offered;
    for (const QString& path : journal.earlierSales())
        offered << QFileInfo(path).fileName();
    QCOMPARE(offered, earlier);

    // An earlier sale taken up in its place; the one that was current is offered in turn.
    if (!earlier.isEmpty()) {
        QVERIFY(journal.OpenEarlier(journal.earlierSales().first()));
        QCOMPARE(QFileInfo(journal.filePath()).fileName(), earlier.first());
        QCOMPARE(QFileInfo(journal.earlierSales().first()).fileName(), current);
        QCOMPARE(journal.record().Find(7)->price, 80);
    }
}

void tst_SaleJournal::newJournalsHaveNamesOfTheirOwn()
{
    // However quickly sales follow one another, and whatever the clock says.
    QStringList paths;
    SaleJournal journal(m_dir->path());
    journal.Open();
    for (int i = 0; i < 5; ++i) {
        journal.Record(Lot(SaleEvent::Kind::Sold, 1, 12, "Chest", 90 + i));
        paths << journal.filePath();
        journal.NewSale();
    }
    paths.removeDuplicates();
    QCOMPARE(paths.size(), 5);
    for (const QString& path : paths)
        QVERIFY2(QFileInfo(path).fileName().startsWith(QStringLiteral("sale-")) &&
                     path.endsWith(QStringLiteral(".jsonl")),
                 qPrintable(path));
}

void tst_SaleJournal::longTextsAreCutWhenRead()
{
    const QString note(3 << 20, u'n');
    const QString buyer(5000, u'b');
    SaleEvent sold = Lot(SaleEvent::Kind::Sold, 2, 7, "", 80);
    sold.note = note;
    SaleEvent bought = sold;
    bought.kind = SaleEvent::Kind::Buyer;
    bought.buyer = buyer;
    QFile file(journalPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Started + sold.ToJsonLine() + '\n' + bought.ToJsonLine() + '\n');
    file.close();
    const qint64 size = QFileInfo(journalPath()).size();

    SaleJournal journal(m_dir->path());
    journal.Open();
    QVERIFY(journal.resumed());
    QCOMPARE(journal.record().Results().size(), size_t(1));
    const LotResult& result = journal.record().Results().front();
    QCOMPARE(result.key.note.size(), TextLimits::MaxNote);
    QCOMPARE(result.buyer, buyer.left(TextLimits::MaxBuyer));
    QCOMPARE(result.price, 80);
    // The file keeps the whole text.
    QCOMPARE(QFileInfo(journalPath()).size(), size);
}

void tst_SaleJournal::journalReplacedUnderTheProgram_data()
{
    QTest::addColumn<QString>("swap");
    QTest::newRow("an atomic rename over it") << QStringLiteral("rename");
    QTest::newRow("removed") << QStringLiteral("remove");
    QTest::newRow("a FIFO in its place") << QStringLiteral("fifo");
    QTest::newRow("a folder in its place") << QStringLiteral("folder");
}

void tst_SaleJournal::journalReplacedUnderTheProgram()
{
    QFETCH(QString, swap);
    SaleJournal journal(m_dir->path());
    journal.Open();
    journal.Record(Lot(SaleEvent::Kind::Sold, 1, 12, "Chest", 90));
    const QString first = journal.filePath();
    const QByteArray path = QFile::encodeName(first);
    if (swap != QLatin1String("rename"))
        QCOMPARE(::unlink(path.constData()), 0);
    if (swap == QLatin1String("rename")) {
        QFile other(first + QStringLiteral(".new"));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write(Started) > 0);
        other.close();
        QCOMPARE(::rename(QFile::encodeName(other.fileName()).constData(), path.constData()), 0);
    } else if (swap == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(path.constData(), 0644), 0);
    } else if (swap == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(first));
    }
    QSignalSpy saving(&journal, &SaleJournal::SavingChanged);
    journal.Record(Lot(SaleEvent::Kind::Passed, 2, 13, "Lamp"));
    QVERIFY(saving.count() > 0);
    QCOMPARE(journal.replacedJournal(), first);
    QVERIFY(journal.filePath() != first);
    QVERIFY(journal.problem().isEmpty());
    // The new journal carries the whole sale: start, the sale before the swap, the pass after it.
    const QList<QByteArray> lines = Lines(journal.filePath());
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].contains(R"("event":"started")"));
    QVERIFY(lines[1].contains(R"("event":"sold")"));
    QVERIFY(lines[2].contains(R"("event":"passed")"));
    // Whatever is at the old name is never written to.
    if (swap == QLatin1String("rename"))
        QCOMPARE(Lines(first).size(), 1);
}

void tst_SaleJournal::eventsAreLinesWrittenFromTheFirstMark()
{
    SaleJournal journal(m_dir->path());
    journal.Open();
    journal.Record(Lot(SaleEvent::Kind::Shown, 1, 12, "Oak chest"));
    journal.Record(Lot(SaleEvent::Kind::Amount, 1, 12, "", 150));
    // Nothing marked, nothing on the disk.
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    journal.Record(Lot(SaleEvent::Kind::Sold, 1, 12, "Oak chest, \"rare\"\nline two", 150));
    journal.Record(Lot(SaleEvent::Kind::Passed, 2, 13, "Lamp"));

    const QList<QByteArray> lines = Lines(journal.filePath());
    QCOMPARE(lines.size(), 5);
    QStringList kinds;
    for (const QByteArray& line : lines) {
        const std::optional<SaleEvent> event = SaleEvent::FromJsonLine(line);
        QVERIFY2(event, line.constData());
        QVERIFY(QDateTime::fromString(event->time, Qt::ISODateWithMs).isValid());
        kinds << SaleEvent::KindName(event->kind);
    }
    QCOMPARE(kinds.join(u','), QStringLiteral("started,shown,amount,sold,passed"));
    const std::optional<SaleEvent> sold = SaleEvent::FromJsonLine(lines[3]);
    QCOMPARE(sold->note, QStringLiteral("Oak chest, \"rare\"\nline two"));
    QCOMPARE(sold->amount, 150);
    QVERIFY(lines[3].contains(R"("price":150)"));

    // The next run finds the same results.
    SaleJournal again(m_dir->path());
    again.Open();
    QVERIFY(again.resumed());
    QCOMPARE(again.record().Find(12)->price, 150);
    QCOMPARE(again.record().Find(13)->outcome, LotResult::Outcome::Passed);
}

void tst_SaleJournal::appendingAfterATornLineKeepsTheJournalWhole()
{
    QFile file(journalPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Started + Shown + R"({"event":"sold","time")");
    file.close();

    SaleJournal journal(m_dir->path());
    journal.Open();
    journal.Record(Lot(SaleEvent::Kind::Passed, 2, 7, "Clock"));
    const QList<QByteArray> lines = Lines(journalPath());
    QCOMPARE(lines.size(), 3);
    for (const QByteArray& line : lines)
        QVERIFY2(SaleEvent::FromJsonLine(line), line.constData());
}

void tst_SaleJournal::newSaleEndsTheJournal()
{
    SaleJournal journal(m_dir->path());
    journal.Open();
    journal.Record(Lot(SaleEvent::Kind::Sold, 1, 12, "Chest", 90));
    const QString first = journal.filePath();
    journal.NewSale();
    QVERIFY(journal.filePath().isEmpty());
    QVERIFY(!journal.record().Find(12));
    QVERIFY(Lines(first).last().contains(R"("event":"ended")"));

    SaleJournal next(m_dir->path());
    next.Open();
    QVERIFY(!next.resumed());
}

void tst_SaleJournal::diskThatFailsNeverLosesAnEvent_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << false << QString::fromLocal8Bit(std::strerror(ENOSPC));
    QTest::newRow("read-only folder") << true << QString::fromLocal8Bit(std::strerror(EROFS));
}

void tst_SaleJournal::diskThatFailsNeverLosesAnEvent()
{
    QFETCH(bool, readOnly);
    QFETCH(QString, reason);
    if (!s_privateMounts)
        QSKIP("no mount namespace of its own for a small disk");
    m_mounted = m_dir->filePath(QStringLiteral("disk"));
    const QByteArray mountPoint = QFile::encodeName(m_mounted);
    QVERIFY(QDir().mkpath(m_mounted));
    QCOMPARE(::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k"), 0);
    const QString sales = m_mounted + QStringLiteral("/sales");
    QVERIFY(QDir().mkpath(sales));
    const QString filler = m_mounted + QStringLiteral("/filler");

    if (readOnly) {
        QCOMPARE(::mount(nullptr, mountPoint.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    } else {
        QFile fill(filler);
        QVERIFY(fill.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }

    SaleJournal journal(sales);
    journal.Open();
    journal.Record(Lot(SaleEvent::Kind::Sold, 2, 2, "Second", 20));
    journal.Record(Lot(SaleEvent::Kind::Amount, 3, 3, "", 35));
    QVERIFY2(journal.problem().contains(reason), qPrintable(journal.problem()));
    QCOMPARE(journal.pendingEvents(), 3);
    // The record in memory goes on as if nothing had happened.
    QCOMPARE(journal.record().Find(2)->price, 20);

    if (readOnly)
        QCOMPARE(::mount(nullptr, mountPoint.constData(), nullptr, MS_REMOUNT, nullptr), 0);
    else
        QVERIFY(QFile::remove(filler));
    journal.Record(Lot(SaleEvent::Kind::Passed, 3, 3, "Third"));
    QVERIFY(journal.problem().isEmpty());
    QCOMPARE(journal.pendingEvents(), 0);

    SaleJournal again(sales);
    again.Open();
    QCOMPARE(again.record().Find(2)->price, 20);
    QCOMPARE(again.record().Find(3)->outcome, LotResult::Outcome::Passed);
    QCOMPARE(Lines(again.filePath()).size(), 4);
}

void tst_SaleJournal::defaultDirectory_data()
{
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QString>("expected");
    const QString home = QDir::homePath() + QStringLiteral("/.local/share/Gavelor/sales");
    QTest::newRow("set") << QByteArray("/srv/data") << QStringLiteral("/srv/data/Gavelor/sales");
    QTest::newRow("unset") << QByteArray() << home;
    QTest::newRow("relative is ignored") << QByteArray("rel/data") << home;
}

void tst_SaleJournal::defaultDirectory()
{
    QFETCH(QByteArray, dataHome);
    QFETCH(QString, expected);
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome);
    const QString directory = SaleJournal::DefaultDirectory();
    qputenv("XDG_DATA_HOME", saved);
    QCOMPARE(directory, expected);
}

int main(int argc, char** argv)
{
    s_privateMounts = EnterPrivateMounts();
    QCoreApplication app(argc, argv);
    tst_SaleJournal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_salejournal.moc"
