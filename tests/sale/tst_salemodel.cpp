// The sale against a small model of what the room saw last for each lot number: random
// operator sequences (keys, typed numbers and bids, lot-list edits, clears, withdrawals,
// undo, restarts from the journal, new sales), and the same killed at random moments.
// Widget-free: the sale's owner, its record, journal and CSV alone.
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/KeyCodes.h"
#include "sale/SaleController.h"
#include "sale/SaleJournal.h"
#include "sale/SaleReport.h"
#include "support/TestLots.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>

namespace {

constexpr qint16 KeyF5 = KeyCodes::F1 + 4;
constexpr qint16 KeyF6 = KeyCodes::F1 + 5;
constexpr int OpsPerSequence = 24;
// Long enough that a kill always finds the child at work.
constexpr int KilledSteps = 100000;

QString OutcomeName(LotResult::Outcome outcome)
{
    switch (outcome) {
    case LotResult::Outcome::Sold:
        return QStringLiteral("Sold");
    case LotResult::Outcome::Passed:
        return QStringLiteral("Passed");
    case LotResult::Outcome::Cleared:
        return QStringLiteral("Cleared");
    case LotResult::Outcome::Withdrawn:
        return QStringLiteral("Withdrawn");
    case LotResult::Outcome::None:
        break;
    }
    return {};
}

// What the room saw last for each lot number, kept apart from the code under test.
struct RoomModel
{
    struct Result
    {
        QString outcome;
        qint32 price = 0;
    };

    std::map<qint32, Result> results;
    // Each mark with what its lot showed before it.
    std::vector<std::pair<qint32, std::optional<Result>>> undo;
    // The board as the model follows it.
    qint32 index = 0;
    bool found = false;
    qint32 shownNumber = 0;
    int history = 0;
    bool touched = false;

    void Mark(qint32 lot, const QString& outcome, qint32 amount)
    {
        if (!found && shownNumber == 0)
            return;
        const auto known = results.find(lot);
        if (known != results.end() && known->second.outcome == outcome && !touched)
            return;
        undo.emplace_back(lot, known == results.end() ? std::nullopt : std::optional(known->second));
        results[lot] = {outcome, amount};
        touched = false;
    }
    void Undo()
    {
        if (undo.empty())
            return;
        auto [lot, before] = undo.back();
        undo.pop_back();
        results[lot] = before ? *before : Result{QStringLiteral("Cleared"), 0};
        if (results[lot].outcome != QLatin1String("Sold") && results[lot].outcome != QLatin1String("Passed"))
            results[lot].price = 0;
    }
    void Settle(qint32 lot, const QString& outcome)
    {
        results[lot] = {outcome, 0};
        std::erase_if(undo, [lot](const auto& entry) { return entry.first == lot; });
    }
    QString Summary() const
    {
        QStringList out;
        for (const auto& [lot, result] : results)
            out << QStringLiteral("%1=%2/%3").arg(lot).arg(result.outcome).arg(result.price);
        return out.join(u' ');
    }
};

QString RecordSummary(const SaleRecord& record)
{
    std::map<qint32, QString> sorted;
    for (const LotResult& result : record.Results()) {
        if (result.outcome != LotResult::Outcome::None)
            sorted[result.key.lotNumber] = QStringLiteral("%1=%2/%3")
                                               .arg(result.key.lotNumber)
                                               .arg(OutcomeName(result.outcome))
                                               .arg(result.marked() ? result.price : 0);
    }
    QStringList out;
    for (const auto& [lot, text] : sorted)
        out << text;
    return out.join(u' ');
}

// The CSV as a spreadsheet reads it: each lot number's outcome, never twice.
QString CsvSummary(const QByteArray& csv, QString* problem)
{
    std::map<qint32, QString> sorted;
    const QList<QByteArray> lines = csv.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cells = lines[i].trimmed().split(',');
        if (cells.size() < 6 || cells[4].isEmpty())
            continue;
        const qint32 lot = cells[1].toInt();
        if (sorted.count(lot))
            *problem = QStringLiteral("lot %1 is in the CSV twice").arg(lot);
        const QString outcome = QString::fromUtf8(cells[4]);
        const QByteArray price = outcome == QLatin1String("Passed") ? cells.value(8) : cells[5];
        sorted[lot] = QStringLiteral("%1=%2/%3")
                          .arg(lot)
                          .arg(outcome)
                          .arg(price.isEmpty() ? QStringLiteral("0") : QString::fromLatin1(price));
    }
    QStringList out;
    for (const auto& [lot, text] : sorted)
        out << text;
    return out.join(u' ');
}

// One run of the program over a sale folder: the settings, the journal and the sale's owner.
struct Run
{
    Run(const QString& folder, const LotCollection& lots) : journal(folder)
    {
        settings.LotList = lots.Copy();
        AddIncrements(*settings.IncrementList, {{0, 5}, {100, 10}, {1000, 50}});
        journal.Open();
        sale.setJournal(&journal);
        sale.ShowLot();
    }

    MemorySettingsStore store;
    AppSettings settings{store};
    SaleJournal journal;
    SaleController sale{settings};
};

