#pragma once

#include "clerk/Invoices.h"
#include "records/MoneyFormat.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

// Invoices and vendors' settlements on paper: one document each, on a PDF writer or a printer.
namespace InvoicePdf {

struct Context
{
    SaleDetails details;
    SaleTerms terms;
    MoneyFormat money;
    // When they were printed, as people read it.
    QString printedAt;
};

void PaintInvoice(QPagedPaintDevice& device, const Invoice& invoice, const Context& context);
void PaintSettlement(QPagedPaintDevice& device, const Settlement& settlement, const Context& context);
// Every invoice, then every settlement, each from a page of its own, in one job on a printer.
void PrintAll(QPagedPaintDevice& device, const std::vector<Invoice>& invoices,
              const std::vector<Settlement>& settlements, const Context& context);

struct Saved
{
    QStringList files;
    // What went wrong, or empty when every file was written.
    QString error;
};
// One PDF file per invoice and per settlement in `folder`, each written whole or not at all;
// two buyers whose names make the same file name never overwrite each other.
Saved SaveAll(const QString& folder, const std::vector<Invoice>& invoices, const std::vector<Settlement>& settlements,
              const Context& context);

} // namespace InvoicePdf
