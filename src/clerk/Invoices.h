#pragma once

#include "clerk/SaleDetails.h"
#include "clerk/SaleTerms.h"
#include "sale/SaleRecord.h"

#include <QString>

#include <functional>
#include <vector>

// One sold lot with what the buyer pays on it, each amount rounded on its own.
struct ChargedLot
{
    qint32 lotNumber = 0;
    QString note;
    qint64 hammer = 0;
    qint64 premium = 0;
    qint64 tax = 0;
    qint64 total() const { return hammer + premium + tax; }
};

// What one paddle owes: its lots in sale order and their sums.
struct Invoice
{
    QString paddle;
    QString buyerName;
    std::vector<ChargedLot> lots;
    qint64 hammer = 0;
    qint64 premium = 0;
    qint64 tax = 0;
    qint64 total() const { return hammer + premium + tax; }
};

// What one vendor is paid: the hammer of their lots less the house's commission.
struct Settlement
{
    struct Line
    {
        qint32 lotNumber = 0;
        QString note;
        qint64 hammer = 0;
        qint64 commission = 0;
    };
    QString vendor;
    std::vector<Line> lots;
    qint64 hammer = 0;
    qint64 commission = 0;
    qint64 net() const { return hammer - commission; }
};

namespace Invoices {

// One invoice per buyer of a sold lot, in paddle order (numbers by value, then the rest);
// sold lots without a buyer are left out. The buyer's name comes from the register, if any.
std::vector<Invoice> ForBuyers(const std::vector<SaleRecord::Row>& rows, const SaleTerms& terms,
                               const std::function<QString(const QString& paddle)>& nameOf = {});
// One settlement per vendor of a sold lot, in vendor order; lots without a vendor are left out.
std::vector<Settlement> ForVendors(const std::vector<SaleRecord::Row>& rows, const SaleTerms& terms,
                                   const std::function<QString(const SaleRecord::Row&)>& vendorOf);
// A file name of its own for a paddle or a vendor: letters, digits, '-' and '_' only.
QString FileStem(const QString& prefix, const QString& who);

} // namespace Invoices
