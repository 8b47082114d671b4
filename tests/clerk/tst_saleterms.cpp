#include "clerk/Invoices.h"
#include "clerk/SaleTerms.h"
#include "records/SettingsStore.h"
#include "sale/SaleReport.h"

#include <QTest>

namespace {

SaleTerms::Tier Tier(qint64 upTo, const char* rate)
{
    return {upTo, *Percent::Parse(QString::fromLatin1(rate))};
}

// 25% up to 100,000, 20% above, VAT 20% on the premium: a common London scale.
SaleTerms TwoTiers()
{
    SaleTerms terms;
    terms.premium = {Tier(100'000, "25"), Tier(0, "20")};
    terms.taxName = QStringLiteral("VAT");
    terms.taxRate = *Percent::Parse(QStringLiteral("20"));
    terms.commission = *Percent::Parse(QStringLiteral("12.5"));
    return terms;
}

void Sold(qint32 lot, qint32 price, const QString& buyer, std::vector<LotResult>& keep)
{
    LotResult result;
    result.key.lotNumber = lot;
    result.key.note = QStringLiteral("Lot %1").arg(lot);
    result.outcome = LotResult::Outcome::Sold;
    result.price = price;
    result.buyer = buyer;
    keep.push_back(result);
}

} // namespace

class tst_SaleTerms : public QObject
{
    Q_OBJECT

private slots:
    void percentParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected"); // -1: refused
        QTest::newRow("whole") << "25" << qint64(250'000);
        QTest::newRow("decimal point") << "12.5" << qint64(125'000);
        QTest::newRow("decimal comma") << "7,7" << qint64(77'000);
        QTest::newRow("four decimals") << "0.0001" << qint64(1);
        QTest::newRow("with a sign") << " 25 % " << qint64(250'000);
        QTest::newRow("a hundred") << "100" << qint64(1'000'000);
        QTest::newRow("above a hundred") << "100.0001" << qint64(-1);
        QTest::newRow("five decimals") << "1.23456" << qint64(-1);
        QTest::newRow("negative") << "-5" << qint64(-1);
        QTest::newRow("not a number") << "five" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
    }
    void percentParse()
    {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        const std::optional<Percent> parsed = Percent::Parse(text);
        QCOMPARE(parsed ? parsed->tenThousandths : -1, expected);
        if (parsed)
            QCOMPARE(Percent::Parse(parsed->Text()), parsed);
    }

    // Each tier's rate on the part of the hammer inside it, rounded once, a half to even.
    void premiumAtTierEdges_data()
    {
        QTest::addColumn<std::vector<SaleTerms::Tier>>("tiers");
        QTest::addColumn<qint64>("hammer");
        QTest::addColumn<qint64>("premium");
        const std::vector<SaleTerms::Tier> two = TwoTiers().premium;
        const std::vector<SaleTerms::Tier> three = {Tier(1'000, "25"), Tier(5'000, "20"), Tier(0, "10")};
        const std::vector<SaleTerms::Tier> eighth = {Tier(0, "12.5")};
        QTest::newRow("nothing") << two << qint64(0) << qint64(0);
        QTest::newRow("a half rounds down to even") << two << qint64(2) << qint64(0);
        QTest::newRow("a half rounds up to even") << two << qint64(6) << qint64(2);
        QTest::newRow("2.5 to 2") << two << qint64(10) << qint64(2);
        QTest::newRow("exactly on the limit") << two << qint64(100'000) << qint64(25'000);
        QTest::newRow("one above the limit") << two << qint64(100'001) << qint64(25'000);
        QTest::newRow("above the limit rounds up") << two << qint64(100'003) << qint64(25'001);
        QTest::newRow("the largest bid") << two << qint64(999'999) << qint64(205'000);
        QTest::newRow("three tiers, second limit") << three << qint64(5'000) << qint64(1'050);
        QTest::newRow("three tiers, above") << three << qint64(6'000) << qint64(1'150);
        QTest::newRow("three tiers, inside the first") << three << qint64(999) << qint64(250);
        QTest::newRow("an eighth, 0.5 to 0") << eighth << qint64(4) << qint64(0);
        QTest::newRow("an eighth, 1.5 to 2") << eighth << qint64(12) << qint64(2);
        QTest::newRow("no premium") << std::vector<SaleTerms::Tier>{} << qint64(5'000) << qint64(0);
    }
    void premiumAtTierEdges()
    {
        QFETCH(std::vector<SaleTerms::Tier>, tiers);
        QFETCH(qint64, hammer);
        QFETCH(qint64, premium);
        SaleTerms terms;
        terms.premium = tiers;
        QVERIFY(terms.Problem().isEmpty());
        QCOMPARE(terms.Premium(hammer), premium);
    }

    void taxAndCommission_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<bool>("onHammer");
        QTest::addColumn<qint64>("hammer");
        QTest::addColumn<qint64>("premium");
        QTest::addColumn<qint64>("tax");
        QTest::newRow("on the premium") << "20" << false << qint64(100'000) << qint64(25'000) << qint64(5'000);
        QTest::newRow("0.6 rounds up") << "20" << false << qint64(12) << qint64(3) << qint64(1);
        QTest::newRow("1.5 to 2") << "7.5" << false << qint64(80) << qint64(20) << qint64(2);
        QTest::newRow("4.5 to 4") << "7.5" << false << qint64(240) << qint64(60) << qint64(4);
        QTest::newRow("on hammer and premium") << "20" << true << qint64(100) << qint64(25) << qint64(25);
        QTest::newRow("no tax") << "0" << true << qint64(100) << qint64(25) << qint64(0);
    }
    void taxAndCommission()
    {
        QFETCH(QString, rate);
        QFETCH(bool, onHammer);
        QFETCH(qint64, hammer);
        QFETCH(qint64, premium);
        QFETCH(qint64, tax);
        SaleTerms terms;
        terms.taxRate = *Percent::Parse(rate);
        terms.taxOnHammer = onHammer;
        QCOMPARE(terms.Tax(hammer, premium), tax);
        // The commission uses the same rounding: 12.5% of 12 is 1.5, of 20 is 2.5.
        terms.commission = *Percent::Parse(QStringLiteral("12.5"));
        QCOMPARE(terms.Commission(12), qint64(2));
        QCOMPARE(terms.Commission(20), qint64(2));
    }

    void tiersThatCannotBeUsed_data()
    {
        QTest::addColumn<std::vector<SaleTerms::Tier>>("tiers");
        QTest::newRow("falling limits") << std::vector<SaleTerms::Tier>{Tier(5'000, "25"), Tier(1'000, "20")};
        QTest::newRow("open tier before the last") << std::vector<SaleTerms::Tier>{Tier(0, "25"), Tier(0, "20")};
        QTest::newRow("same limit twice")
            << std::vector<SaleTerms::Tier>{Tier(1'000, "25"), Tier(1'000, "20"), Tier(0, "10")};
    }
    void tiersThatCannotBeUsed()
    {
        QFETCH(std::vector<SaleTerms::Tier>, tiers);
        SaleTerms terms;
        terms.premium = tiers;
        QVERIFY(!terms.Problem().isEmpty());
    }

    // What is stored reads back the same; a hand-edited file that cannot be used is no premium.
    void storedAndReadBack()
    {
        MemorySettingsStore store;
        QCOMPARE(SaleTerms::Load(store), SaleTerms{});
        QVERIFY(store.GetAll(SaleTerms::Section).isEmpty());
        const SaleTerms terms = TwoTiers();
        QVERIFY(terms.Save(store));
        QCOMPARE(SaleTerms::Load(store), terms);
        store.Save(SaleTerms::Section, QStringLiteral("PremiumTiers"), QStringLiteral("25@5000;20@1000"));
        QVERIFY(SaleTerms::Load(store).premium.empty());
        store.Save(SaleTerms::Section, QStringLiteral("PremiumTiers"), QStringLiteral("25@x;20"));
        QVERIFY(SaleTerms::Load(store).premium.empty());
    }

    // A share as the results window shows it, in the operator's language.
    void percentFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English") << QLocale(QLocale::English) << QStringLiteral("81.4%");
        QTest::newRow("German") << QLocale(QLocale::German) << QStringLiteral("81,4\u00A0%");
        QTest::newRow("French") << QLocale(QLocale::French) << QStringLiteral("81,4\u202F%");
        QTest::newRow("Dutch") << QLocale(QLocale::Dutch) << QStringLiteral("81,4%");
    }
    void percentFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        QCOMPARE(SaleReport::PercentText(0.8136, locale), expected);
    }

    // One invoice per paddle in paddle order, the sums of the rounded amounts of each lot.
    void invoicesByPaddle()
    {
        std::vector<LotResult> results;
        results.reserve(8);
        for (const auto& [lot, price, buyer] : std::initializer_list<std::tuple<qint32, qint32, const char*>>{
                 {1, 10, "112"}, {2, 100'003, "9"}, {3, 6, "112"}, {4, 500, ""}, {5, 999'999, " 112 "}, {6, 40, "A7"}})
            Sold(lot, price, QString::fromLatin1(buyer), results);
        LotResult passed;
        passed.key.lotNumber = 7;
        passed.outcome = LotResult::Outcome::Passed;
        passed.price = 300;
        passed.buyer = QStringLiteral("9");
        results.push_back(passed);
        std::vector<SaleRecord::Row> rows;
        for (const LotResult& result : results)
            rows.push_back({0, nullptr, &result});

        const std::vector<Invoice> invoices = Invoices::ForBuyers(rows, TwoTiers(), [](const QString& paddle) {
            return paddle == QLatin1String("9") ? QStringLiteral("Ada") : QString();
        });
        QCOMPARE(invoices.size(), size_t(3));
        QCOMPARE(invoices[0].paddle, QStringLiteral("9"));
        QCOMPARE(invoices[0].buyerName, QStringLiteral("Ada"));
        QCOMPARE(invoices[0].lots.size(), size_t(1)); // the passed lot is not on it
        QCOMPARE(invoices[1].paddle, QStringLiteral("112"));
        QCOMPARE(invoices[2].paddle, QStringLiteral("A7"));
        const Invoice& big = invoices[1];
        QCOMPARE(big.lots.size(), size_t(3));
        QCOMPARE(big.hammer, qint64(10 + 6 + 999'999));
        QCOMPARE(big.premium, qint64(2 + 2 + 205'000));
        QCOMPARE(big.tax, qint64(0 + 0 + 41'000));
        QCOMPARE(big.total(), big.hammer + big.premium + big.tax);

        const std::vector<Settlement> settlements =
            Invoices::ForVendors(rows, TwoTiers(), [](const SaleRecord::Row& row) {
                return row.result->key.lotNumber % 2 ? QStringLiteral("V1") : QString();
            });
        QCOMPARE(settlements.size(), size_t(1));
        QCOMPARE(settlements[0].hammer, qint64(10 + 6 + 999'999));
        QCOMPARE(settlements[0].commission, qint64(1 + 1 + 125'000));
    }
};

QTEST_GUILESS_MAIN(tst_SaleTerms)
#include "tst_saleterms.moc"
