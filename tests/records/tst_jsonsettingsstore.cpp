#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/mount.h>
#include <unistd.h>

using Pairs = SettingsPairs;

namespace {

// Set in the environment of a child copy of this program: it then saves lot lists into the
// named file over and over until it is killed.
constexpr char SaveLoopVariable[] = "GAVELOR_TEST_SAVE_LOOP_FILE";
constexpr int CrashLotCount = 10000;
constexpr int CrashRounds = 30;
// A child that saves a lot list once into the named file and prints why it failed; with the
// tmpfs variable it first mounts a small file system on that folder (in a mount namespace of its
// own) and fills it up to the number of bytes left free.
constexpr char SaveOnceVariable[] = "GAVELOR_TEST_SAVE_ONCE_FILE";
constexpr char TmpfsVariable[] = "GAVELOR_TEST_TMPFS_LEAVE_FREE";
// A child that takes the settings lock and holds it until it is killed.
constexpr char HoldLockVariable[] = "GAVELOR_TEST_HOLD_LOCK_FILE";
constexpr int CannotMount = 77;

const QChar Sep = AppSettings::LotFieldSeparator;

// Two lists that differ in every lot, so that any mixture of them is caught.
LotCollectionPtr crashLots(int variant)
{
    auto lots = std::make_shared<LotCollection>();
    for (int i = 0; i < CrashLotCount; ++i) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = i;
        lot->Amount = 2 * i + variant;
        lot->Note = QStringLiteral("Lot %1 of list %2\n\u00d6l \u2013 \"%3\"").arg(i).arg(variant).arg(i % 7);
        lots->Add(lot, 0);
    }
    return lots;
}

bool sameLots(const LotCollection& a, const LotCollection& b)
{
    if (a.Count() != b.Count())
        return false;
    for (qint32 i = 1; i <= a.Count(); ++i) {
        const LotInfoPtr x = a.Item(i);
        const LotInfoPtr y = b.Item(i);
        if (x->LotNumber != y->LotNumber || x->Amount != y->Amount || x->Note != y->Note)
            return false;
    }
    return true;
}

int runSaveLoop(const QString& file, int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    JsonSettingsStore store(file);
    AppSettings settings(store);
    const LotCollectionPtr lists[2] = {crashLots(0), crashLots(1)};
    QElapsedTimer lifetime;
    lifetime.start();
    for (int n = 0; lifetime.elapsed() < 120000; ++n) { // ends by itself should the parent vanish
        settings.LotList = lists[n % 2];
        if (!settings.SaveLots())
            return 1;
        std::printf("saved %d\n", n);
        std::fflush(stdout);
    }
    return 2;
}

LotInfoPtr lot(qint32 number, qint32 amount, const QString& note)
{
    auto result = std::make_shared<LotInfo>();
    result->LotNumber = number;
    result->Amount = amount;
    result->Note = note;
    return result;
}

// Fills the folder with one file until the disk is full, then gives leaveFree bytes back.
bool fillUp(const QString& dir, qint64 leaveFree)
{
    QFile filler(dir + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    return filler.resize(std::max<qint64>(0, filler.size() - leaveFree));
}

int runSaveOnce(const QString& file, int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString dir = QFileInfo(file).absolutePath();
    if (const QByteArray leaveFree = qgetenv(TmpfsVariable); !leaveFree.isEmpty()) {
        if (::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=256k") != 0) {
            std::printf("cannot mount a tmpfs: %s\n", std::strerror(errno));
            return CannotMount;
        }
        if (!fillUp(dir, leaveFree.toLongLong()))
            return 3;
    }
    JsonSettingsStore store(file);
    store.setLockTimeout(300);
    AppSettings settings(store);
    for (int i = 0; i < 2000; ++i)
        settings.LotList->Add(lot(i, i, QStringLiteral("a note long enough to need more than a few pages")), 0);
    const bool saved = settings.SaveLots();
    std::printf("cause: %s\n", qUtf8Printable(store.lastError()));
    return saved ? 0 : 1;
}

int runHoldLock(const QString& file, int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lock.tryLock(0))
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    QTest::qSleep(60000);
    return 2;
}

