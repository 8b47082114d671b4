// The results window on a laptop's screen under a real X server: every column whole at the
// window's first size, and every amount with the sale's sign and grouping.
#include "common/Translations.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleController.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "support/TestLots.h"
#include "support/XvfbServer.h"

#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class tst_ResultsXvfb : public QObject
{
    Q_OBJECT

private slots:
    // In the language of the environment, as the program starts in it.
    void initTestCase() { Translations::Install(); }

    // Every column shows whole at the window's first size, the Buyer column included, and every
    // amount carries the sale's sign and grouping.
    void resultsShowEveryColumn()
    {
        QTemporaryDir dir;
        MemorySettingsStore store;
        AppSettings settings(store);
        settings.Currency = QStringLiteral("CHF");
        settings.Grouping = QStringLiteral("'");
        AddLots(*settings.LotList, {{1, 950'000, QStringLiteral("Oak chest")}});
        AddIncrements(*settings.IncrementList, {{0, 5}});
        SaleJournal journal(dir.filePath(QStringLiteral("sales")));
        journal.Open();
        SaleController sale(settings);
        sale.setJournal(&journal);
        sale.ShowLotAt(1, 999'999);
        sale.MarkSold();
        sale.SetBuyer(1, QStringLiteral("TEL-JOHNSON7"));
        frmResults results(sale, settings);
        results.show();
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        auto* list = results.findChild<QTableView*>(QStringLiteral("lstResults"));
        const QHeaderView* header = list->horizontalHeader();
        for (int column = 0; column < header->count(); ++column) {
            const QString title = list->model()->headerData(column, Qt::Horizontal).toString();
            const QString cell = list->model()->index(0, column).data().toString();
            const int needed = std::max(header->fontMetrics().horizontalAdvance(title),
                                        column == ResultsModel::Note ? 0 : list->fontMetrics().horizontalAdvance(cell));
            QVERIFY2(header->sectionSize(column) > needed, qPrintable(title));
            QVERIFY2(header->sectionViewportPosition(column) + header->sectionSize(column) <= list->viewport()->width(),
                     qPrintable(title));
        }
        // The window itself, its buttons included, fits the laptop's screen.
        QVERIFY2(results.frameGeometry().width() <= results.screen()->availableGeometry().width(),
                 qPrintable(QString::number(results.frameGeometry().width())));
        QCOMPARE(list->model()->index(0, ResultsModel::Hammer).data().toString(), QStringLiteral("CHF999'999"));
        QCOMPARE(list->model()->index(0, ResultsModel::StartingBid).data().toString(), QStringLiteral("CHF950'000"));
    }
};

GAVELOR_XVFB_TEST_MAIN(tst_ResultsXvfb, {QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1366x768x24")})
#include "tst_results_xvfb.moc"
