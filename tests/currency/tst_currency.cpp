// The currency board's arithmetic, settings and rate files, without widgets.
#include "currency/CurrencyBoard.h"
#include "currency/CurrencyRate.h"
#include "currency/EuroRates.h"
#include "records/SettingsStore.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The euro reference rates of one day, as the central bank's file has them.
const QByteArray DayFile = "Date, USD, JPY, BGN, CZK, DKK, GBP, HUF, CHF, SEK, \r\n"
                           "09 December 2026, 1.0834, 162.50, 1.9558, 24.905, 7.4589, 0.85215, 386.45, 0.94320, "
                           "11.2135, \r\n";

qint64 Rate(const char* text)
{
    return CurrencyRate::Parse(QString::fromLatin1(text)).value_or(-1);
}

} // namespace

class tst_Currency : public QObject
{
    Q_OBJECT

private slots:
    void parsesRates_data();
    void parsesRates();
    void convertsOnce_data();
    void convertsOnce();
    void crossRates_data();
    void crossRates();
    void importsEuroRates_data();
    void importsEuroRates();
    void importsTheZip();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void storesOnlyOnceSetUp();
    void dropsUnusableStoredLines();
    void linesRead();
};

void tst_Currency::parsesRates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("scaled");
    QTest::addColumn<int>("error");
    const auto ok = int(CurrencyRate::Error::None);
    QTest::newRow("decimals") << "1.0834" << qint64(1083400) << ok;
    QTest::newRow("blanks around") << "  162.5 " << qint64(162500000) << ok;
    QTest::newRow("six decimals") << "0.000001" << qint64(1) << ok;
    QTest::newRow("whole") << "7" << qint64(7000000) << ok;
    QTest::newRow("trailing zeros past six") << "1.50000000" << qint64(1500000) << ok;
    QTest::newRow("leading point") << ".5" << qint64(500000) << ok;
    QTest::newRow("largest") << "1000000" << qint64(1000000) * CurrencyRate::Scale << ok;
    QTest::newRow("seven decimals") << "1.0000001" << qint64(0) << int(CurrencyRate::Error::TooManyDecimals);
    QTest::newRow("zero") << "0" << qint64(0) << int(CurrencyRate::Error::NotPositive);
    QTest::newRow("zero with decimals") << "0.000000" << qint64(0) << int(CurrencyRate::Error::NotPositive);
    QTest::newRow("negative") << "-1.2" << qint64(0) << int(CurrencyRate::Error::NotPositive);
    QTest::newRow("empty") << "  " << qint64(0) << int(CurrencyRate::Error::Empty);
    QTest::newRow("letters") << "1.2x" << qint64(0) << int(CurrencyRate::Error::NotANumber);
    QTest::newRow("exponent") << "1e3" << qint64(0) << int(CurrencyRate::Error::NotANumber);
    QTest::newRow("comma") << "1,08" << qint64(0) << int(CurrencyRate::Error::NotANumber);
    QTest::newRow("two points") << "1.0.8" << qint64(0) << int(CurrencyRate::Error::NotANumber);
    QTest::newRow("point alone") << "." << qint64(0) << int(CurrencyRate::Error::NotANumber);
    QTest::newRow("N/A") << "N/A" << qint64(0) << int(CurrencyRate::Error::NotANumber);
    QTest::newRow("too large") << "1000000.000001" << qint64(0) << int(CurrencyRate::Error::TooLarge);
    QTest::newRow("far too large") << "99999999999999999999999" << qint64(0) << int(CurrencyRate::Error::TooLarge);
}

void tst_Currency::parsesRates()
{
    QFETCH(QString, text);
    QFETCH(qint64, scaled);
    QFETCH(int, error);
    CurrencyRate::Error why = CurrencyRate::Error::Empty;
    const std::optional<qint64> parsed = CurrencyRate::Parse(text, &why);
    QCOMPARE(int(why), error);
    QCOMPARE(parsed.has_value(), error == int(CurrencyRate::Error::None));
    if (parsed) {
        QCOMPARE(*parsed, scaled);
        // What is stored reads back the same.
        QCOMPARE(CurrencyRate::Parse(CurrencyRate::Text(*parsed)), parsed);
    } else {
        QVERIFY(!CurrencyRate::Message(why, QStringLiteral("USD")).isEmpty());
    }
}