// Collects what this process writes to stderr while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        std::fflush(stderr);
        m_file.open();
        m_saved = ::dup(2);
        ::dup2(m_file.handle(), 2);
    }
    ~StderrCapture() { finish(); }

    QStringList finish()
    {
        if (m_saved >= 0) {
            std::fflush(stderr);
            ::dup2(m_saved, 2);
            ::close(m_saved);
            m_saved = -1;
            m_file.seek(0);
            m_lines = QString::fromUtf8(m_file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        }
        return m_lines;
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
    QStringList m_lines;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The sections as an independent JSON reader sees them, for checking the file's own form.
Pairs pairsFromJson(const QByteArray& bytes, const QString& section)
{
    Pairs pairs;
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    for (const QJsonValue& entry : root.value(QLatin1String("sections")).toObject().value(section).toArray()) {
        const QJsonArray pair = entry.toArray();
        pairs.append({pair.at(0).toString(), pair.at(1).toString()});
    }
    return pairs;
}

QStringList keptFiles(const QString& dir, const QString& kind)
{
    const QRegularExpression name(QStringLiteral("^settings\\.json\\.%1-\\d{8}-\\d{6}(-\\d+)?$").arg(kind));
    QStringList kept;
    for (const QString& entry : QDir(dir).entryList(QDir::Files))
        if (name.match(entry).hasMatch())
            kept.append(dir + QLatin1Char('/') + entry);
    return kept;
}

QStringList keptUnreadableFiles(const QString& dir)
{
    return keptFiles(dir, QStringLiteral("unreadable"));
}

} // namespace

class tst_JsonSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void defaultLocation_data();
    void defaultLocation();
    void exampleStore_data();
    void exampleStore();
    void textsRoundTrip_data();
    void textsRoundTrip();
    void orderIsKept();
    void separatorInNoteCutsIt();
    void lotKeysRenumbered();
    void unreadableFileKeptAside_data();
    void unreadableFileKeptAside();
    void unreadableNamesDoNotCollide();
    void damagedBeforeSaveKeepsBoth();
    void wrongTypesSkipped();
    void readInPartKeptBeforeSave_data();
    void readInPartKeptBeforeSave();
    void saveFailureNamesCause_data();
    void saveFailureNamesCause();
    void relativeConfigHomeIgnored_data();
    void relativeConfigHomeIgnored();
    void leftoverTemporariesRemoved_data();
    void leftoverTemporariesRemoved();
    void twoStoresKeepEachOthersWork();
    void unwritableLocationFails();
    void killedSaveLeavesOldOrNew();

private:
    QString dir() const { return m_dir->path() + QStringLiteral("/Gavelor"); }
    QString path() const { return dir() + QStringLiteral("/settings.json"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_JsonSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_JsonSettingsStore::defaultLocation_data()
{
    QTest::addColumn<bool>("setConfigHome");
    QTest::newRow("XDG_CONFIG_HOME set") << true;
    QTest::newRow("XDG_CONFIG_HOME unset") << false;
}

void tst_JsonSettingsStore::defaultLocation()
{
    QFETCH(bool, setConfigHome);
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(m_dir->path() + QStringLiteral("/home")));
    if (setConfigHome)
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path() + QStringLiteral("/config")));
    else
        qunsetenv("XDG_CONFIG_HOME");
    const QString file = JsonSettingsStore::DefaultFilePath();
    qputenv("XDG_CONFIG_HOME", saved);
    qputenv("HOME", savedHome);
    QCOMPARE(file, m_dir->path() + (setConfigHome ? QStringLiteral("/config") : QStringLiteral("/home/.config")) +
                       QStringLiteral("/Gavelor/settings.json"));
}

// A complete store after the options dialog and the lot editor have saved.
void tst_JsonSettingsStore::exampleStore_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<Pairs>("pairs");

    auto p = [](const QString& key, const QString& value) {
        return SettingsPair(key, value);
    };
    QTest::newRow("ColorSettings") << QStringLiteral("ColorSettings")
                                   << Pairs{p(QStringLiteral("FormBack"), QStringLiteral("4210752")),
                                            p(QStringLiteral("LEDBack"), QStringLiteral("0")),
                                            p(QStringLiteral("Text"), QStringLiteral("16777215")),
                                            p(QStringLiteral("LEDLot"), QStringLiteral("33023")),
                                            p(QStringLiteral("LEDAmount"), QStringLiteral("49152"))};
    QTest::newRow("KeySettings") << QStringLiteral("KeySettings")
                                 << Pairs{p(QStringLiteral("NumLockForce"), QStringLiteral("1"))};
    QTest::newRow("PicSettings") << QStringLiteral("PicSettings")
                                 << Pairs{p(QStringLiteral("LEDType"), QStringLiteral("1"))};
    QTest::newRow("Increments") << QStringLiteral("Increments")
                                << Pairs{p(QStringLiteral(" 0"), QStringLiteral(" 5")),
                                         p(QStringLiteral(" 100"), QStringLiteral(" 10")),
                                         p(QStringLiteral(" 1000"), QStringLiteral(" 50"))};
    QTest::newRow("Lots") << QStringLiteral("Lots")
                          << Pairs{p(QStringLiteral(" 1"), QStringLiteral(" 12") + Sep + QStringLiteral(" 150") + Sep +
                                                               QStringLiteral("Oak chest")),
                                   p(QStringLiteral(" 2"), QStringLiteral(" 7") + Sep + QStringLiteral(" 0") + Sep)};
    // A sale that never chose a currency leaves the file without the section.
    QTest::newRow("RegionSettings") << QStringLiteral("RegionSettings") << Pairs{};
}

