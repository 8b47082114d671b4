#include "clerk/Invoices.h"

#include <QMap>

#include <algorithm>

namespace {

bool SoldWithPrice(const SaleRecord::Row& row)
{
    return row.result && row.result->outcome == LotResult::Outcome::Sold;
}

qint32 LotNumberOf(const SaleRecord::Row& row)
{
    return row.lot ? row.lot->LotNumber : row.result->key.lotNumber;
}

QString NoteOf(const SaleRecord::Row& row)
{
    return (row.lot ? row.lot->Note : row.result->key.note).simplified();
}

bool AllDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

QStringView WithoutLeadingZeros(const QString& digits)
{
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == QLatin1Char('0'))
        ++first;
    return QStringView(digits).mid(first);
}

// Paddles and vendors as a clerk sorts them, whatever the locale: numbers by value (9 before
// 10), then the rest alphabetically.
bool ClerkOrder(const QString& a, const QString& b)
{
    const bool numberA = AllDigits(a);
    const bool numberB = AllDigits(b);
    if (numberA != numberB)
        return numberA;
    if (numberA) {
        const QStringView plainA = WithoutLeadingZeros(a);
        const QStringView plainB = WithoutLeadingZeros(b);
        if (plainA.size() != plainB.size())
            return plainA.size() < plainB.size();
        return plainA != plainB ? plainA < plainB : a < b;
    }
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

template <typename T> void SortBy(std::vector<T>& items, QString T::*who)
{
    std::stable_sort(items.begin(), items.end(), [&](const T& a, const T& b) { return ClerkOrder(a.*who, b.*who); });
}

} // namespace

namespace Invoices {

std::vector<Invoice> ForBuyers(const std::vector<SaleRecord::Row>& rows, const SaleTerms& terms,
                               const std::function<QString(const QString& paddle)>& nameOf)
{
    std::vector<Invoice> invoices;
    QHash<QString, size_t> byPaddle;
    for (const SaleRecord::Row& row : rows) {
        if (!SoldWithPrice(row))
            continue;
        const QString paddle = row.result->buyer.trimmed();
        if (paddle.isEmpty())
            continue;
        auto found = byPaddle.constFind(paddle);
        if (found == byPaddle.cend()) {
            found = byPaddle.insert(paddle, invoices.size());
            invoices.push_back({paddle, nameOf ? nameOf(paddle) : QString(), {}, 0, 0, 0});
        }
        Invoice& invoice = invoices[*found];
        ChargedLot lot{LotNumberOf(row), NoteOf(row), row.result->price, 0, 0};
        lot.premium = terms.Premium(lot.hammer);
        lot.tax = terms.Tax(lot.hammer, lot.premium);
        invoice.hammer += lot.hammer;
        invoice.premium += lot.premium;
        invoice.tax += lot.tax;
        invoice.lots.push_back(std::move(lot));
    }
    SortBy(invoices, &Invoice::paddle);
    return invoices;
}

std::vector<Settlement> ForVendors(const std::vector<SaleRecord::Row>& rows, const SaleTerms& terms,
                                   const std::function<QString(const SaleRecord::Row&)>& vendorOf)
{
    std::vector<Settlement> settlements;
    QHash<QString, size_t> byVendor;
    for (const SaleRecord::Row& row : rows) {
        if (!SoldWithPrice(row))
            continue;
        const QString vendor = vendorOf(row).trimmed();
        if (vendor.isEmpty())
            continue;
        auto found = byVendor.constFind(vendor);
        if (found == byVendor.cend()) {
            found = byVendor.insert(vendor, settlements.size());
            settlements.push_back({vendor, {}, 0, 0});
        }
        Settlement& settlement = settlements[*found];
        const qint64 hammer = row.result->price;
        const qint64 commission = terms.Commission(hammer);
        settlement.hammer += hammer;
        settlement.commission += commission;
        settlement.lots.push_back({LotNumberOf(row), NoteOf(row), hammer, commission});
    }
    SortBy(settlements, &Settlement::vendor);
    return settlements;
}

QString FileStem(const QString& prefix, const QString& who)
{
    QString safe;
    for (const QChar c : who) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-');
        safe += plain ? c : QLatin1Char('_');
    }
    return prefix + QLatin1Char('-') + safe;
}

} // namespace Invoices
