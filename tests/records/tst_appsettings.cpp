#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"
#include "records/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Pairs = SettingsPairs;

namespace {

const QChar Sep = AppSettings::LotFieldSeparator;

QString record(const QString& number, const QString& amount, const QString& note)
{
    return number + Sep + amount + Sep + note;
}

void fill(SettingsStore& store, const QString& section, const Pairs& pairs)
{
    SettingsChange change;
    for (const auto& [key, value] : pairs)
        change.Save(section, key, value);
    store.Commit(change);
}

LotInfoPtr lot(qint32 number, qint32 amount, const QString& note = {})
{
    auto result = std::make_shared<LotInfo>();
    result->LotNumber = number;
    result->Amount = amount;
    result->Note = note;
    return result;
}

QList<QList<int>> incrementRows(const IncrementCollection& table)
{
    QList<QList<int>> rows;
    for (const IncrementInfoPtr& row : table)
        rows.append({row->Minimum, row->Amount});
    return rows;
}

} // namespace

class tst_AppSettings : public QObject
{
    Q_OBJECT

private slots:
    void emptyStoreGivesDefaults();
    void displayValues_data();
    void displayValues();
    void displaySettingsRoundTrip();
    void regionValues_data();
    void regionValues();
    void regionSaved_data();
    void regionSaved();
    void stampColors_data();
    void stampColors();
    void amountTexts_data();
    void amountTexts();
    void incrementsLoad_data();
    void incrementsLoad();
    void saveIncrementsReplacesSection();
    void lotRecords_data();
    void lotRecords();
    void lotsKeepStoredOrder();
    void shortRecordKeepsItsPlace();
    void savedLotRecords_data();
    void savedLotRecords();
    void loadReplacesTheLists();
    void eachSaveIsOneCommit();
    void lotExtrasLoad_data();
    void lotExtrasLoad();
    void lotExtrasRoundTrip();
    void listWithoutExtrasWritesTheSameFile();
};

void tst_AppSettings::emptyStoreGivesDefaults()
{
    MemorySettingsStore store;
    AppSettings settings(store);
    settings.FormBackColor = 1; // proves the load sets every value
    settings.NumLockMode = 2;
    settings.LEDTypeIndex = 1;
    settings.LotList->Add(lot(1, 1), 0);
    settings.LoadAllSettings();
    QCOMPARE(settings.FormBackColor, 4210752);
    QCOMPARE(settings.LEDBackColor, 0);
    QCOMPARE(settings.TextColor, 16777215);
    QCOMPARE(settings.LEDLotColor, 33023);
    QCOMPARE(settings.LEDAmountColor, 49152);
    QCOMPARE(settings.NumLockMode, 0);
    QCOMPARE(settings.LEDTypeIndex, qint16(0));
    QCOMPARE(settings.LotList->Count(), 0);
    QCOMPARE(settings.IncrementList->Count(), 0);
}