void tst_JsonSettingsStore::exampleStore()
{
    QFETCH(QString, section);
    QFETCH(Pairs, pairs);
    {
        JsonSettingsStore store(path());
        AppSettings settings(store);
        settings.LoadAllSettings();
        settings.NumLockMode = 1;
        settings.LEDTypeIndex = 1;
        for (auto [minimum, amount] : {std::pair{0, 5}, {100, 10}, {1000, 50}}) {
            auto row = std::make_shared<IncrementInfo>();
            row->Minimum = minimum;
            row->Amount = amount;
            settings.IncrementList->Add(row);
        }
        settings.LotList->Add(lot(12, 150, QStringLiteral("Oak chest")), 0);
        settings.LotList->Add(lot(7, 0, QString()), 0);
        QVERIFY(settings.SaveDisplaySettings());
        QVERIFY(settings.SaveIncrements());
        QVERIFY(settings.SaveLots());
    }
    const QByteArray bytes = readAll(path());
    QCOMPARE(JsonSettingsStore(path()).GetAll(section), pairs);
    QCOMPARE(pairsFromJson(bytes, section), pairs);

    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(root.value(QLatin1String("application")).toString(), QStringLiteral("Gavelor"));
    QCOMPARE(root.value(QLatin1String("version")).toInt(), 1);
    QVERIFY(bytes.contains(R"([" 1", " 12\u0005 150\u0005Oak chest"])"));

    JsonSettingsStore store(path());
    AppSettings loaded(store);
    loaded.LoadAllSettings();
    QCOMPARE(loaded.NumLockMode, 1);
    QCOMPARE(loaded.LEDTypeIndex, qint16(1));
    QCOMPARE(loaded.IncrementList->Count(), 3);
    QCOMPARE(loaded.LotList->Count(), 2);
    QCOMPARE(loaded.LotList->Item(1)->Note, QStringLiteral("Oak chest"));
    QCOMPARE(loaded.LotList->Item(2)->LotNumber, 7);
    QCOMPARE(loaded.LotList->Item(2)->Note, QString());
}

void tst_JsonSettingsStore::textsRoundTrip_data()
{
    QTest::addColumn<QString>("text");

    QString controls;
    for (char16_t c = 1; c < 0x20; ++c)
        controls.append(QChar(c));
    controls.append(QChar(0x7f));

    QTest::newRow("empty") << QString();
    QTest::newRow("blanks around") << QStringLiteral("  lead and trail  ");
    QTest::newRow("blanks only") << QStringLiteral("   ");
    QTest::newRow("separator") << QStringLiteral("a") + Sep + QStringLiteral("b") + Sep;
    QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\nthree\rfour\n");
    QTest::newRow("tabs") << QStringLiteral("\tcol\tcol");
    QTest::newRow("quotes") << QStringLiteral("say \"hi\" and 'bye'");
    QTest::newRow("backslashes") << QStringLiteral("C:\\auction\\n is not a line feed \\u0041 \\");
    QTest::newRow("slashes and markup") << QStringLiteral("1/2 </script> {\"a\": [1]}");
    QTest::newRow("non-ASCII") << QStringLiteral("Gr\u00f6\u00dfe \u2013 \u20ac5 \u65e5\u672c\u8a9e \u00e9t\u00e9");
    QTest::newRow("beyond the BMP") << QStringLiteral("\U0001F3A8 brush \U0001D11E");
    QTest::newRow("every control character") << controls;
    QTest::newRow("NUL inside") << QStringLiteral("before") + QChar(0) + QStringLiteral("after");
    QTest::newRow("line and paragraph separators") << QStringLiteral("a\u2028b\u2029c");
    QTest::newRow("byte order mark") << QStringLiteral("\ufeffstart");
    QTest::newRow("long") << QString(20000, u'\u00e9');
}

// Through the file and back, both as a store value and as a lot note; an independent JSON reader
// must see the same text.
void tst_JsonSettingsStore::textsRoundTrip()
{
    QFETCH(QString, text);
    const QString section = QStringLiteral("Texts");
    {
        JsonSettingsStore store(path());
        QVERIFY(store.Save(section, text, text));
        QVERIFY(store.Save(section, QStringLiteral("after"), text));
        AppSettings settings(store);
        settings.LotList->Add(lot(1, 2, text), 0);
        QVERIFY(settings.SaveLots());
    }
    const Pairs expected = {{text, text}, {QStringLiteral("after"), text}};
    JsonSettingsStore store(path());
    QCOMPARE(store.GetAll(section), expected);
    QCOMPARE(pairsFromJson(readAll(path()), section), expected);

    AppSettings loaded(store);
    loaded.LoadAllSettings();
    QCOMPARE(loaded.LotList->Item(1)->Note, text.section(Sep, 0, 0));
}

void tst_JsonSettingsStore::orderIsKept()
{
    const QString section = QStringLiteral("Order");
    const QStringList keys = {QStringLiteral("zeta"), QStringLiteral("alpha"), QStringLiteral(" 10"),
                              QStringLiteral(" 9"), QStringLiteral("mid")};
    {
        JsonSettingsStore store(path());
        for (const QString& key : keys)
            QVERIFY(store.Save(section, key, key));
        QVERIFY(store.Save(section, QStringLiteral("alpha"), QStringLiteral("changed"))); // keeps its place
    }
    QStringList readBack;
    QStringList values;
    for (const auto& [key, value] : JsonSettingsStore(path()).GetAll(section)) {
        readBack.append(key);
        values.append(value);
    }
    QCOMPARE(readBack, keys);
    QCOMPARE(values.at(1), QStringLiteral("changed"));
}

