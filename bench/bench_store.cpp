// Load and save of a large lot list through the settings file, against QSettings' INI files with the
// same entries. Prints "BENCH <name> <value> <unit>" lines.
#include "helpers/Median.h"
#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"
#include "records/NumberText.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 7;

const QString LotsGroup = QStringLiteral("Lots");

// Short sale-room descriptions; some span two lines, some are not ASCII.
const QStringList Notes = {
    QStringLiteral("Oak chest"),
    QStringLiteral("Pair of brass candlesticks"),
    QStringLiteral("Victorian writing slope\nwith key"),
    QStringLiteral("Meißen figure, c. 1880"),
    QStringLiteral("Öl auf Leinwand – Landschaft"),
    QStringLiteral("Box of \"assorted\" tools"),
    QStringLiteral("Set of 6 chairs\n(2 carvers)"),
    QString(),
    QStringLiteral("Silver tea service, 4 pieces"),
    QStringLiteral("Étagère en acajou"),
};

LotCollectionPtr makeLots(int count)
{
    auto lots = std::make_shared<LotCollection>();
    for (int i = 0; i < count; ++i) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = i % 10000;
        lot->Amount = (i * 37) % 999999;
        lot->Note = Notes[i % Notes.size()];
        if (i % 3 == 0)
            lot->Note += QLatin1Char(' ') + QString::number(i);
        lots->Add(lot, 0);
    }
    return lots;
}

// Median milliseconds of `body`; `prepare` runs untimed before each run.
double measure(const std::function<void(int)>& prepare, const std::function<void(int)>& body)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        prepare(run);
        QElapsedTimer timer;
        timer.start();
        body(run);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

void print(const char* name, double value, const char* unit)
{
    std::printf("BENCH %s %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

struct Figures
{
    double load = 0;
    double save = 0;
};

// A settings file holding the lots and the display settings, as the lot editor leaves it.
QString writeSettingsFile(const QString& dir, const LotCollectionPtr& lots)
{
    const QString path = dir + QStringLiteral("/settings-%1.json").arg(lots->Count());
    JsonSettingsStore store(path);
    AppSettings settings(store);
    settings.LotList = lots;
    if (!settings.SaveDisplaySettings() || !settings.SaveLots())
        qFatal("could not write %s", qPrintable(path));
    return path;
}

// Start-up: the store reads the file, then every program-wide value is filled from it.
double timeLoad(const QString& path, qint32 count)
{
    QElapsedTimer timer;
    timer.start();
    JsonSettingsStore store(path);
    AppSettings settings(store);
    settings.LoadAllSettings();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (settings.LotList->Count() != count)
        qFatal("load lost lots");
    return ms;
}

// Closing the lot editor: the lots replace those of a file that already holds them.
double measureSave(const QString& path, const LotCollectionPtr& lots)
{
    JsonSettingsStore store(path);
    AppSettings settings(store);
    settings.LotList = lots;
    return measure([](int) {},
                   [&](int) {
                       if (!settings.SaveLots())
                           qFatal("save failed");
                   });
}

// QSettings' INI files with the same keys and values in a "Lots" group. Every run works on a file of its
// own so that QSettings' in-process cache of parsed files cannot serve it.
Figures measureQSettings(const QString& dir, const LotCollectionPtr& lots)
{
    const QString seed = dir + QStringLiteral("/seed.ini");
    std::vector<QPair<QString, QString>> entries;
    qint32 counter = 0;
    for (const LotInfoPtr& lot : *lots)
        entries.emplace_back(NumberText::SignReserving(++counter), AppSettings::LotRecordText(*lot));
    auto writeAll = [&](const QString& path) {
        QSettings ini(path, QSettings::IniFormat);
        ini.beginGroup(LotsGroup);
        ini.remove(QString());
        for (const auto& [key, value] : entries)
            ini.setValue(key, value);
        ini.endGroup();
        ini.sync();
        if (ini.status() != QSettings::NoError)
            qFatal("QSettings could not write");
    };
    writeAll(seed);

    auto runPath = [&](const char* kind, int run) {
        return dir + QStringLiteral("/%1-%2.ini").arg(QLatin1String(kind)).arg(run);
    };
    auto copySeed = [&](const QString& target) {
        QFile::remove(target);
        if (!QFile::copy(seed, target))
            qFatal("copy failed");
    };

    Figures figures;
    figures.save =
        measure([&](int run) { copySeed(runPath("save", run)); }, [&](int run) { writeAll(runPath("save", run)); });
    figures.load = measure([&](int run) { copySeed(runPath("load", run)); },
                           [&](int run) {
                               QSettings ini(runPath("load", run), QSettings::IniFormat);
                               ini.beginGroup(LotsGroup);
                               qsizetype total = 0;
                               const QStringList keys = ini.childKeys();
                               for (const QString& key : keys)
                                   total += ini.value(key).toString().size();
                               if (keys.size() != static_cast<qsizetype>(entries.size()) || total == 0)
                                   qFatal("QSettings lost lots");
                           });
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary directory");

    const LotCollectionPtr bigLots = makeLots(100000);
    const QString big = writeSettingsFile(dir.path(), bigLots);
    const QString small = writeSettingsFile(dir.path(), makeLots(10000));

    Figures ours;
    ours.save = measureSave(big, bigLots);
    // Loads of both sizes take turns, so that the machine's other work weighs on both alike.
    std::vector<double> bigLoads;
    std::vector<double> smallLoads;
    for (int run = 0; run < Runs; ++run) {
        bigLoads.push_back(timeLoad(big, 100000));
        for (int n = 0; n < 3; ++n)
            smallLoads.push_back(timeLoad(small, 10000));
    }
    ours.load = Median(bigLoads);
    const Figures ini = measureQSettings(dir.path(), bigLots);

    print("store.load.100k_lots", ours.load, "ms");
    print("store.save.100k_lots", ours.save, "ms");
    print("store.load.ratio_vs_qsettings", ours.load / ini.load, "ratio");
    print("store.save.ratio_vs_qsettings", ours.save / ini.save, "ratio");
    print("store.scaling.10k_to_100k", ours.load / Median(smallLoads), "ratio");
    return 0;
}
