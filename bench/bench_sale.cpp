// The sale record's figures: F5 to the stamp's frame with the journal written and on the
// disk, the results window opening on 10,000 lots (and on 10,000 lots with notes of a
// megabyte), the report of 10,000 lots as PDF, a 100,000-line journal read at start, and the
// program's start-up with 1,000 old journals in the folder against none. Offscreen, so the
// frames are painting work alone.
#include "clerk/InvoicePdf.h"
#include "clerk/Invoices.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "sale/SaleReport.h"
#include "sale/frmResults.h"
#include "scoreboard/frmScoreboard.h"

#include "helpers/FirstFrame.h"
#include "helpers/FrameTiming.h"
#include "helpers/SaleFixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <cstdio>
#include <functional>
#include <vector>

using FrameTiming::FinishFrame;

namespace {

double Ms(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Press(QWidget* target, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

void AddLots(AppSettings& settings, int count)
{
    for (int n = 1; n <= count; ++n) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = n;
        lot->Amount = 100 + n % 900;
        lot->Note = QStringLiteral("Lot %1, a Georgian silver teapot with its stand").arg(n);
        settings.LotList->Add(lot);
    }
}

// A journal as a long sale leaves it: lots shown, raised, and every other one sold.
void WriteJournal(const QString& path, const AppSettings& settings, int lines)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    SaleEvent event;
    event.time = QStringLiteral("2024-05-01T14:00:00.000+01:00");
    file.write(event.ToJsonLine() + '\n');
    int written = 1;
    for (qint32 position = 1; written < lines; position = position % settings.LotList->Count() + 1) {
        const LotInfoPtr lot = settings.LotList->Item(position);
        event.position = position;
        event.lotNumber = lot->LotNumber;
        event.note = lot->Note;
        event.startingBid = lot->Amount;
        event.kind = SaleEvent::Kind::Shown;
        file.write(event.ToJsonLine() + '\n');
        for (int raise = 1; raise <= 8 && written < lines; ++raise, ++written) {
            event.kind = SaleEvent::Kind::Amount;
            event.amount = lot->Amount + raise * 10;
            file.write(event.ToJsonLine() + '\n');
        }
        event.kind = position % 2 ? SaleEvent::Kind::Sold : SaleEvent::Kind::Passed;
        file.write(event.ToJsonLine() + '\n');
        written += 2;
    }
}

// The scoreboard at 1080p over a journal of its own, with the first lot on show; `step(i)` is
// timed from its start to the frame, after `before(i)` when there is one.
double TimeSteps(const QString& directory, const std::function<void(QWidget*, int)>& step,
                 const std::function<void(QWidget*, int)>& before = {})
{
    MemorySettingsStore store;
    AppSettings settings(store);
    SaleFixture::Fill(settings);
    SaleJournal sale(directory);
    frmScoreboard window(settings);
    window.setSale(&sale);
    window.resize(1920, 1080);
    window.show();
    FinishFrame();
    QWidget* target = window.focusWidget();
    Press(target, Qt::Key_Right);
    FinishFrame();
    std::vector<double> times;
    for (int i = 0; i < 60; ++i) {
        if (before) {
            before(target, i);
            FinishFrame();
        }
        QElapsedTimer timer;
        timer.start();
        step(target, i);
        FinishFrame();
        if (i >= 10)
            times.push_back(Ms(timer));
    }
    return Median(times);
}

// F5 and F6 in turn, so that every press changes the stamp.
double MarkToFrame(const QString& directory)
{
    return TimeSteps(directory, [](QWidget* target, int i) { Press(target, i % 2 ? Qt::Key_F6 : Qt::Key_F5); });
}

// Ctrl+Z after F5 to the frame without the stamp, through the window's shortcut as the key comes
// from the keyboard.
double UndoToFrame(const QString& directory)
{
    return TimeSteps(
        directory, [](QWidget* target, int) { QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier); },
        [](QWidget* target, int) { Press(target, Qt::Key_F5); });
}