void tst_JsonSettingsStore::separatorInNoteCutsIt()
{
    const QString note = QStringLiteral("left") + Sep + QStringLiteral("right");
    {
        JsonSettingsStore store(path());
        AppSettings settings(store);
        settings.LotList->Add(lot(3, 40, note), 0);
        QVERIFY(settings.SaveLots());
    }
    JsonSettingsStore store(path());
    QCOMPARE(store.Get(QStringLiteral("Lots"), QStringLiteral(" 1"), {}),
             QStringLiteral(" 3") + Sep + QStringLiteral(" 40") + Sep + note);
    AppSettings settings(store);
    settings.LoadAllSettings();
    QCOMPARE(settings.LotList->Item(1)->Note, QStringLiteral("left"));
    QCOMPARE(settings.LotList->Item(1)->Amount, 40);
}

void tst_JsonSettingsStore::lotKeysRenumbered()
{
    JsonSettingsStore store(path());
    AppSettings settings(store);
    for (int n = 1; n <= 5; ++n)
        settings.LotList->Add(lot(n * 10, n, QString()), 0);
    QVERIFY(settings.SaveLots());
    settings.LotList = settings.LotList->Copy();
    settings.LotList->Remove(4);
    settings.LotList->Remove(2);
    QVERIFY(settings.SaveLots());

    const Pairs expected = {{QStringLiteral(" 1"), QStringLiteral(" 10") + Sep + QStringLiteral(" 1") + Sep},
                            {QStringLiteral(" 2"), QStringLiteral(" 30") + Sep + QStringLiteral(" 3") + Sep},
                            {QStringLiteral(" 3"), QStringLiteral(" 50") + Sep + QStringLiteral(" 5") + Sep}};
    QCOMPARE(JsonSettingsStore(path()).GetAll(QStringLiteral("Lots")), expected);
    QCOMPARE(pairsFromJson(readAll(path()), QStringLiteral("Lots")), expected);
}

void tst_JsonSettingsStore::unreadableFileKeptAside_data()
{
    QTest::addColumn<QByteArray>("bytes");

    SettingsSections sections;
    SettingsChange change;
    change.Save(QStringLiteral("ColorSettings"), QStringLiteral("FormBack"), QStringLiteral("1"));
    change.Save(QStringLiteral("Lots"), QStringLiteral(" 1"), QStringLiteral(" 5") + Sep + QStringLiteral(" 6") + Sep);
    sections.apply(change);
    const QByteArray valid = JsonSettingsStore::Serialize(sections);
    QVERIFY(JsonSettingsStore::Parse(valid).has_value());

    QByteArray garbage(10 * 1024 * 1024, '\0');
    QRandomGenerator random(20240611);
    for (char& c : garbage)
        c = static_cast<char>(random.bounded(256));

    QTest::newRow("truncated") << valid.left(valid.size() - 8);
    QTest::newRow("cut inside a string") << valid.left(valid.indexOf("FormBack") + 4);
    QTest::newRow("trailing garbage") << valid + "x";
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("FormBack=1\n");
    QTest::newRow("array at the top") << QByteArray("[]");
    QTest::newRow("no sections") << QByteArray(R"({"application": "Gavelor", "version": 1})");
    QTest::newRow("sections not an object") << QByteArray(R"({"sections": [["FormBack", "1"]]})");
    QTest::newRow("bad escape") << QByteArray(R"({"sections": {"ColorSettings": [["FormBack", "\q"]]}})");
    QTest::newRow("short unicode escape") << QByteArray(R"({"sections": {"A": [["k", "\u12"]]}})");
    QTest::newRow("leading zero number") << QByteArray(R"({"sections": {}, "version": 01})");
    QTest::newRow("bare word") << QByteArray(R"({"sections": {}, "version": one})");
    QTest::newRow("10 MB of garbage") << garbage;
    QTest::newRow("deeply nested arrays")
        << QByteArray(R"({"sections": {"Lots": )") + QByteArray(200000, '[') + QByteArray(200000, ']') + "}}";
    QTest::newRow("deeply nested objects") << QByteArray(200000, '{');
}

void tst_JsonSettingsStore::unreadableFileKeptAside()
{
    QFETCH(QByteArray, bytes);
    writeAll(path(), bytes);

    StderrCapture capture;
    auto store = std::make_unique<JsonSettingsStore>(path());
    const QStringList messages = capture.finish();

    AppSettings settings(*store);
    settings.LoadAllSettings();
    QCOMPARE(settings.FormBackColor, AppSettings::DefaultFormBackColor);
    QCOMPARE(settings.LotList->Count(), 0);

    QVERIFY(!QFile::exists(path()));
    const QStringList kept = keptUnreadableFiles(dir());
    QCOMPARE(kept.size(), 1);
    QVERIFY(readAll(kept.first()) == bytes);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QFileInfo(kept.first()).fileName()), qPrintable(messages.first()));

    QVERIFY(settings.SaveDisplaySettings());
    QVERIFY(JsonSettingsStore::Parse(readAll(path())).has_value());
    QVERIFY(readAll(kept.first()) == bytes);
}