// Unreadable stored texts take the default of their value; readable ones are rounded halves to even.
void tst_AppSettings::displayValues_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    const QString colors = QStringLiteral("ColorSettings");
    const QString keys = QStringLiteral("KeySettings");
    const QString pic = QStringLiteral("PicSettings");
    QTest::newRow("colour") << colors << QStringLiteral("FormBack") << QStringLiteral("255") << 255;
    QTest::newRow("colour with blanks") << colors << QStringLiteral("LEDBack") << QStringLiteral(" 255 ") << 255;
    QTest::newRow("colour white") << colors << QStringLiteral("Text") << QStringLiteral("16777215") << 16777215;
    QTest::newRow("colour fraction") << colors << QStringLiteral("LEDLot") << QStringLiteral("254.5") << 254;
    QTest::newRow("colour not a number") << colors << QStringLiteral("FormBack") << QStringLiteral("grey") << 4210752;
    QTest::newRow("colour empty") << colors << QStringLiteral("LEDAmount") << QString() << 49152;
    QTest::newRow("colour negative") << colors << QStringLiteral("LEDLot") << QStringLiteral("-1") << 33023;
    QTest::newRow("colour past 24 bits") << colors << QStringLiteral("LEDLot") << QStringLiteral("16777216") << 33023;
    QTest::newRow("colour past 32 bits") << colors << QStringLiteral("LEDBack") << QStringLiteral("4294967296") << 0;
    QTest::newRow("NumLock on") << keys << QStringLiteral("NumLockForce") << QStringLiteral("1") << 1;
    QTest::newRow("NumLock fraction") << keys << QStringLiteral("NumLockForce") << QStringLiteral("1.5") << 2;
    QTest::newRow("NumLock not a number") << keys << QStringLiteral("NumLockForce") << QStringLiteral("on") << 0;
    QTest::newRow("NumLock past 32 bits") << keys << QStringLiteral("NumLockForce") << QStringLiteral("1e10") << 0;
    QTest::newRow("LEDType dots") << pic << QStringLiteral("LEDType") << QStringLiteral("1") << 1;
    QTest::newRow("LEDType 1.5 to even") << pic << QStringLiteral("LEDType") << QStringLiteral("1.5") << 2;
    QTest::newRow("LEDType 2.5 to even") << pic << QStringLiteral("LEDType") << QStringLiteral("2.5") << 2;
    QTest::newRow("LEDType past 16 bits") << pic << QStringLiteral("LEDType") << QStringLiteral("40000") << 0;
    QTest::newRow("LEDType below 16 bits") << pic << QStringLiteral("LEDType") << QStringLiteral("-32769") << 0;
    QTest::newRow("LEDType 16-bit bottom") << pic << QStringLiteral("LEDType") << QStringLiteral("-32768") << -32768;
}

void tst_AppSettings::displayValues()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(int, expected);
    MemorySettingsStore store;
    store.Save(section, key, text);
    AppSettings settings(store);
    settings.LoadAllSettings();
    const QHash<QString, int> values = {
        {QStringLiteral("FormBack"), settings.FormBackColor},   {QStringLiteral("LEDBack"), settings.LEDBackColor},
        {QStringLiteral("Text"), settings.TextColor},           {QStringLiteral("LEDLot"), settings.LEDLotColor},
        {QStringLiteral("LEDAmount"), settings.LEDAmountColor}, {QStringLiteral("NumLockForce"), settings.NumLockMode},
        {QStringLiteral("LEDType"), settings.LEDTypeIndex},
    };
    QCOMPARE(values.value(key), expected);
}

void tst_AppSettings::displaySettingsRoundTrip()
{
    MemorySettingsStore store;
    AppSettings saved(store);
    saved.FormBackColor = 1;
    saved.LEDBackColor = 2;
    saved.TextColor = 16777215;
    saved.LEDLotColor = 0;
    saved.LEDAmountColor = 65536;
    saved.NumLockMode = 2;
    saved.LEDTypeIndex = 1;
    QVERIFY(saved.SaveDisplaySettings());
    QCOMPARE(store.Get(QStringLiteral("PicSettings"), QStringLiteral("LEDType"), {}), QStringLiteral("1"));

    AppSettings loaded(store);
    loaded.LoadAllSettings();
    QCOMPARE(loaded.FormBackColor, 1);
    QCOMPARE(loaded.LEDBackColor, 2);
    QCOMPARE(loaded.TextColor, 16777215);
    QCOMPARE(loaded.LEDLotColor, 0);
    QCOMPARE(loaded.LEDAmountColor, 65536);
    QCOMPARE(loaded.NumLockMode, 2);
    QCOMPARE(loaded.LEDTypeIndex, qint16(1));
}

