// Invoices and the sale's details driven through the results window, read back by pdftotext
// and checked against amounts worked out here on their own.
#include "clerk/SaleDetails.h"
#include "clerk/SaleTerms.h"
#include "clerk/frmPastSales.h"
#include "clerk/frmSaleDetails.h"
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleController.h"
#include "sale/SaleJournal.h"
#include "sale/SaleReport.h"
#include "sale/frmResults.h"
#include "support/TestLots.h"

#include <QDir>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// 25% of the hammer up to 100,000 and 20% of the rest, VAT 20% of the premium, each rounded
// to the dollar with halves to even: worked out the long way, in cents.
qint64 PremiumOf(qint64 hammer)
{
    const qint64 cents = 25 * std::min<qint64>(hammer, 100'000) + 20 * std::max<qint64>(0, hammer - 100'000);
    const qint64 whole = cents / 100;
    const qint64 rest = cents % 100;
    return rest > 50 || (rest == 50 && whole % 2 == 1) ? whole + 1 : whole;
}
qint64 VatOf(qint64 premium)
{
    const qint64 tenths = premium * 2; // 20% in tenths of a dollar
    const qint64 whole = tenths / 10;
    const qint64 rest = tenths % 10;
    return rest > 5 || (rest == 5 && whole % 2 == 1) ? whole + 1 : whole;
}

QString PdfText(const QString& path)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return {};
    return QString::fromUtf8(reader.readAllStandardOutput()).simplified();
}

} // namespace