void tst_JsonSettingsStore::unreadableNamesDoNotCollide()
{
    writeAll(path(), "first");
    {
        StderrCapture quiet;
        JsonSettingsStore store(path());
    }
    writeAll(path(), "second");
    {
        StderrCapture quiet;
        JsonSettingsStore store(path());
    }
    QStringList contents;
    for (const QString& kept : keptUnreadableFiles(dir()))
        contents.append(QString::fromLatin1(readAll(kept)));
    contents.sort();
    QCOMPARE(contents, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
}

// The file was damaged after it was read: the save keeps it aside and builds on what was read.
void tst_JsonSettingsStore::damagedBeforeSaveKeepsBoth()
{
    {
        JsonSettingsStore store(path());
        QVERIFY(store.Save(QStringLiteral("KeySettings"), QStringLiteral("NumLockForce"), QStringLiteral("2")));
    }
    JsonSettingsStore store(path());
    writeAll(path(), "{\"sections\": {\"Ke");
    StderrCapture capture;
    QVERIFY(store.Save(QStringLiteral("PicSettings"), QStringLiteral("LEDType"), QStringLiteral("1")));
    QCOMPARE(capture.finish().size(), 1);

    JsonSettingsStore reread(path());
    QCOMPARE(reread.Get(QStringLiteral("KeySettings"), QStringLiteral("NumLockForce"), {}), QStringLiteral("2"));
    QCOMPARE(reread.Get(QStringLiteral("PicSettings"), QStringLiteral("LEDType"), {}), QStringLiteral("1"));
    const QStringList kept = keptUnreadableFiles(dir());
    QCOMPARE(kept.size(), 1);
    QCOMPARE(readAll(kept.first()), QByteArray("{\"sections\": {\"Ke"));
}

// A readable document with entries of the wrong type: those entries are skipped, the rest is used,
// and the file stays where it is.
void tst_JsonSettingsStore::wrongTypesSkipped()
{
    const QByteArray bytes = R"({"application": "Gavelor", "version": 1,
        "sections": {
            "ColorSettings": [["FormBack", 255], ["Text", "255"], ["LEDBack"], ["LEDLot", "1", "2"],
                              "LEDAmount", [null, "5"], ["LEDAmount", "65280"]],
            "KeySettings": {"NumLockForce": "1"},
            "PicSettings": "1",
            "Lots": [[" 1", " 12\u0005 150\u0005Oak"], [" 2", 5], [" 3", " 9\u0005 1\u0005c"], []],
            "Extra": [[true, false], {"a": [1, 2.5e3, -0, null, -1.5E-7]}]
        },
        "unknown": {"deep": [1, 2, {"x": "y"}]}})";
    writeAll(path(), bytes);
    StderrCapture capture;
    JsonSettingsStore store(path());
    AppSettings settings(store);
    settings.LoadAllSettings();
    QCOMPARE(capture.finish(), QStringList());

    QCOMPARE(settings.FormBackColor, AppSettings::DefaultFormBackColor);
    QCOMPARE(settings.TextColor, 255);
    QCOMPARE(settings.LEDBackColor, AppSettings::DefaultLEDBackColor);
    QCOMPARE(settings.LEDLotColor, AppSettings::DefaultLEDLotColor);
    QCOMPARE(settings.LEDAmountColor, 65280);
    QCOMPARE(settings.NumLockMode, 0);
    QCOMPARE(settings.LEDTypeIndex, qint16(0));
    QCOMPARE(settings.LotList->Count(), 2);
    QCOMPARE(settings.LotList->Item(1)->Note, QStringLiteral("Oak"));
    QCOMPARE(settings.LotList->Item(2)->LotNumber, 9);
    QCOMPARE(readAll(path()), bytes);
    QVERIFY(keptUnreadableFiles(dir()).isEmpty());
}