// A sign or separator the board cannot show reads as the default.
void tst_AppSettings::regionValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString sign = QStringLiteral("Currency");
    const QString group = QStringLiteral("Grouping");
    QTest::newRow("euro") << sign << QStringLiteral("\u20AC") << QStringLiteral("\u20AC");
    QTest::newRow("three letters") << sign << QStringLiteral("CHF") << QStringLiteral("CHF");
    QTest::newRow("four letters") << sign << QStringLiteral("EURO") << QStringLiteral("$");
    QTest::newRow("empty sign") << sign << QString() << QStringLiteral("$");
    QTest::newRow("line break in sign") << sign << QStringLiteral("a\nb") << QStringLiteral("$");
    QTest::newRow("point") << group << QStringLiteral(".") << QStringLiteral(".");
    QTest::newRow("narrow space") << group << QStringLiteral("\u202F") << QStringLiteral("\u202F");
    QTest::newRow("none") << group << QString() << QString();
    QTest::newRow("semicolon") << group << QStringLiteral(";") << QStringLiteral(",");
}

void tst_AppSettings::regionValues()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    MemorySettingsStore store;
    store.Save(QStringLiteral("RegionSettings"), key, text);
    AppSettings settings(store);
    settings.LoadAllSettings();
    QCOMPARE(key == QStringLiteral("Currency") ? settings.Currency : settings.Grouping, expected);
}

// The section is written once a sale has chosen its own sign or separator, and read back as saved.
void tst_AppSettings::regionSaved_data()
{
    QTest::addColumn<bool>("sectionBefore");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("grouping");
    QTest::addColumn<int>("storedKeys");
    QTest::newRow("defaults, never chosen") << false << QStringLiteral("$") << QStringLiteral(",") << 0;
    QTest::newRow("defaults chosen again") << true << QStringLiteral("$") << QStringLiteral(",") << 2;
    QTest::newRow("euro and point") << false << QStringLiteral("\u20AC") << QStringLiteral(".") << 2;
    QTest::newRow("francs, no grouping") << false << QStringLiteral("CHF") << QString() << 2;
}

void tst_AppSettings::regionSaved()
{
    QFETCH(bool, sectionBefore);
    QFETCH(QString, currency);
    QFETCH(QString, grouping);
    QFETCH(int, storedKeys);
    MemorySettingsStore store;
    if (sectionBefore)
        store.Save(QStringLiteral("RegionSettings"), QStringLiteral("Currency"), QStringLiteral("kr"));
    AppSettings saved(store);
    saved.Currency = currency;
    saved.Grouping = grouping;
    QVERIFY(saved.SaveDisplaySettings());
    QCOMPARE(store.GetAll(QStringLiteral("RegionSettings")).size(), storedKeys);
    AppSettings loaded(store);
    loaded.LoadAllSettings();
    QCOMPARE(loaded.Money(), saved.Money());
}

// The stamp's colours are stored once chosen, and leave the file when set back to their defaults:
// "SOLD" then follows the lot colour again.
void tst_AppSettings::stampColors_data()
{
    using Colour = std::optional<qint32>;
    QTest::addColumn<QString>("storedBefore");
    QTest::addColumn<Colour>("sold");
    QTest::addColumn<Colour>("passed");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("shownSold");
    QTest::addColumn<int>("shownPassed");
    const int lot = 0x123456;
    const int grey = AppSettings::DefaultPassedColor;
    QTest::newRow("never chosen") << QString() << Colour() << Colour() << QStringList() << lot << grey;
    QTest::newRow("sold chosen") << QString() << Colour(255) << Colour() << QStringList{u"Sold=255"_qs} << 255 << grey;
    QTest::newRow("passed chosen") << QString() << Colour() << Colour(0) << QStringList{u"Passed=0"_qs} << lot << 0;
    QTest::newRow("set back to the defaults") << u"Sold"_qs << Colour() << Colour() << QStringList() << lot << grey;
}

