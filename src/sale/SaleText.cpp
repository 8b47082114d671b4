#include "sale/SaleReport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

void AppendCell(QByteArray& out, const QString& cell)
{
    const bool quote = std::any_of(cell.begin(), cell.end(),
                                   [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; });
    if (!quote) {
        out += cell.toUtf8();
        return;
    }
    out += '"';
    out += cell.toUtf8().replace('"', "\"\"");
    out += '"';
}

} // namespace

namespace SaleReport {

QString PercentText(double fraction, const QLocale& locale)
{
    const QString number = locale.toString(fraction * 100.0, 'f', 1);
    // Where the language sets the sign apart, it stays on the number's line.
    switch (locale.language()) {
    case QLocale::French:
        return number + QChar(0x202F) + locale.percent();
    case QLocale::German:
    case QLocale::Spanish:
    case QLocale::Swedish:
    case QLocale::NorwegianBokmal:
    case QLocale::Danish:
    case QLocale::Finnish:
    case QLocale::Czech:
    case QLocale::Polish:
        return number + QChar(0x00A0) + locale.percent();
    default:
        return number + locale.percent();
    }
}

LotText Describe(const SaleRecord::Row& row)
{
    if (row.lot)
        return {QString::number(row.position), QString::number(row.lot->LotNumber), row.lot->Note,
                QString::number(row.result && row.result->outcome != LotResult::Outcome::None ? row.result->startingBid
                                                                                              : row.lot->Amount)};
    return {QString(), QString::number(row.result->key.lotNumber), row.result->key.note,
            QString::number(row.result->startingBid)};
}

QString Money(double amount, const MoneyFormat& money)
{
    return money.Text(std::llround(amount));
}

// The result in English, as the CSV export writes it in every language; empty when there is none.
static const char* OutcomeWord(const LotResult* result)
{
    if (!result)
        return "";
    switch (result->outcome) {
    case LotResult::Outcome::Sold:
        return result->belowReserve ? QT_TRANSLATE_NOOP("SaleReport", "Sold below reserve")
                                    : QT_TRANSLATE_NOOP("SaleReport", "Sold");
    case LotResult::Outcome::Passed:
        return result->boughtIn ? QT_TRANSLATE_NOOP("SaleReport", "Bought in")
                                : QT_TRANSLATE_NOOP("SaleReport", "Passed");
    case LotResult::Outcome::Cleared:
        return QT_TRANSLATE_NOOP("SaleReport", "Cleared");
    case LotResult::Outcome::Withdrawn:
        return QT_TRANSLATE_NOOP("SaleReport", "Withdrawn");
    case LotResult::Outcome::None:
        break;
    }
    return "";
}

QString OutcomeText(const LotResult* result)
{
    const char* word = OutcomeWord(result);
    return *word ? QCoreApplication::translate("SaleReport", word) : QString();
}

QString OutcomeText(LotResult::Outcome outcome)
{
    LotResult result;
    result.outcome = outcome;
    return OutcomeText(&result);
}

QString TimeText(const QString& isoTime)
{
    const QDateTime time = QDateTime::fromString(isoTime, Qt::ISODateWithMs);
    return time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : QString();
}

QString DateText(const QString& isoTime)
{
    const QDateTime time = QDateTime::fromString(isoTime, Qt::ISODateWithMs);
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

QByteArray Csv(const std::vector<SaleRecord::Row>& rows, const MoneyFormat& money, const SaleDetails& details)
{
    QByteArray out;
    out.reserve(80 + static_cast<qsizetype>(rows.size()) * 60);
    out += "\xEF\xBB\xBF";
    // The sale's details, once typed, on a row of their own above the columns' names.
    if (!details.isEmpty()) {
        const QString cells[] = {QStringLiteral("Sale"),  details.title, QStringLiteral("House"), details.house,
                                 QStringLiteral("Venue"), details.venue, QStringLiteral("Date"),  details.date};
        for (const QString& cell : cells) {
            AppendCell(out, cell);
            out += ',';
        }
        out.chop(1);
        out += "\r\n";
    }
    // Dollars are what the columns always held; any other currency is named with them.
    const QString unit =
        money.currency == MoneyFormat::DefaultCurrency ? QString() : QStringLiteral(" (%1)").arg(money.currency);
    out += "Position,Lot,Note,";
    AppendCell(out, QStringLiteral("Starting bid") + unit);
    out += ",Result,";
    AppendCell(out, QStringLiteral("Hammer") + unit);
    out += ",Time,Buyer,";
    AppendCell(out, QStringLiteral("Bid reached") + unit);
    out += ",Offers\r\n";
    for (const SaleRecord::Row& row : rows) {
        const LotText lot = Describe(row);
        const LotResult* result = row.result;
        const bool sold = result && result->outcome == LotResult::Outcome::Sold;
        out += lot.position.toUtf8() + ',' + lot.lot.toUtf8() + ',';
        AppendCell(out, lot.note);
        out += ',' + lot.startingBid.toUtf8() + ',' + OutcomeWord(result) + ',';
        if (sold)
            out += QByteArray::number(result->price);
        out += ',';
        if (result)
            out += TimeText(result->time).toUtf8();
        out += ',';
        if (result)
            AppendCell(out, result->buyer);
        out += ',';
        if (result && result->outcome == LotResult::Outcome::Passed)
            out += QByteArray::number(result->price);
        out += ',';
        if (result && result->offers > 0)
            out += QByteArray::number(result->offers);
        out += "\r\n";
    }
    return out;
}

QString SaveCsv(const QString& path, const std::vector<SaleRecord::Row>& rows, const MoneyFormat& money,
                const SaleDetails& details)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(Csv(rows, money, details));
    if (!file.commit())
        return file.errorString();
    return {};
}

QStringList RateLines(const SaleRecord& record, const CurrencyBoard& board)
{
    QStringList lines;
    if (board.Showing()) {
        QString line = QCoreApplication::translate("SaleReport", "Exchange rates in force: %1").arg(board.RatesText());
        const QString time = board.RatesTimeText();
        if (!time.isEmpty())
            line += QStringLiteral(" (") + time + u')';
        lines << line;
    }
    for (const SaleRecord::RateChange& change : record.RateChanges())
        lines << QCoreApplication::translate("SaleReport", "Exchange rates changed at %1: %2")
                     .arg(TimeText(change.time), change.rates);
    return lines;
}

} // namespace SaleReport