void tst_JsonSettingsStore::readInPartKeptBeforeSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("kept");

    auto document = [](const QByteArray& sections,
                       const QByteArray& head = R"("application": "Gavelor", "version": 1)") {
        return "{" + head + R"(, "sections": {)" + sections + "}}";
    };
    const QByteArray lot1 = R"([" 1", " 5\u0005 6\u0005Oak"])";
    QTest::newRow("text given as a number")
        << document(R"("ColorSettings": [["Text", 16777215], ["LEDLot", "9"]])") << true;
    QTest::newRow("lot given as a number") << document(R"("Lots": [)" + lot1 + R"(, [" 4", 123]])") << true;
    QTest::newRow("section not a list") << document(R"("KeySettings": {"NumLockForce": "1"}, "Lots": [)" + lot1 + "]")
                                        << true;
    QTest::newRow("another application") << document(R"("Lots": [)" + lot1 + "]",
                                                     R"("application": "Hammer", "version": 1)")
                                         << true;
    QTest::newRow("newer version") << document(R"("Lots": [)" + lot1 + "]", R"("application": "Gavelor", "version": 2)")
                                   << true;
    QTest::newRow("bytes that are not UTF-8")
        << document("\"Lots\": [[\" 1\", \" 5\\u0005 6\\u0005caf\xe9\"]]") << true;
    QTest::newRow("member of another program")
        << document(R"("Lots": [)" + lot1 + "]", R"("application": "Gavelor", "version": 1, "comment": "mine")")
        << true;
    QTest::newRow("colour out of range") << document(R"("ColorSettings": [["Text", "1e400"]])") << true;
    QTest::newRow("NumLock mode not whole") << document(R"("KeySettings": [["NumLockForce", "1x"]])") << true;
    QTest::newRow("increment out of range")
        << document(R"("Increments": [[" 0", " 5"], [" 100", " 99999999999"]])") << true;
    QTest::newRow("increments of one minimum") << document(R"("Increments": [[" 0", " 5"], ["0", " 7"]])") << true;
    QTest::newRow("lot with two fields") << document(R"("Lots": [[" 1", " 5\u0005 6"]])") << true;
    QTest::newRow("lot number not a number") << document(R"("Lots": [[" 1", "five\u0005 6\u0005Oak"]])") << true;

    QTest::newRow("as this program writes it") << document(R"("Lots": [)" + lot1 + "]") << false;
    QTest::newRow("escapes and blanks") << QByteArray(
                                               "\xEF\xBB\xBF { \"version\" : 1.0 , \"sections\" : { \"Lots\" : [ [ "
                                               "\" 1\" , \" 5\\u0005 6\\u0005\\u00e9\\/\\ud83c\\udfa8\" ] ] } }\n")
                                        << false;
}

// A file from which the reader had to drop or change anything is kept, byte for byte, before the
// first save writes over it, and only then; a file read whole is never copied.
void tst_JsonSettingsStore::readInPartKeptBeforeSave()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, kept);
    writeAll(path(), bytes);
    JsonSettingsStore store(path());
    AppSettings settings(store);
    settings.LoadAllSettings();
    QVERIFY(keptFiles(dir(), QStringLiteral("invalid")).isEmpty()); // reading alone keeps nothing

    StderrCapture capture;
    QVERIFY(settings.SaveDisplaySettings());
    QVERIFY(settings.SaveLots());
    QVERIFY(JsonSettingsStore(path()).Save(QStringLiteral("Extra"), QStringLiteral("k"), QStringLiteral("v")));
    const QStringList messages = capture.finish();

    const QStringList copies = keptFiles(dir(), QStringLiteral("invalid"));
    QCOMPARE(copies.size(), kept ? 1 : 0);
    QCOMPARE(messages.size(), kept ? 1 : 0);
    if (kept) {
        QVERIFY(readAll(copies.first()) == bytes);
        QVERIFY2(messages.first().contains(QFileInfo(copies.first()).fileName()), qPrintable(messages.first()));
    }
    bool whole = false;
    QVERIFY(JsonSettingsStore::Parse(readAll(path()), &whole));
    QVERIFY(whole);
}

namespace {
enum class SaveSituation
{
    ReadOnlyFolder,
    DiskFull,
    FewKilobytesFree,
    LockHeldByLiveCopy,
    LockLeftByKilledCopy
};
} // namespace

void tst_JsonSettingsStore::saveFailureNamesCause_data()
{
    QTest::addColumn<SaveSituation>("situation");
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only folder") << SaveSituation::ReadOnlyFolder << QStringLiteral("Permission denied");
    QTest::newRow("full disk, no byte free") << SaveSituation::DiskFull << QStringLiteral("No space left on device");
    QTest::newRow("full disk, a few kilobytes free")
        << SaveSituation::FewKilobytesFree << QStringLiteral("No space left on device");
    QTest::newRow("lock held by a live copy")
        << SaveSituation::LockHeldByLiveCopy << QStringLiteral("locked by another running copy");
    QTest::newRow("lock left by a killed copy") << SaveSituation::LockLeftByKilledCopy << QString();
}

