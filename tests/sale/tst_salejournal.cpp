// The sale journal on real files: torn and unreadable journals, a sale picked up again, and
// full or read-only disks in a mount namespace of the test's own.
#include "sale/SaleJournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

bool WriteText(const char* path, const QByteArray& text)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Mounts made from here on are the test's alone. Must run before any thread starts.
bool EnterPrivateMounts()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        const QByteArray uid = QByteArray::number(::getuid());
        const QByteArray gid = QByteArray::number(::getgid());
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        WriteText("/proc/self/setgroups", "deny");
        if (!WriteText("/proc/self/uid_map", "0 " + uid + " 1") || !WriteText("/proc/self/gid_map", "0 " + gid + " 1"))
            return false;
    }
    return ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

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

    QTest::newRow("unended sale") << Started + Shown + Amount + Sold << true << false << 80 << 80;
    QTest::newRow("torn last line") << Started + Shown + Sold + R"({"event":"amount","ti)" << true << false << 80 << 50;
    QTest::newRow("whole record without its line end")
        << Started + Shown + Sold.chopped(1) << true << false << -1 << 50;
    QTest::newRow("garbled last line") << Started + Shown + "\x01\x02garbage\n" << true << false << -1 << 50;
    QTest::newRow("garbled line inside") << Started + "garbage\n" + Sold << false << true << -1 << -1;
    QTest::newRow("text after a record inside") << Started +
                                                       R"({"event":"shown","lot":1} x)"
                                                       "\n" +
                                                       Sold
                                                << false << true << -1 << -1;
    QTest::newRow("no start") << Shown + Sold << false << true << -1 << -1;
    QTest::newRow("empty file") << QByteArray() << false << true << -1 << -1;
    QTest::newRow("ended sale") << Started + Sold +
                                       R"({"event":"ended","time":"t"})"
                                       "\n"
                                << false << false << -1 << -1;
}

void tst_SaleJournal::openingAJournal()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, resumed);
    QFETCH(bool, keptAside);
    QFETCH(int, price);
    QFETCH(int, onShowAmount);

    QFile older(m_dir->filePath(QStringLiteral("sale-2024-04-01-090000.jsonl")));
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write(Started + Sold) > 0);
    older.close();
    QFile file(journalPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    SaleJournal journal(m_dir->path());
    journal.Open();
    QCOMPARE(journal.resumed(), resumed);
    QCOMPARE(journal.filePath(), resumed ? journalPath() : QString());
    QCOMPARE(!journal.keptAside().isEmpty(), keptAside);
    // An unreadable journal is moved out of the way with its bytes untouched.
    QCOMPARE(QFile::exists(journalPath()), !keptAside);
    if (keptAside) {
        QFile aside(journal.keptAside());
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), content);
    }
    const LotResult* result = journal.record().Find(7);
    QCOMPARE(result && result->outcome == LotResult::Outcome::Sold ? result->price : -1, price);
    const auto& onShow = journal.record().LastOnShow();
    QCOMPARE(onShow ? onShow->amount : -1, onShowAmount);
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