void tst_Currency::convertsOnce_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("step");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("whole units") << qint64(3100) << "1.0834" << 1 << qint64(3359);
    QTest::newRow("half to even, down") << qint64(1) << "2.5" << 1 << qint64(2);
    QTest::newRow("half to even, up") << qint64(1) << "3.5" << 1 << qint64(4);
    QTest::newRow("just under a half") << qint64(1) << "2.499999" << 1 << qint64(2);
    QTest::newRow("just over a half") << qint64(1) << "2.500001" << 1 << qint64(3);
    QTest::newRow("tens, half to even down") << qint64(25) << "1" << 10 << qint64(20);
    QTest::newRow("tens, half to even up") << qint64(35) << "1" << 10 << qint64(40);
    QTest::newRow("hundreds, one under a half") << qint64(149) << "1" << 100 << qint64(100);
    QTest::newRow("hundreds, half") << qint64(150) << "1" << 100 << qint64(200);
    QTest::newRow("hundreds, half of an even") << qint64(250) << "1" << 100 << qint64(200);
    QTest::newRow("thousands, half to even") << qint64(2500) << "1" << 1000 << qint64(2000);
    QTest::newRow("thousands, a millionth over") << qint64(2500) << "1.000001" << 1000 << qint64(3000);
    // Rounded once: rounding to units first (1499.5 -> 1500) and then to thousands would give 2000.
    QTest::newRow("rounded once, not twice") << qint64(2999) << "0.5" << 1000 << qint64(1000);
    QTest::newRow("999,999 into yen") << qint64(999999) << "162.5" << 1000 << qint64(162500000);
    QTest::newRow("999,999 into yen, exact") << qint64(999999) << "162.5" << 1 << qint64(162499838);
    QTest::newRow("999,999 at the largest rate") << qint64(999999) << "1000000" << 1 << qint64(999999) * 1000000;
    QTest::newRow("no bid") << qint64(0) << "162.5" << 1000 << qint64(0);
    QTest::newRow("smallest rate") << qint64(999999) << "0.000001" << 1 << qint64(1);
    // Binary floating point gets this one wrong: 0.575 * 100 is 57.49999999999999 as a double.
    QTest::newRow("decimal exactness") << qint64(100) << "0.575" << 1 << qint64(58);
}

void tst_Currency::convertsOnce()
{
    QFETCH(qint64, amount);
    QFETCH(QString, rate);
    QFETCH(int, step);
    QFETCH(qint64, expected);
    const std::optional<qint64> scaled = CurrencyRate::Parse(rate);
    QVERIFY(scaled);
    QCOMPARE(CurrencyRate::Convert(amount, *scaled, step), expected);
}

void tst_Currency::crossRates_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("sale");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("dollars into yen") << "162.50"
                                      << "1.0834" << Rate("149.990770");
    QTest::newRow("pounds into dollars") << "1.0834"
                                         << "0.85215" << Rate("1.271372");
    QTest::newRow("against itself") << "1.0834"
                                    << "1.0834" << Rate("1");
    QTest::newRow("euro against dollars") << "1"
                                          << "1.0834" << Rate("0.923020");
    // 1 / 3 = 0.3333333...: to six decimals, down.
    QTest::newRow("a third") << "1"
                             << "3" << Rate("0.333333");
    // 0.0000005 exactly: a half, to the even neighbour 0.
    QTest::newRow("a half of a millionth is none") << "0.000001"
                                                   << "2" << qint64(-1);
    QTest::newRow("three halves of a millionth") << "0.000003"
                                                 << "2" << qint64(2);
    QTest::newRow("too large") << "1000000"
                               << "0.000001" << qint64(-1);
}