// A copy of this program saves once in the situation; it must name the failing call's own cause,
// both as the store's error and on standard error, or save when nothing stands in the way.
void tst_JsonSettingsStore::saveFailureNamesCause()
{
    QFETCH(SaveSituation, situation);
    QFETCH(QString, cause);
    writeAll(path(), R"({"sections": {}})");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(SaveOnceVariable), path());
    const bool root = ::geteuid() == 0;
    QStringList command = {QCoreApplication::applicationFilePath()};
    QProcess holder;
    switch (situation) {
    case SaveSituation::ReadOnlyFolder:
        QVERIFY(QFile::setPermissions(dir(), QFile::ReadOwner | QFile::ExeOwner));
        // Root passes every permission check; in a user namespace of its own it is only the owner.
        if (root)
            command.prepend(QStringLiteral("-U"));
        break;
    case SaveSituation::DiskFull:
    case SaveSituation::FewKilobytesFree:
        environment.insert(QLatin1String(TmpfsVariable),
                           situation == SaveSituation::DiskFull ? QStringLiteral("0") : QStringLiteral("8192"));
        command.prepend(root ? QStringLiteral("-m") : QStringLiteral("-rm"));
        break;
    case SaveSituation::LockHeldByLiveCopy:
    case SaveSituation::LockLeftByKilledCopy: {
        QProcessEnvironment holding = QProcessEnvironment::systemEnvironment();
        holding.insert(QLatin1String(HoldLockVariable), path());
        holder.setProcessEnvironment(holding);
        holder.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(holder.waitForStarted());
        while (!holder.readAllStandardOutput().contains("held"))
            QVERIFY2(holder.waitForReadyRead(30000), "the holding copy did not take the lock");
        if (situation == SaveSituation::LockLeftByKilledCopy) {
            holder.kill();
            QVERIFY(holder.waitForFinished(10000));
            QVERIFY(QFile::exists(path() + QStringLiteral(".lock")));
        }
        break;
    }
    }
    const bool wrapped = command.first().startsWith(QLatin1Char('-'));

    QProcess saver;
    saver.setProcessEnvironment(environment);
    saver.start(wrapped ? QStringLiteral("unshare") : command.takeFirst(), command);
    const bool finished = saver.waitForFinished(60000);
    QFile::setPermissions(dir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    holder.kill();
    holder.waitForFinished(10000);
    const QString out = QString::fromUtf8(saver.readAllStandardOutput()).trimmed();
    const QString err = QString::fromUtf8(saver.readAllStandardError()).trimmed();
    if (wrapped && (saver.error() == QProcess::FailedToStart || err.startsWith(QLatin1String("unshare:"))))
        QSKIP(qPrintable(QStringLiteral("no namespace of its own for the saving copy here: %1").arg(err)));
    if (saver.exitCode() == CannotMount)
        QSKIP(qPrintable(out));
    QVERIFY(finished);
    QCOMPARE(out, (QStringLiteral("cause: ") + cause).trimmed());
    QCOMPARE(saver.exitCode(), cause.isEmpty() ? 0 : 1);
    if (!cause.isEmpty()) {
        QCOMPARE(err.count(QLatin1Char('\n')), 0);
        QVERIFY2(err.contains(cause), qPrintable(err));
    }
}

void tst_JsonSettingsStore::relativeConfigHomeIgnored_data()
{
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QString>("expected");
    const QString home = QDir::homePath() + QStringLiteral("/.config/Gavelor/settings.json");
    QTest::newRow("absolute") << QByteArray("/srv/cfg") << QStringLiteral("/srv/cfg/Gavelor/settings.json");
    QTest::newRow("relative") << QByteArray("cfg") << home;
    QTest::newRow("dot relative") << QByteArray("./cfg") << home;
}

void tst_JsonSettingsStore::relativeConfigHomeIgnored()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QString, expected);
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configHome);
    const QString path = JsonSettingsStore::DefaultFilePath();
    qputenv("XDG_CONFIG_HOME", before);
    QCOMPARE(path, expected);
}

void tst_JsonSettingsStore::leftoverTemporariesRemoved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::newRow("left by a killed save") << QStringLiteral("settings.json.QbXkTr") << true;
    QTest::newRow("five letters") << QStringLiteral("settings.json.QbXkT") << false;
    QTest::newRow("with a digit") << QStringLiteral("settings.json.QbX1Tr") << false;
    QTest::newRow("of another file") << QStringLiteral("options.json.QbXkTr") << false;
    QTest::newRow("a kept copy") << QStringLiteral("settings.json.invalid-20240611-120000") << false;
}

void tst_JsonSettingsStore::leftoverTemporariesRemoved()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    JsonSettingsStore store(path());
    QVERIFY(store.Save(QStringLiteral("KeySettings"), QStringLiteral("NumLockForce"), QStringLiteral("1")));
    writeAll(dir() + QLatin1Char('/') + name, R"({"application": "Gavelor", "vers)");
    QVERIFY(store.Save(QStringLiteral("KeySettings"), QStringLiteral("NumLockForce"), QStringLiteral("2")));
    QCOMPARE(QFile::exists(dir() + QLatin1Char('/') + name), !removed);
    QCOMPARE(JsonSettingsStore(path()).Get(QStringLiteral("KeySettings"), QStringLiteral("NumLockForce"), {}),
             QStringLiteral("2"));

    // At the next start too, before any save; but not while another copy's save holds the lock.
    const QString leftover = dir() + QLatin1Char('/') + name;
    writeAll(leftover, R"({"application": "Gavelor", "vers)");
    {
        QLockFile saving(path() + QStringLiteral(".lock"));
        QVERIFY(saving.lock());
        JsonSettingsStore during(path());
        QVERIFY(QFile::exists(leftover));
    }
    JsonSettingsStore next(path());
    QCOMPARE(QFile::exists(leftover), !removed);
}

