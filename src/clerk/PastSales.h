#pragma once

#include "clerk/SaleDetails.h"
#include "records/LotCollection.h"
#include "sale/SaleRecord.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The sales kept in the sales folder, read back without touching them: each journal is read,
// never written, so an ended sale can give its report, invoices and CSV again.
namespace PastSales {

struct Summary
{
    QString path;
    SaleDetails details;
    QString startedAt; // ISO 8601
    bool ended = false;
    int sold = 0;
    qint64 hammer = 0;
};

// Every journal of the folder that can be read, the newest first.
std::vector<Summary> List(const QString& folder);

// A sale as its journal holds it: its record, and its lots as they stood when they were marked.
struct Sale
{
    SaleRecord record;
    LotCollection lots;
    SaleDetails details;
    std::vector<SaleRecord::Row> Rows() const { return record.Rows(lots); }
};
// Nothing when the journal cannot be read.
std::unique_ptr<Sale> Load(const QString& path);

} // namespace PastSales