void tst_Currency::crossRates()
{
    QFETCH(QString, target);
    QFETCH(QString, sale);
    QFETCH(qint64, expected);
    const std::optional<qint64> cross = CurrencyRate::Cross(*CurrencyRate::Parse(target), *CurrencyRate::Parse(sale));
    QCOMPARE(cross.value_or(-1), expected);
}

void tst_Currency::importsEuroRates_data()
{
    QTest::addColumn<QString>("saleCode");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QList<qint64>>("rates");
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("euro sale") << "EUR" << QStringList{u"USD"_s, u"JPY"_s}
                               << QList<qint64>{Rate("1.0834"), Rate("162.5")} << QStringList{};
    QTest::newRow("dollar sale, cross-rated")
        << "USD" << QStringList{u"EUR"_s, u"JPY"_s, u"GBP"_s}
        << QList<qint64>{Rate("0.923020"), Rate("149.990770"), Rate("0.786552")} << QStringList{};
    // The file has no Hong Kong dollar: its line keeps the rate it had and is named.
    QTest::newRow("a currency missing") << "EUR" << QStringList{u"USD"_s, u"HKD"_s}
                                        << QList<qint64>{Rate("1.0834"), Rate("8.5")} << QStringList{u"HKD"_s};
}

void tst_Currency::importsEuroRates()
{
    QFETCH(QString, saleCode);
    QFETCH(QStringList, codes);
    QFETCH(QList<qint64>, rates);
    QFETCH(QStringList, missing);
    const EuroRates file = EuroRates::FromCsv(DayFile);
    QVERIFY2(file.ok(), qPrintable(file.error));
    QCOMPARE(file.date, QDate(2026, 12, 9));
    QList<CurrencyLine> lines;
    for (const QString& code : codes)
        lines.append({code, CurrencyBoard::SignForCode(code), Rate("8.5"), 1});
    const EuroRates::Applied applied = file.ApplyTo(lines, saleCode);
    QVERIFY(applied.error.isEmpty());
    QCOMPARE(applied.missing, missing);
    QCOMPARE(applied.lines.size(), rates.size());
    for (qsizetype i = 0; i < rates.size(); ++i)
        QCOMPARE(applied.lines[i].rate, rates[i]);
}

void tst_Currency::importsTheZip()
{
    QFile zip(qEnvironmentVariable("GAVELOR_SOURCE_DIR") + QStringLiteral("/tests/currency/eurofxref.zip"));
    QVERIFY(zip.open(QIODevice::ReadOnly));
    const EuroRates file = EuroRates::FromFileContents(zip.readAll());
    QVERIFY2(file.ok(), qPrintable(file.error));
    QCOMPARE(file.perEuro.value(QStringLiteral("JPY")), Rate("162.5"));
    // An empty board is given the room's usual currencies, the sale's own left out.
    const EuroRates::Applied applied = file.ApplyTo({}, QStringLiteral("GBP"));
    QStringList codes;
    for (const CurrencyLine& line : applied.lines)
        codes << line.code;
    QCOMPARE(codes, (QStringList{u"USD"_s, u"EUR"_s, u"CHF"_s, u"JPY"_s}));
    QCOMPARE(applied.lines[3].step, 1000);
}

void tst_Currency::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("saleCode");
    QTest::newRow("empty") << QByteArray() << "EUR";
    QTest::newRow("header only") << QByteArray("Date, USD, JPY,\n") << "EUR";
    QTest::newRow("no Date column") << QByteArray("When, USD\n09 December 2026, 1.08\n") << "EUR";
    QTest::newRow("row shorter than header") << QByteArray("Date, USD, JPY\n09 December 2026, 1.08\n") << "EUR";
    QTest::newRow("not a currency code") << QByteArray("Date, US Dollar\n09 December 2026, 1.08\n") << "EUR";
    QTest::newRow("no rate at all") << QByteArray("Date, USD\n09 December 2026, N/A\n") << "EUR";
    QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\n\x03", 6) << "EUR";
    QTest::newRow("broken zip") << QByteArray("PK\x03\x04garbage that is no archive") << "EUR";
    QTest::newRow("sale currency missing") << DayFile << "NZD";
}