// Two running copies: each save re-reads the file and replaces only what it writes.
void tst_JsonSettingsStore::twoStoresKeepEachOthersWork()
{
    JsonSettingsStore first(path());
    JsonSettingsStore second(path());
    AppSettings a(first);
    AppSettings b(second);
    a.LoadAllSettings();
    b.LoadAllSettings();

    a.LotList->Add(lot(12, 150, QStringLiteral("Oak chest")), 0);
    QVERIFY(a.SaveLots());
    auto row = std::make_shared<IncrementInfo>();
    row->Minimum = 100;
    row->Amount = 10;
    b.IncrementList->Add(row);
    QVERIFY(b.SaveIncrements());
    a.NumLockMode = 2;
    QVERIFY(a.SaveDisplaySettings());
    QVERIFY(second.Save(QStringLiteral("Extra"), QStringLiteral("from second"), QStringLiteral("b")));
    QVERIFY(first.Save(QStringLiteral("Extra"), QStringLiteral("from first"), QStringLiteral("a")));

    QCOMPARE(second.GetAll(QStringLiteral("Lots")).size(), 1); // the second copy saw the first's lots

    JsonSettingsStore reread(path());
    AppSettings c(reread);
    c.LoadAllSettings();
    QCOMPARE(c.LotList->Count(), 1);
    QCOMPARE(c.LotList->Item(1)->Note, QStringLiteral("Oak chest"));
    QCOMPARE(c.IncrementList->Count(), 1);
    QCOMPARE(c.IncrementList->Item(1)->Amount, 10);
    QCOMPARE(c.NumLockMode, 2);
    const Pairs extra = {{QStringLiteral("from second"), QStringLiteral("b")},
                         {QStringLiteral("from first"), QStringLiteral("a")}};
    QCOMPARE(reread.GetAll(QStringLiteral("Extra")), extra);
}

void tst_JsonSettingsStore::unwritableLocationFails()
{
    writeAll(m_dir->path() + QStringLiteral("/plain-file"), "not a directory");
    const QString file = m_dir->path() + QStringLiteral("/plain-file/Gavelor/settings.json");
    JsonSettingsStore store(file);
    StderrCapture capture;
    QVERIFY(!store.Save(QStringLiteral("KeySettings"), QStringLiteral("NumLockForce"), QStringLiteral("1")));
    QCOMPARE(capture.finish().size(), 1);
    // The running program still sees what it tried to save.
    QCOMPARE(store.Get(QStringLiteral("KeySettings"), QStringLiteral("NumLockForce"), {}), QStringLiteral("1"));
}

// Copies of this program save two 10,000-lot lists in turn and are killed at random moments; the
// file must then hold exactly one of the lists, and what else it held.
void tst_JsonSettingsStore::killedSaveLeavesOldOrNew()
{
    {
        JsonSettingsStore store(path());
        AppSettings settings(store);
        settings.NumLockMode = 2;
        QVERIFY(settings.SaveDisplaySettings());
    }
    const LotCollectionPtr lists[2] = {crashLots(0), crashLots(1)};
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("random seed %u", seed);
    QRandomGenerator random(seed);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(SaveLoopVariable), path());

    int seen[2] = {0, 0};
    qint64 saveMs = 0; // how long one save takes here, learnt from the first round
    for (int round = 0; round < CrashRounds; ++round) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        // Past start-up once the first save is reported; then kill it somewhere in the next saves.
        QElapsedTimer timer;
        timer.start();
        while (!child.readAllStandardOutput().contains("saved") && timer.elapsed() < 30000)
            QVERIFY2(child.waitForReadyRead(30000), "the saving copy reported nothing");
        if (round == 0) {
            timer.restart();
            while (!child.readAllStandardOutput().contains("saved") && timer.elapsed() < 30000)
                QVERIFY(child.waitForReadyRead(30000));
            saveMs = std::max<qint64>(timer.elapsed(), 1);
        }
        QTest::qSleep(static_cast<int>(random.bounded(static_cast<quint32>(3 * saveMs))));
        child.kill();
        QVERIFY(child.waitForFinished(10000));

        const QByteArray bytes = readAll(path());
        QJsonParseError error;
        QJsonDocument::fromJson(bytes, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        JsonSettingsStore store(path());
        AppSettings settings(store);
        settings.LoadAllSettings();
        QCOMPARE(settings.NumLockMode, 2);
        const int variant = sameLots(*settings.LotList, *lists[0]) ? 0 : 1;
        QVERIFY2(sameLots(*settings.LotList, *lists[variant]), qPrintable(QStringLiteral("round %1").arg(round)));
        ++seen[variant];
    }
    QVERIFY(keptUnreadableFiles(dir()).isEmpty());
    // Kills landed both after even and after odd numbers of saves, so both lists were met.
    QVERIFY(seen[0] > 0 && seen[1] > 0);
}

int main(int argc, char* argv[])
{
    if (const QByteArray file = qgetenv(SaveLoopVariable); !file.isEmpty())
        return runSaveLoop(QFile::decodeName(file), argc, argv);
    if (const QByteArray file = qgetenv(SaveOnceVariable); !file.isEmpty())
        return runSaveOnce(QFile::decodeName(file), argc, argv);
    if (const QByteArray file = qgetenv(HoldLockVariable); !file.isEmpty())
        return runHoldLock(QFile::decodeName(file), argc, argv);
    QCoreApplication app(argc, argv);
    tst_JsonSettingsStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_jsonsettingsstore.moc"