void tst_AppSettings::stampColors()
{
    using Colour = std::optional<qint32>;
    QFETCH(QString, storedBefore);
    QFETCH(Colour, sold);
    QFETCH(Colour, passed);
    QFETCH(QStringList, stored);
    QFETCH(int, shownSold);
    QFETCH(int, shownPassed);
    MemorySettingsStore store;
    if (!storedBefore.isEmpty())
        store.Save(u"StampColors"_qs, storedBefore, u"65280"_qs);
    AppSettings saved(store);
    saved.LEDLotColor = 0x123456;
    saved.SoldColor = sold;
    saved.PassedColor = passed;
    QVERIFY(saved.SaveDisplaySettings());
    QStringList pairs;
    for (const SettingsPair& pair : store.GetAll(u"StampColors"_qs))
        pairs << pair.first + u'=' + pair.second;
    QCOMPARE(pairs, stored);
    AppSettings loaded(store);
    loaded.LoadAllSettings();
    QCOMPARE(loaded.SoldColor, sold);
    QCOMPARE(loaded.PassedColor, passed);
    QCOMPARE(loaded.ShownSoldColor(), shownSold);
    QCOMPARE(loaded.ShownPassedColor(), shownPassed);
}

void tst_AppSettings::amountTexts_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("grouping");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("dollars") << QStringLiteral("$") << QStringLiteral(",") << qint64(12050)
                             << QStringLiteral("$12,050");
    QTest::newRow("millions") << QStringLiteral("$") << QStringLiteral(",") << qint64(1234567)
                              << QStringLiteral("$1,234,567");
    QTest::newRow("negative") << QStringLiteral("$") << QStringLiteral(",") << qint64(-123456)
                              << QStringLiteral("$-123,456");
    QTest::newRow("euros") << QStringLiteral("\u20AC") << QStringLiteral(".") << qint64(12050)
                           << QStringLiteral("\u20AC12.050");
    QTest::newRow("francs") << QStringLiteral("CHF") << QStringLiteral("'") << qint64(1250)
                            << QStringLiteral("CHF1'250");
    QTest::newRow("no grouping") << QStringLiteral("kr") << QString() << qint64(1000000) << QStringLiteral("kr1000000");
}

void tst_AppSettings::amountTexts()
{
    QFETCH(QString, currency);
    QFETCH(QString, grouping);
    QFETCH(qint64, amount);
    QFETCH(QString, expected);
    QCOMPARE((MoneyFormat{currency, grouping}.Text(amount)), expected);
}

void tst_AppSettings::incrementsLoad_data()
{
    QTest::addColumn<Pairs>("stored");
    QTest::addColumn<QList<QList<int>>>("table");

    const QList<QList<int>> ascending = {{0, 5}, {100, 10}, {1000, 50}};
    auto p = [](const char* key, const char* value) {
        return SettingsPair(QLatin1String(key), QLatin1String(value));
    };
    QTest::newRow("ascending") << Pairs{p(" 0", " 5"), p(" 100", " 10"), p(" 1000", " 50")} << ascending;
    QTest::newRow("descending") << Pairs{p(" 1000", " 50"), p(" 100", " 10"), p(" 0", " 5")} << ascending;
    QTest::newRow("shuffled") << Pairs{p(" 100", " 10"), p(" 1000", " 50"), p(" 0", " 5")} << ascending;
    QTest::newRow("same minimum, blank first wins")
        << Pairs{p(" 5", " 10"), p("5", " 20")} << QList<QList<int>>{{5, 10}};
    QTest::newRow("same minimum, plain first wins")
        << Pairs{p("5", " 20"), p(" 5", " 10")} << QList<QList<int>>{{5, 20}};
    QTest::newRow("fraction rounds onto a minimum")
        << Pairs{p(" 100", " 10"), p("100.4", " 99")} << QList<QList<int>>{{100, 10}};
    QTest::newRow("negative kept") << Pairs{p("-5", " 1")} << QList<QList<int>>{{-5, 1}};
    QTest::newRow("unreadable minimum skipped")
        << Pairs{p("abc", " 5"), p(" 100", " 10")} << QList<QList<int>>{{100, 10}};
    QTest::newRow("unreadable amount skipped")
        << Pairs{p(" 0", "five"), p(" 100", " 10")} << QList<QList<int>>{{100, 10}};
    QTest::newRow("minimum past 32 bits skipped") << Pairs{p(" 3000000000", " 5")} << QList<QList<int>>{};
}