class tst_Invoices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }

    void invoicePerPaddle()
    {
        QTemporaryDir dir;
        MemorySettingsStore store;
        AppSettings settings(store);
        AddLots(*settings.LotList, {{1, 100, QStringLiteral("Oak chest")},
                                    {2, 5, QStringLiteral("Pair of vases")},
                                    {3, 5000, QStringLiteral("Grand piano")},
                                    {4, 300, QStringLiteral("Clock")},
                                    {5, 10, QStringLiteral("Stamp")},
                                    {6, 10, QStringLiteral("Ring")}});
        AddIncrements(*settings.IncrementList, {{0, 5}});
        settings.LotList->Item(1)->Vendor = QStringLiteral("V7");
        settings.LotList->Item(3)->Vendor = QStringLiteral("V7");
        SaleJournal journal(dir.filePath(QStringLiteral("sales")));
        journal.Open();
        SaleController sale(settings);
        sale.setJournal(&journal);
        const struct
        {
            qint32 position, lot, hammer;
            const char* buyer;
        } sold[] = {
            {1, 1, 100'003, "112"}, {2, 2, 6, "9"}, {3, 3, 999'999, "112"}, {5, 5, 10, "A/1"}, {6, 6, 14, "A_1"}};
        for (const auto& lot : sold) {
            sale.ShowLotAt(lot.position, lot.hammer);
            sale.MarkSold();
            sale.SetBuyer(lot.lot, QString::fromLatin1(lot.buyer));
        }
        sale.ShowLotAt(4, 250);
        sale.MarkPassed();

        frmResults results(sale, settings);
        results.show();
        QVERIFY(QTest::qWaitForWindowExposed(&results));

        // The details and the terms typed once in their dialog.
        QTest::mouseClick(results.findChild<QPushButton*>(QStringLiteral("cmdDetails")), Qt::LeftButton);
        auto* details = results.findChild<frmSaleDetails*>();
        QVERIFY(details);
        details->findChild<QLineEdit*>(QStringLiteral("txtHouse"))->setText(QStringLiteral("Tarnwick & Sons"));
        details->findChild<QLineEdit*>(QStringLiteral("txtTitle"))->setText(QStringLiteral("Autumn Fine Sale"));
        auto* tiers = details->findChild<QTableWidget*>(QStringLiteral("tblPremium"));
        tiers->item(0, 0)->setText(QStringLiteral("100000"));
        tiers->item(0, 1)->setText(QStringLiteral("25"));
        tiers->item(1, 1)->setText(QStringLiteral("20"));
        details->findChild<QLineEdit*>(QStringLiteral("txtTaxName"))->setText(QStringLiteral("VAT"));
        details->findChild<QLineEdit*>(QStringLiteral("txtTaxRate"))->setText(QStringLiteral("20"));
        details->findChild<QLineEdit*>(QStringLiteral("txtCommission"))->setText(QStringLiteral("12.5"));
        details->accept();
        QCOMPARE(SaleDetails::ReadBeside(journal.filePath()).title, QStringLiteral("Autumn Fine Sale"));
        QCOMPARE(SaleTerms::Load(store).premium.size(), size_t(2));

        // Nothing has gone out yet: New Sale says so before it ends the sale.
        const auto click = [&results](const char* name) {
            QTest::mouseClick(results.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
        };
        Prompts::queueAnswer(Prompts::Answer::No);
        click("cmdNewSale");
        QVERIFY(Prompts::asked().last().text.contains(QStringLiteral("never exported")));

        const QString folder = dir.filePath(QStringLiteral("invoices"));
        QVERIFY(QDir().mkpath(folder));
        Prompts::queueChoice(0);
        Prompts::queueFileName(folder);
        click("cmdInvoices");
        // Two paddles that make the same file name each keep their own invoice.
        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name),
                 QStringList({QStringLiteral("invoice-112.pdf"), QStringLiteral("invoice-9.pdf"),
                              QStringLiteral("invoice-A_1-2.pdf"), QStringLiteral("invoice-A_1.pdf"),
                              QStringLiteral("settlement-V7.pdf")}));

        const QString text = PdfText(QDir(folder).filePath(QStringLiteral("invoice-112.pdf")));
        qint64 hammer = 0, premium = 0, vat = 0;
        for (const qint64 lot : {100'003, 999'999}) {
            hammer += lot;
            premium += PremiumOf(lot);
            vat += VatOf(PremiumOf(lot));
        }
        const MoneyFormat money;
        for (const QString& expected :
             {QStringLiteral("Tarnwick & Sons"), QStringLiteral("Autumn Fine Sale"), QStringLiteral("Paddle 112"),
              QStringLiteral("Grand piano"), QStringLiteral("Page 1 of 1"),
              QStringLiteral("Total due %1 %2 %3 %4")
                  .arg(money.Text(hammer), money.Text(premium), money.Text(vat), money.Text(hammer + premium + vat))})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + text));
        QVERIFY2(!text.contains(QStringLiteral("Clock")), "a passed lot is on no invoice");

        // The vendor's settlement: 12.5% commission on each lot, rounded half to even.
        const auto commission = [](qint64 lot) {
            const qint64 thousandths = lot * 125;
            const qint64 whole = thousandths / 1000;
            const qint64 rest = thousandths % 1000;
            return rest > 500 || (rest == 500 && whole % 2 == 1) ? whole + 1 : whole;
        };
        const qint64 fee = commission(100'003) + commission(999'999);
        const QString settlement = PdfText(QDir(folder).filePath(QStringLiteral("settlement-V7.pdf")));
        const QString totals =
            QStringLiteral("Total %1 %2 %3").arg(money.Text(hammer), money.Text(fee), money.Text(hammer - fee));
        QVERIFY2(settlement.contains(totals), qPrintable(totals + QStringLiteral(" in: ") + settlement));

        // Printed, every invoice and the settlement in one job, each numbered on its own.
        const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
        results.setPrinterChooser([&printed](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return true;
        });
        Prompts::queueChoice(1);
        click("cmdInvoices");
        QCOMPARE(PdfText(printed).count(QStringLiteral("Page 1 of 1")), 5);

        // Handed out, the sale ends without the warning, and opens again read-only for its papers.
        Prompts::queueAnswer(Prompts::Answer::Yes);
        click("cmdNewSale");
        QVERIFY(!Prompts::asked().last().text.contains(QStringLiteral("never exported")));
        click("cmdPastSales");
        auto* past = results.findChild<frmPastSales*>();
        QVERIFY(past);
        QCOMPARE(past->sales().size(), size_t(1));
        QCOMPARE(past->sales().front().details.title, QStringLiteral("Autumn Fine Sale"));
        QVERIFY(past->sales().front().ended);
        QCOMPARE(past->sales().front().sold, 5);
        const QString report = dir.filePath(QStringLiteral("past.pdf"));
        Prompts::queueFileName(report);
        QTest::mouseClick(past->findChild<QPushButton*>(QStringLiteral("cmdReport")), Qt::LeftButton);
        const QString reportText = PdfText(report);
        QVERIFY(reportText.contains(QStringLiteral("Autumn Fine Sale")));
        QVERIFY(reportText.contains(QStringLiteral("Total of the 5 lots sold")));
        QVERIFY(!reportText.contains(QStringLiteral("no longer in the list")));
        const QString csv = dir.filePath(QStringLiteral("past.csv"));
        Prompts::queueFileName(csv);
        QTest::mouseClick(past->findChild<QPushButton*>(QStringLiteral("cmdExport")), Qt::LeftButton);
        // As a spreadsheet's reader takes it: the details' row, the columns' names, a row per lot.
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import csv,sys\nrows=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig',"
                                     "newline='')))\nprint(rows[0][:4], rows[1][:3], len(rows))"),
                      csv});
        QVERIFY(python.waitForFinished(30000));
        QCOMPARE(python.readAllStandardOutput().trimmed(),
                 QByteArray("['Sale', 'Autumn Fine Sale', 'House', 'Tarnwick & Sons'] ['Position', 'Lot', 'Note'] 8"));
    }

    // The lot table inside the margins at A4 and Letter, with every column, the buyer whole and
    // each page numbered, as pdftotext -bbox places the words.
    void reportFitsThePage_data()
    {
        QTest::addColumn<int>("pageSize");
        QTest::newRow("A4") << int(QPageSize::A4);
        QTest::newRow("Letter") << int(QPageSize::Letter);
    }
    void reportFitsThePage()
    {
        QFETCH(int, pageSize);
        std::vector<LotResult> results(120);
        SaleReport::Sheet sheet;
        for (size_t i = 0; i < results.size(); ++i) {
            LotResult& result = results[i];
            result.key.lotNumber = static_cast<qint32>(9000 + i);
            result.key.note = QStringLiteral("A long note that a wide column would still have to cut short somewhere");
            result.outcome = i % 3 ? LotResult::Outcome::Sold : LotResult::Outcome::Passed;
            result.price = i % 2 ? 999'999 : 1'000;
            result.startingBid = 950'000;
            result.buyer = QStringLiteral("TEL-JOHNSON7");
            sheet.rows.push_back({0, nullptr, &result});
        }
        sheet.totals = SaleRecord::Count(sheet.rows);
        sheet.details.title = QStringLiteral("Autumn Fine Sale");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        constexpr double MarginMm = 15;
        {
            QPdfWriter writer(path);
            writer.setResolution(300);
            writer.setPageLayout(QPageLayout(QPageSize(static_cast<QPageSize::PageSizeId>(pageSize)),
                                             QPageLayout::Portrait, QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                             QPageLayout::Millimeter));
            MoneyFormat money;
            money.currency = QStringLiteral("CHF");
            money.grouping = QStringLiteral("'");
            SaleReport::Paint(writer, sheet, money);
        }
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished(30000));
        const QString html = QString::fromUtf8(reader.readAllStandardOutput());
        static const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\""));
        static const QRegularExpression word(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" "
                                                            "xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
        const double width = page.match(html).captured(1).toDouble();
        const double right = width - MarginMm * 72 / 25.4;
        QStringList words;
        for (auto match = word.globalMatch(html); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            QVERIFY2(found.captured(2).toDouble() <= right + 1,
                     qPrintable(found.captured(3) + QStringLiteral(" ends at ") + found.captured(2)));
            words << found.captured(3)
                         .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
                         .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                         .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        }
        const int pages = static_cast<int>(html.count(QStringLiteral("<page ")));
        QVERIFY(pages >= 3);
        const QString text = words.join(QLatin1Char(' '));
        QCOMPARE(text.count(QStringLiteral("TEL-JOHNSON7")), 120);
        QVERIFY(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
        QVERIFY(text.contains(QStringLiteral("CHF999'999")));
        QVERIFY(text.contains(QStringLiteral("CHF950'000")));
        QVERIFY(text.contains(QStringLiteral("Total of the 80 lots sold")));
    }

    // Terms that cannot be used keep the dialog open and say why.
    void unusableTermsAreRefused()
    {
        frmSaleDetails dialog({}, {}, nullptr);
        auto* tiers = dialog.findChild<QTableWidget*>(QStringLiteral("tblPremium"));
        tiers->item(0, 0)->setText(QStringLiteral("5000"));
        tiers->item(0, 1)->setText(QStringLiteral("25"));
        tiers->item(1, 0)->setText(QStringLiteral("1000"));
        tiers->item(1, 1)->setText(QStringLiteral("20"));
        Prompts::clear();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(Prompts::asked().size(), 1);
    }
};

QTEST_MAIN(tst_Invoices)
#include "tst_invoices.moc"