// Drives one random sequence, calling `after` with the model after every step.
class Sequence
{
public:
    Sequence(quint32 seed, QString folder) : m_random(seed), m_folder(std::move(folder))
    {
        for (qint32 number : {3, 5, 8, 13, 21, 34}) {
            auto lot = std::make_shared<LotInfo>();
            lot->LotNumber = number;
            lot->Amount = number * 10;
            lot->Note = QStringLiteral("Lot %1").arg(number);
            m_lots.Add(lot);
        }
        Restart();
    }

    RoomModel& model() { return m_model; }
    Run& run() { return *m_run; }

    void Step()
    {
        SaleController& sale = m_run->sale;
        const int pick = static_cast<int>(m_random.bounded(100));
        if (pick < 14) {
            Key(KeyCodes::Right);
        } else if (pick < 22) {
            Key(KeyCodes::Left);
        } else if (pick < 36) {
            Key(KeyCodes::Up);
        } else if (pick < 42) {
            Key(KeyCodes::Down);
        } else if (pick < 54) {
            Key(KeyF5);
        } else if (pick < 62) {
            Key(KeyF6);
        } else if (pick < 67) {
            // A lot number typed onto the display: one of the list or one that is not.
            const qint32 number = static_cast<qint32>(m_random.bounded(2) ? m_random.bounded(40) : 99);
            for (QChar digit : QString::number(number))
                sale.TypeLotKey(static_cast<qint16>(digit.unicode()));
            sale.TypeLotKey(KeyCodes::Enter);
            m_model.shownNumber = number;
        } else if (pick < 72) {
            const QString bid = QString::number(m_random.bounded(1, 5000));
            for (QChar digit : bid)
                sale.TypeAmountKey(static_cast<qint16>(digit.unicode()), static_cast<qint16>(digit.unicode()));
            sale.TypeAmountKey(KeyCodes::Enter, KeyCodes::Enter);
            m_model.touched = true;
        } else if (pick < 78) {
            sale.Undo();
            m_model.Undo();
        } else if (pick < 82) {
            ClearOrWithdraw();
        } else if (pick < 88) {
            EditLots();
        } else if (pick < 96) {
            Restart();
        } else {
            sale.NewSale();
            m_model.results.clear();
            m_model.undo.clear();
        }
    }

private:
    void Key(qint16 key)
    {
        SaleController& sale = m_run->sale;
        const qint32 room = sale.LotNumber();
        const qint32 amount = sale.Amount();
        sale.Command(key);
        if (key == KeyCodes::Right && m_model.index < m_lots.Count())
            Show(m_model.index + 1);
        else if (key == KeyCodes::Left && m_model.index > 1)
            Show(m_model.index - 1);
        else if (key == KeyCodes::Up) {
            m_model.history = std::min(m_model.history + 1, AuctionState::MaxHistory);
            m_model.touched = true;
        } else if (key == KeyCodes::Down && m_model.history > 0) {
            --m_model.history;
            m_model.touched = true;
        } else if (key == KeyF5)
            m_model.Mark(room, QStringLiteral("Sold"), amount);
        else if (key == KeyF6)
            m_model.Mark(room, QStringLiteral("Passed"), amount);
    }

    void Show(qint32 index)
    {
        m_model.index = index;
        const LotInfoPtr lot = m_lots.Item(index);
        m_model.found = lot != nullptr;
        m_model.shownNumber = lot ? lot->LotNumber : 0;
        m_model.history = 0;
        m_model.touched = false;
    }

    void ClearOrWithdraw()
    {
        const qint32 number =
            m_lots.Count() ? m_lots.Item(static_cast<qint32>(m_random.bounded(m_lots.Count())) + 1)->LotNumber : 3;
        if (m_random.bounded(2)) {
            m_run->sale.Withdraw(number);
            m_model.Settle(number, QStringLiteral("Withdrawn"));
        } else if (m_model.results.count(number) && (m_model.results[number].outcome == QLatin1String("Sold") ||
                                                     m_model.results[number].outcome == QLatin1String("Passed"))) {
            // The results window clears only a lot that has a result.
            m_run->sale.Clear(number);
            m_model.Settle(number, QStringLiteral("Cleared"));
        }
    }

    // The lot editor hands back a changed list: a note, the order, a lot gone or a new one.
    void EditLots()
    {
        auto edited = m_lots.Copy();
        const qint32 count = edited->Count();
        switch (m_random.bounded(4)) {
        case 0:
            if (count)
                edited->Item(static_cast<qint32>(m_random.bounded(count)) + 1)->Note += QStringLiteral(" (corrected)");
            break;
        case 1:
            if (count > 1) {
                const LotInfoPtr moved = edited->Item(1);
                edited->Remove(1);
                edited->Add(moved);
            }
            break;
        case 2:
            if (count > 1)
                edited->Remove(static_cast<qint32>(m_random.bounded(count)) + 1);
            break;
        default: {
            auto lot = std::make_shared<LotInfo>();
            lot->LotNumber = static_cast<qint32>(m_random.bounded(40, 60));
            lot->Amount = 100;
            edited->Add(lot, 1);
            break;
        }
        }
        m_lots = *edited;
        m_run->settings.LotList = edited;
    }