void tst_AppSettings::incrementsLoad()
{
    QFETCH(Pairs, stored);
    QFETCH(QList<QList<int>>, table);
    MemorySettingsStore store;
    fill(store, QStringLiteral("Increments"), stored);
    AppSettings settings(store);
    settings.LoadAllSettings();
    QCOMPARE(incrementRows(*settings.IncrementList), table);
}

void tst_AppSettings::saveIncrementsReplacesSection()
{
    MemorySettingsStore store;
    fill(store, QStringLiteral("Increments"),
         {{QStringLiteral(" 0"), QStringLiteral(" 1")}, {QStringLiteral(" 7"), QStringLiteral(" 1")}});
    AppSettings settings(store);
    settings.LoadAllSettings();
    settings.IncrementList = std::make_shared<IncrementCollection>();
    for (auto [minimum, amount] : {std::pair{1000, 50}, {0, 5}, {100, 10}}) {
        auto row = std::make_shared<IncrementInfo>();
        row->Minimum = minimum;
        row->Amount = amount;
        settings.IncrementList->Add(row);
    }
    QVERIFY(settings.SaveIncrements());
    const Pairs expected = {{QStringLiteral(" 0"), QStringLiteral(" 5")},
                            {QStringLiteral(" 100"), QStringLiteral(" 10")},
                            {QStringLiteral(" 1000"), QStringLiteral(" 50")}};
    QCOMPARE(store.GetAll(QStringLiteral("Increments")), expected);
}

void tst_AppSettings::lotRecords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("amount");
    QTest::addColumn<QString>("note");

    QTest::newRow("as written") << record(QStringLiteral(" 12"), QStringLiteral(" 150"), QStringLiteral("Oak chest"))
                                << 12 << 150 << QStringLiteral("Oak chest");
    QTest::newRow("empty note") << record(QStringLiteral(" 7"), QStringLiteral(" 0"), QString()) << 7 << 0 << QString();
    QTest::newRow("note with line breaks and blanks")
        << record(QStringLiteral(" 1"), QStringLiteral(" 2"), QStringLiteral("  Pair of\r\nchairs  ")) << 1 << 2
        << QStringLiteral("  Pair of\r\nchairs  ");
    QTest::newRow("separator in note cuts it")
        << record(QStringLiteral(" 3"), QStringLiteral(" 4"), QStringLiteral("left") + Sep + QStringLiteral("right"))
        << 3 << 4 << QStringLiteral("left");
    QTest::newRow("lenient numbers") << record(QStringLiteral(" 1 2\t"), QStringLiteral("2.5 dollars"), QString()) << 12
                                     << 2 << QString();
    QTest::newRow("numbers that are not")
        << record(QStringLiteral("lot"), QStringLiteral("-"), QStringLiteral("x")) << 0 << 0 << QStringLiteral("x");
    QTest::newRow("negative numbers") << record(QStringLiteral("-5"), QStringLiteral("-1"), QString()) << -5 << -1
                                      << QString();
    QTest::newRow("two fields") << QStringLiteral(" 12") + Sep + QStringLiteral(" 150") << 0 << 0 << QString();
    QTest::newRow("one field") << QStringLiteral(" 12") << 0 << 0 << QString();
    QTest::newRow("empty") << QString() << 0 << 0 << QString();
}

void tst_AppSettings::lotRecords()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(int, amount);
    QFETCH(QString, note);
    MemorySettingsStore store;
    fill(store, QStringLiteral("Lots"), {{QStringLiteral(" 1"), text}});
    AppSettings settings(store);
    settings.LoadAllSettings();
    QCOMPARE(settings.LotList->Count(), 1);
    const LotInfoPtr loaded = settings.LotList->Item(1);
    QCOMPARE(loaded->LotNumber, number);
    QCOMPARE(loaded->Amount, amount);
    QCOMPARE(loaded->Note, note);
}

