#pragma once

#include "clerk/SaleDetails.h"
#include "currency/CurrencyBoard.h"
#include "records/MoneyFormat.h"
#include "sale/SaleRecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QLocale;
class QPagedPaintDevice;

// The results of a sale on paper and in a spreadsheet: a CSV in the lot editor's dialect,
// and a report (a summary page with totals, a chart and the top ten, then every lot)
// painted the same way into a PDF or onto a printer. The texts and the CSV need no widgets
// (SaleText.cpp); the report paints (SaleReport.cpp).
namespace SaleReport {

struct Sheet
{
    QString startedAt; // ISO 8601
    std::vector<SaleRecord::Row> rows;
    SaleRecord::Totals totals;
    // The house, the title, the venue and the date; every page names the title.
    SaleDetails details = {};
    // The currency board's rates in force and each change of them during the sale; printed
    // under the totals, nothing when the board was never used.
    QStringList rates = {};
};

// The lines that say which exchange rates the room was shown.
QStringList RateLines(const SaleRecord& record, const CurrencyBoard& board);

// What a row shows of its lot: from the list, or as it was marked when its number is not there.
struct LotText
{
    QString position, lot, note, startingBid;
};
LotText Describe(const SaleRecord::Row& row);

// "$1,250": rounded to whole units, with the sale's sign and separator.
QString Money(double amount, const MoneyFormat& money);
// "81.4%", "81,4 %": a share as the locale writes it, to one decimal.
QString PercentText(double fraction, const QLocale& locale);
QString OutcomeText(const LotResult* result);
QString OutcomeText(LotResult::Outcome outcome);
// The time of day of an ISO time, or empty.
QString TimeText(const QString& isoTime);
// The sale's start as people read it.
QString DateText(const QString& isoTime);

// UTF-8 with a byte order mark, a header row, CRLF line ends. Amounts are bare numbers, for a
// spreadsheet to read; a sale in another currency than dollars names it in the header.
// The sale's details, when typed, come first on a row of their own.
QByteArray Csv(const std::vector<SaleRecord::Row>& rows, const MoneyFormat& money, const SaleDetails& details = {});
// Writes the file whole or not at all. Returns what went wrong, or nothing.
QString SaveCsv(const QString& path, const std::vector<SaleRecord::Row>& rows, const MoneyFormat& money,
                const SaleDetails& details = {});

// The report, page after page, on a PDF writer or a printer that is set up.
void Paint(QPagedPaintDevice& device, const Sheet& sheet, const MoneyFormat& money);
QString SavePdf(const QString& path, const Sheet& sheet, const MoneyFormat& money);

} // namespace SaleReport