    void Restart()
    {
        m_run.reset();
        m_run = std::make_unique<Run>(m_folder, m_lots);
        m_model.index = 0;
        m_model.found = false;
        m_model.shownNumber = 0;
        m_model.history = 0;
        m_model.touched = false;
    }

    QRandomGenerator m_random;
    QString m_folder;
    LotCollection m_lots;
    RoomModel m_model;
    std::unique_ptr<Run> m_run;
};

// The folder of journals: on a memory file system where there is one, so that ten thousand
// sales do not wait for a disk.
QString ScratchRoot()
{
    const QString shm = QStringLiteral("/dev/shm");
    return QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
}

} // namespace

class tst_SaleModel : public QObject
{
    Q_OBJECT

private slots:
    void randomSequencesAgreeWithTheRoom();
    void killedAtRandomTheRestartAgrees();
};

void tst_SaleModel::randomSequencesAgreeWithTheRoom()
{
    const int sequences = qEnvironmentVariableIntValue("GAVELOR_MODEL_SEQUENCES") > 0
                              ? qEnvironmentVariableIntValue("GAVELOR_MODEL_SEQUENCES")
                              : 10000;
    for (int s = 0; s < sequences; ++s) {
        QTemporaryDir dir(ScratchRoot() + QStringLiteral("/gavelor-model-XXXXXX"));
        QVERIFY(dir.isValid());
        Sequence sequence(static_cast<quint32>(s), dir.path());
        for (int i = 0; i < OpsPerSequence; ++i)
            sequence.Step();
        const QString expected = sequence.model().Summary();
        const QString seed = QStringLiteral("seed %1").arg(s);
        QCOMPARE(RecordSummary(sequence.run().journal.record()) + u' ' + seed, expected + u' ' + seed);

        const std::vector<SaleRecord::Row> rows =
            sequence.run().journal.record().Rows(*sequence.run().settings.LotList);
        QString problem;
        QCOMPARE(CsvSummary(SaleReport::Csv(rows, MoneyFormat{}), &problem) + u' ' + seed, expected + u' ' + seed);
        QVERIFY2(problem.isEmpty(), qPrintable(problem + u' ' + seed));
        const SaleRecord::Totals totals = SaleRecord::Count(rows);
        int sold = 0;
        qint64 hammer = 0;
        for (const auto& [lot, result] : sequence.model().results) {
            if (result.outcome == QLatin1String("Sold")) {
                ++sold;
                hammer += result.price;
            }
        }
        QCOMPARE(totals.sold, sold);
        QCOMPARE(totals.hammer, hammer);

        // Read back by a new run: the same.
        SaleJournal reread(dir.path());
        reread.Open();
        if (reread.resumed())
            QCOMPARE(RecordSummary(reread.record()) + u' ' + seed, expected + u' ' + seed);
    }
}

// A child run prints the model after every step that is done. Killed at any moment, its restart
// shows the last model printed, or the next one when the step in flight reached the disk; the
// models come from the same seed run again here, without a kill.
void tst_SaleModel::killedAtRandomTheRestartAgrees()
{
    const QByteArray child = qgetenv("GAVELOR_MODEL_CHILD");
    if (!child.isEmpty()) {
        const QList<QByteArray> parts = child.split(':');
        Sequence sequence(parts[0].toUInt(), QString::fromLocal8Bit(parts[1]));
        for (int i = 0; i < KilledSteps; ++i) {
            sequence.Step();
            std::printf("%d\n", i + 1);
            std::fflush(stdout);
        }
        std::_Exit(0);
    }
    QRandomGenerator random(20261209);
    for (quint32 seed = 0; seed < 25; ++seed) {
        QTemporaryDir dir;
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("GAVELOR_MODEL_CHILD"), QStringLiteral("%1:%2").arg(seed).arg(dir.path()));
        run.setProcessEnvironment(environment);
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("killedAtRandomTheRestartAgrees")});
        QVERIFY(run.waitForStarted());
        QTest::qWait(static_cast<int>(random.bounded(5, 150)));
        ::kill(static_cast<pid_t>(run.processId()), SIGKILL);
        QVERIFY(run.waitForFinished());
        int done = 0;
        for (const QByteArray& line : run.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                done = line.toInt();
        }

        // The same steps again, unkilled, in a folder of their own.
        QTemporaryDir again(ScratchRoot() + QStringLiteral("/gavelor-model-XXXXXX"));
        Sequence sequence(seed, again.path());
        for (int i = 0; i < done; ++i)
            sequence.Step();
        const QString last = sequence.model().Summary();
        sequence.Step();
        const QString inFlight = sequence.model().Summary();

        SaleJournal reread(dir.path());
        reread.Open();
        const QString restarted = reread.resumed() ? RecordSummary(reread.record()) : QString();
        QVERIFY2(
            restarted == last || restarted == inFlight,
            qPrintable(QStringLiteral("seed %1 after %2 steps: %3 / %4").arg(seed).arg(done).arg(restarted, last)));
    }
}

QTEST_GUILESS_MAIN(tst_SaleModel)

#include "tst_salemodel.moc"