void tst_AppSettings::lotsKeepStoredOrder()
{
    MemorySettingsStore store;
    // Keys are not read: the order is the stored one, not the keys' or the lot numbers'.
    fill(store, QStringLiteral("Lots"),
         {{QStringLiteral(" 3"), record(QStringLiteral(" 7"), QStringLiteral(" 0"), QString())},
          {QStringLiteral(" 1"), record(QStringLiteral(" 3"), QStringLiteral(" 0"), QString())},
          {QStringLiteral(" 2"), record(QStringLiteral(" 5"), QStringLiteral(" 0"), QString())}});
    AppSettings settings(store);
    settings.LoadAllSettings();
    QList<int> numbers;
    for (const LotInfoPtr& loaded : *settings.LotList)
        numbers.append(loaded->LotNumber);
    QCOMPARE(numbers, (QList<int>{7, 3, 5}));
}

void tst_AppSettings::shortRecordKeepsItsPlace()
{
    MemorySettingsStore store;
    fill(store, QStringLiteral("Lots"),
         {{QStringLiteral(" 1"), record(QStringLiteral(" 7"), QStringLiteral(" 10"), QStringLiteral("a"))},
          {QStringLiteral(" 2"), QStringLiteral(" 8") + Sep + QStringLiteral(" 20")},
          {QStringLiteral(" 3"), record(QStringLiteral(" 9"), QStringLiteral(" 30"), QStringLiteral("c"))}});
    AppSettings settings(store);
    settings.LoadAllSettings();
    QCOMPARE(settings.LotList->Count(), 3);
    QCOMPARE(settings.LotList->Item(1)->LotNumber, 7);
    QCOMPARE(settings.LotList->Item(2)->LotNumber, 0);
    QCOMPARE(settings.LotList->Item(2)->Amount, 0);
    QCOMPARE(settings.LotList->Item(2)->Note, QString());
    QCOMPARE(settings.LotList->Item(3)->Note, QStringLiteral("c"));
}

void tst_AppSettings::savedLotRecords_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("amount");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("stored");

    QTest::newRow("lot 12") << 12 << 150 << QStringLiteral("Oak chest")
                            << record(QStringLiteral(" 12"), QStringLiteral(" 150"), QStringLiteral("Oak chest"));
    QTest::newRow("empty note ends with the separator")
        << 7 << 0 << QString() << QStringLiteral(" 7") + Sep + QStringLiteral(" 0") + Sep;
    QTest::newRow("negative numbers") << -5 << -1 << QStringLiteral("x")
                                      << record(QStringLiteral("-5"), QStringLiteral("-1"), QStringLiteral("x"));
}

void tst_AppSettings::savedLotRecords()
{
    QFETCH(int, number);
    QFETCH(int, amount);
    QFETCH(QString, note);
    QFETCH(QString, stored);
    MemorySettingsStore store;
    AppSettings settings(store);
    settings.LotList->Add(lot(number, amount, note), 0);
    QVERIFY(settings.SaveLots());
    QCOMPARE(store.GetAll(QStringLiteral("Lots")), (Pairs{{QStringLiteral(" 1"), stored}}));

    AppSettings loaded(store);
    loaded.LoadAllSettings();
    QCOMPARE(loaded.LotList->Item(1)->LotNumber, number);
    QCOMPARE(loaded.LotList->Item(1)->Amount, amount);
    QCOMPARE(loaded.LotList->Item(1)->Note, note);
}

// A window that still holds the old lists must not see them change under it.
void tst_AppSettings::loadReplacesTheLists()
{
    MemorySettingsStore store;
    fill(store, QStringLiteral("Lots"),
         {{QStringLiteral(" 1"), record(QStringLiteral(" 1"), QStringLiteral(" 1"), QString())}});
    AppSettings settings(store);
    const LotCollectionPtr heldLots = settings.LotList;
    const IncrementCollectionPtr heldIncrements = settings.IncrementList;
    heldIncrements->Add(std::make_shared<IncrementInfo>());
    settings.LoadAllSettings();
    QVERIFY(settings.LotList != heldLots);
    QVERIFY(settings.IncrementList != heldIncrements);
    QCOMPARE(heldLots->Count(), 0);
    QCOMPARE(heldIncrements->Count(), 1);
    QCOMPARE(settings.IncrementList->Count(), 0);
}