double ResultsOpen(const QString& directory, AppSettings& settings)
{
    std::vector<double> times;
    for (int round = 0; round < 7; ++round) {
        SaleJournal sale(directory);
        sale.Open();
        frmScoreboard window(settings);
        window.setSale(&sale);
        window.show();
        FinishFrame();
        FrameTiming::PaintCounter paints;
        QElapsedTimer timer;
        timer.start();
        Press(window.focusWidget(), Qt::Key_F4);
        window.results()->installEventFilter(&paints);
        FinishFrame();
        const double ms = Ms(timer);
        if (paints.paints > 0 && round > 0)
            times.push_back(ms);
        window.results()->close();
    }
    return times.empty() ? -1 : Median(times);
}

// Milliseconds from spawning the program with "bypass" to its scoreboard's first frame, with
// the sales in dataHome.
std::optional<double> StartToFirstFrame(const QString& dataHome)
{
    QTemporaryDir config;
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    QProcess process;
    process.setProcessEnvironment(environment);
    const long long started = FirstFrame::MonotonicNs();
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/startup_probe"),
                  {QStringLiteral("bypass")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (line.startsWith("FRAME "))
            return (line.mid(6).trimmed().toLongLong() - started) / 1e6;
    return std::nullopt;
}

// Start-up with 1,000 ended sales of 200 lines each in the folder, against an empty folder.
std::optional<double> StartWithJournals(const QString& directory, const AppSettings& settings)
{
    const QString none = directory + QStringLiteral("/none");
    const QString many = directory + QStringLiteral("/many");
    QDir().mkpath(none);
    QDir().mkpath(many + QStringLiteral("/Gavelor/sales"));
    for (int n = 0; n < 1000; ++n) {
        const QString path =
            many + QStringLiteral("/Gavelor/sales/sale-2024-01-01-%1.jsonl").arg(n, 6, 10, QLatin1Char('0'));
        WriteJournal(path, settings, 200);
        QFile file(path);
        file.open(QIODevice::Append);
        SaleEvent ended;
        ended.kind = SaleEvent::Kind::Ended;
        file.write(ended.ToJsonLine() + '\n');
    }
    std::vector<double> withNone;
    std::vector<double> withMany;
    for (int run = 0; run < 13; ++run) {
        const auto a = StartToFirstFrame(none);
        const auto b = StartToFirstFrame(many);
        if (!a || !b)
            return std::nullopt;
        // The first runs fill the page cache with the libraries and the journals.
        if (run >= 2) {
            withNone.push_back(*a);
            withMany.push_back(*b);
        }
    }
    std::printf("BENCH sale.start_with_journals.none %.1f ms\n", Median(withNone));
    std::printf("BENCH sale.start_with_journals.1000_files_ms %.1f ms\n", Median(withMany));
    return Median(withMany) / Median(withNone);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;

    std::printf("BENCH sale.mark_to_frame %.3f ms\n", MarkToFrame(dir.filePath(QStringLiteral("mark"))));
    std::printf("BENCH sale.undo_to_frame %.3f ms\n", UndoToFrame(dir.filePath(QStringLiteral("undo"))));
    std::fflush(stdout);

    MemorySettingsStore store;
    AppSettings settings(store);
    AddLots(settings, 10000);
    const QString half = dir.filePath(QStringLiteral("half"));
    QDir().mkpath(half);
    // 10,000 lots shown, half of them sold.
    WriteJournal(half + QStringLiteral("/sale-2024-05-01-140000.jsonl"), settings, 10000 * 4);
    std::printf("BENCH sale.results_open.10k %.3f ms\n", ResultsOpen(half, settings));
    std::fflush(stdout);

    {
        SaleJournal sale(half);
        sale.Open();
        const std::vector<SaleRecord::Row> rows = sale.record().Rows(*settings.LotList);
        const SaleReport::Sheet sheet{sale.record().StartedAt(), rows, SaleRecord::Count(rows)};
        std::vector<double> times;
        for (int round = 0; round < 3; ++round) {
            QElapsedTimer timer;
            timer.start();
            SaleReport::SavePdf(dir.filePath(QStringLiteral("report.pdf")), sheet, MoneyFormat{});
            times.push_back(Ms(timer));
        }
        std::printf("BENCH sale.report_pdf.10k %.3f ms\n", Median(times));
        std::fflush(stdout);

        // Every invoice of 10,000 lots sold to 1,000 paddles, and a settlement per vendor, as PDF files.
        std::vector<LotResult> bought;
        bought.reserve(10000);
        std::vector<SaleRecord::Row> invoiced;
        for (int n = 1; n <= 10000; ++n) {
            LotResult result;
            result.key = {n, n, QStringLiteral("Lot %1, a note as long as a catalogue's").arg(n)};
            result.outcome = LotResult::Outcome::Sold;
            result.price = 100 + (n * 7919) % 250000;
            result.buyer = QString::number(100 + n % 1000);
            bought.push_back(result);
        }
        for (const LotResult& result : bought)
            invoiced.push_back({result.key.position, nullptr, &result});
        SaleTerms terms;
        terms.premium = {{100'000, *Percent::Parse(QStringLiteral("25"))}, {0, *Percent::Parse(QStringLiteral("20"))}};
        terms.taxName = QStringLiteral("VAT");
        terms.taxRate = *Percent::Parse(QStringLiteral("20"));
        const InvoicePdf::Context context{{QStringLiteral("Tarnwick & Sons"), QStringLiteral("1 High Street"),
                                           QStringLiteral("Autumn Fine Sale"), QString(), QString()},
                                          terms,
                                          MoneyFormat{},
                                          QStringLiteral("9 Dec 2026 14:05")};
        const QString folder = dir.filePath(QStringLiteral("invoices"));
        QDir().mkpath(folder);
        QElapsedTimer timer;
        timer.start();
        const std::vector<Invoice> invoices = Invoices::ForBuyers(invoiced, terms);
        const InvoicePdf::Saved saved = InvoicePdf::SaveAll(folder, invoices, {}, context);
        const double seconds = Ms(timer) / 1000.0;
        if (!saved.error.isEmpty() || saved.files.size() != 1000)
            std::fprintf(stderr, "bench_sale: the invoices were not all written: %s\n", qUtf8Printable(saved.error));
        std::printf("BENCH sale.invoices_pdf.1000_paddles %.2f s\n", seconds);
    }

    const QString big = dir.filePath(QStringLiteral("big"));
    QDir().mkpath(big);
    WriteJournal(big + QStringLiteral("/sale-2024-05-01-140000.jsonl"), settings, 100000);
    std::vector<double> times;
    for (int round = 0; round < 7; ++round) {
        QElapsedTimer timer;
        timer.start();
        SaleJournal sale(big);
        sale.Open();
        times.push_back(Ms(timer));
    }
    std::printf("BENCH sale.journal_replay.100k %.3f ms\n", Median(times));
    std::fflush(stdout);

    {
        // 10,000 lots whose notes are a megabyte each (one shared text in memory), sold in a
        // journal whose notes are 16 KB each: 160 MB, within what a journal may be read of,
        // where a megabyte each would be 10 GB.
        MemorySettingsStore longStore;
        AppSettings longSettings(longStore);
        const QString megabyte(1 << 20, u'w');
        const QString sixteenKb(16 << 10, u'w');
        for (int n = 1; n <= 10000; ++n) {
            auto lot = std::make_shared<LotInfo>();
            lot->LotNumber = n;
            lot->Amount = 100;
            lot->Note = megabyte;
            longSettings.LotList->Add(lot);
        }
        const QString folder = dir.filePath(QStringLiteral("long"));
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/sale-2024-05-01-140000.jsonl"));
        file.open(QIODevice::WriteOnly);
        SaleEvent event;
        event.time = QStringLiteral("2024-05-01T14:00:00.000+01:00");
        file.write(event.ToJsonLine() + '\n');
        event.kind = SaleEvent::Kind::Sold;
        event.note = sixteenKb;
        for (int n = 1; n <= 10000; ++n) {
            event.position = n;
            event.lotNumber = n;
            event.startingBid = 100;
            event.amount = 150;
            file.write(event.ToJsonLine() + '\n');
        }
        file.close();
        std::printf("BENCH sale.results_open.10k_long_notes %.3f ms\n", ResultsOpen(folder, longSettings));
        std::fflush(stdout);
        QFile::remove(file.fileName());
    }

    const std::optional<double> ratio = StartWithJournals(dir.filePath(QStringLiteral("start")), settings);
    if (!ratio)
        return 1;
    std::printf("BENCH sale.start_with_journals.1000_files %.2f ratio\n", *ratio);
    return 0;
}