void tst_Currency::refusesBadFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, saleCode);
    const EuroRates file = EuroRates::FromFileContents(contents);
    const QString error = file.ok() ? file.ApplyTo({}, saleCode).error : file.error;
    QVERIFY(!error.isEmpty());
}

void tst_Currency::storesOnlyOnceSetUp()
{
    MemorySettingsStore store;
    const CurrencyBoard loaded = CurrencyBoard::Load(store);
    QVERIFY(!loaded.enabled);
    QVERIFY(!loaded.Showing());
    QVERIFY(!CurrencyBoard::IsStored(store));

    CurrencyBoard board;
    board.enabled = true;
    board.saleCode = QStringLiteral("EUR");
    board.ratesTime = QDateTime(QDate(2026, 12, 9), QTime(14, 5));
    board.lines = {{QStringLiteral("USD"), QStringLiteral("$"), Rate("1.0834"), 1},
                   {QStringLiteral("JPY"), QStringLiteral("¥"), Rate("162.5"), 1000}};
    QVERIFY(board.Save(store));
    QCOMPARE(CurrencyBoard::Load(store), board);
    QCOMPARE(board.RatesTimeText(), QStringLiteral("Rates of 9 Dec 2026, 14:05"));

    // A shorter list leaves no line of the longer one behind.
    board.lines.removeLast();
    QVERIFY(board.Save(store));
    QCOMPARE(CurrencyBoard::Load(store).lines.size(), 1);
}

void tst_Currency::dropsUnusableStoredLines()
{
    MemorySettingsStore store;
    SettingsChange change;
    const QString s = CurrencyBoard::Section;
    for (const auto& [key, value] : QList<QPair<QString, QString>>{{u"Enabled"_s, u"1"_s},
                                                                   {u"Count"_s, u"4"_s},
                                                                   {u"Code1"_s, u"USD"_s},
                                                                   {u"Rate1"_s, u"0"_s},
                                                                   {u"Step1"_s, u"1"_s},
                                                                   {u"Code2"_s, u"JPY"_s},
                                                                   {u"Rate2"_s, u"162.5"_s},
                                                                   {u"Step2"_s, u"500"_s},
                                                                   {u"Code3"_s, u"gbp"_s},
                                                                   {u"Rate3"_s, u"0.85"_s},
                                                                   {u"Step3"_s, u"1"_s},
                                                                   {u"Code4"_s, u"CHF"_s},
                                                                   {u"Rate4"_s, u"0.9432"_s},
                                                                   {u"Step4"_s, u"10"_s}})
        change.Save(s, key, value);
    QVERIFY(store.Commit(change));
    const CurrencyBoard board = CurrencyBoard::Load(store);
    QCOMPARE(board.lines.size(), 1);
    QCOMPARE(board.lines[0].code, QStringLiteral("CHF"));
    QCOMPARE(board.lines[0].step, 10);
}

void tst_Currency::linesRead()
{
    CurrencyBoard board;
    board.lines = {{QStringLiteral("USD"), QStringLiteral("$"), Rate("1.0968"), 100},
                   {QStringLiteral("CHF"), QStringLiteral("CHF"), Rate("0.9432"), 1}};
    const QList<Conversion> conversions = board.Convert(3100);
    QCOMPARE(CurrencyBoard::LineText(conversions[0], QStringLiteral(",")), QStringLiteral("≈ USD $ 3,400"));
    // A sign that is the code is not said twice.
    QCOMPARE(CurrencyBoard::LineText(conversions[1], QStringLiteral("'")), QStringLiteral("≈ CHF 2'924"));
    QCOMPARE(CurrencyBoard::CodeForSign(QStringLiteral("€")), QStringLiteral("EUR"));
    QCOMPARE(CurrencyBoard::CodeForSign(QStringLiteral("kr")), QStringLiteral("SEK"));
    QCOMPARE(CurrencyBoard::CodeForSign(QStringLiteral("Fr")), QString());
}

QTEST_GUILESS_MAIN(tst_Currency)
#include "tst_currency.moc"