void tst_AppSettings::eachSaveIsOneCommit()
{
    MemorySettingsStore store;
    AppSettings settings(store);
    for (int n = 0; n < 50; ++n)
        settings.LotList->Add(lot(n, n), 0);
    settings.IncrementList->Add(std::make_shared<IncrementInfo>());
    QVERIFY(settings.SaveDisplaySettings());
    QCOMPARE(store.commitCount(), 1);
    QVERIFY(settings.SaveIncrements());
    QCOMPARE(store.commitCount(), 2);
    QVERIFY(settings.SaveLots());
    QCOMPARE(store.commitCount(), 3);
    QCOMPARE(store.GetAll(QStringLiteral("Lots")).size(), 50);
}

using OptionalAmount = std::optional<qint32>;

void tst_AppSettings::lotExtrasLoad_data()
{
    QTest::addColumn<Pairs>("extras");
    QTest::addColumn<OptionalAmount>("reserve");
    QTest::addColumn<OptionalAmount>("low");
    QTest::addColumn<OptionalAmount>("high");
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("readWhole");

    const auto extras = [](const QString& key, const QStringList& pieces) {
        return Pairs{{key, pieces.join(Sep)}};
    };
    const OptionalAmount none;
    QTest::newRow("old file without extras") << Pairs{} << none << none << none << QString() << QString() << true;
    QTest::newRow("reserve and estimates")
        << extras(QStringLiteral(" 2"), {QStringLiteral(" 12"), QStringLiteral("Reserve=5000"),
                                         QStringLiteral("Low=4000"), QStringLiteral("High=6000")})
        << OptionalAmount(5000) << OptionalAmount(4000) << OptionalAmount(6000) << QString() << QString() << true;
    QTest::newRow("vendor and picture") << extras(QStringLiteral(" 2"),
                                                  {QStringLiteral(" 12"), QStringLiteral("Vendor=C17"),
                                                   QStringLiteral("Picture=/pics/12 a.jpg")})
                                        << none << none << none << QStringLiteral("C17")
                                        << QStringLiteral("/pics/12 a.jpg") << true;
    QTest::newRow("a piece of a later version is skipped")
        << extras(QStringLiteral(" 2"),
                  {QStringLiteral(" 12"), QStringLiteral("Colour=red"), QStringLiteral("Reserve=9")})
        << OptionalAmount(9) << none << none << QString() << QString() << true;
    QTest::newRow("another lot at the position keeps nothing")
        << extras(QStringLiteral(" 2"), {QStringLiteral(" 7"), QStringLiteral("Reserve=5000")}) << none << none << none
        << QString() << QString() << false;
    QTest::newRow("a position beyond the list")
        << extras(QStringLiteral(" 3"), {QStringLiteral(" 12"), QStringLiteral("Reserve=5000")}) << none << none << none
        << QString() << QString() << false;
    QTest::newRow("a reserve out of range")
        << extras(QStringLiteral(" 2"), {QStringLiteral(" 12"), QStringLiteral("Reserve=1000000")}) << none << none
        << none << QString() << QString() << false;
}

// The second lot of a two-lot list takes what its position holds; the first never does.
void tst_AppSettings::lotExtrasLoad()
{
    QFETCH(Pairs, extras);
    QFETCH(OptionalAmount, reserve);
    QFETCH(OptionalAmount, low);
    QFETCH(OptionalAmount, high);
    QFETCH(QString, vendor);
    QFETCH(QString, picture);
    QFETCH(bool, readWhole);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    {
        JsonSettingsStore store(path);
        fill(store, QStringLiteral("Lots"),
             {{QStringLiteral(" 1"), record(QStringLiteral(" 7"), QStringLiteral(" 10"), QStringLiteral("a"))},
              {QStringLiteral(" 2"), record(QStringLiteral(" 12"), QStringLiteral(" 150"), QStringLiteral("b"))}});
        if (!extras.isEmpty())
            fill(store, QStringLiteral("LotExtras"), extras);
    }
    JsonSettingsStore store(path);
    AppSettings settings(store);
    settings.LoadAllSettings();
    QCOMPARE(settings.LotList->Count(), 2);
    QVERIFY(!settings.LotList->Item(1)->HasExtras());
    const LotInfoPtr second = settings.LotList->Item(2);
    QCOMPARE(second->Note, QStringLiteral("b"));
    QCOMPARE(second->Reserve, reserve);
    QCOMPARE(second->LowEstimate, low);
    QCOMPARE(second->HighEstimate, high);
    QCOMPARE(second->Vendor, vendor);
    QCOMPARE(second->Picture, picture);
    // Extras that could not be used are kept aside before the next commit writes over them.
    QVERIFY(settings.SaveLots());
    const bool keptAside = !QDir(dir.path()).entryList({QStringLiteral("settings.json.invalid-*")}).isEmpty();
    QCOMPARE(keptAside, !readWhole);
}

void tst_AppSettings::lotExtrasRoundTrip()
{
    MemorySettingsStore store;
    AppSettings settings(store);
    settings.LotList->Add(lot(7, 10, QStringLiteral("plain")), 0);
    const LotInfoPtr chest = lot(12, 150, QStringLiteral("Oak chest"));
    chest->Reserve = 0;
    chest->LowEstimate = 200;
    chest->HighEstimate = 999999;
    chest->Vendor = QStringLiteral("V") + Sep + QStringLiteral("9");
    chest->Picture = QStringLiteral("pics/chest.jpg");
    settings.LotList->Add(chest, 0);
    QVERIFY(settings.SaveLots());
    // The record itself is what a reader of the lot list alone has always read.
    QCOMPARE(store.GetAll(QStringLiteral("Lots")).at(1).second,
             record(QStringLiteral(" 12"), QStringLiteral(" 150"), QStringLiteral("Oak chest")));
    QCOMPARE(store.GetAll(QStringLiteral("LotExtras")).size(), 1);

    AppSettings loaded(store);
    loaded.LoadAllSettings();
    const LotInfoPtr back = loaded.LotList->Item(2);
    QCOMPARE(back->Reserve, OptionalAmount(0));
    QCOMPARE(back->LowEstimate, OptionalAmount(200));
    QCOMPARE(back->HighEstimate, OptionalAmount(999999));
    QCOMPARE(back->Vendor, QStringLiteral("V9"));
    QCOMPARE(back->Picture, QStringLiteral("pics/chest.jpg"));
    QVERIFY(!loaded.LotList->Item(1)->HasExtras());

    // Moved to the front and stripped of its extras: nothing is left behind for the lot now second.
    loaded.LotList->Remove(2);
    *back = *lot(12, 150, QStringLiteral("Oak chest"));
    loaded.LotList->Add(back, 1);
    QVERIFY(loaded.SaveLots());
    QVERIFY(store.GetAll(QStringLiteral("LotExtras")).isEmpty());
}

void tst_AppSettings::listWithoutExtrasWritesTheSameFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    const Pairs lots = {{QStringLiteral(" 1"), record(QStringLiteral(" 12"), QStringLiteral(" 150"), QString())}};
    QByteArray byHand;
    {
        JsonSettingsStore store(path);
        QVERIFY(store.Commit([&] {
            SettingsChange change;
            change.DeleteSection(QStringLiteral("Lots"));
            change.Save(QStringLiteral("Lots"), lots.first().first, lots.first().second);
            return change;
        }()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        byHand = file.readAll();
    }
    QVERIFY(QFile::remove(path));
    JsonSettingsStore store(path);
    AppSettings settings(store);
    settings.LotList->Add(lot(12, 150), 0);
    QVERIFY(settings.SaveLots());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), byHand);
}

QTEST_GUILESS_MAIN(tst_AppSettings)
#include "tst_appsettings.moc"
