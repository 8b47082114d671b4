#include "clerk/PastSales.h"

#include "sale/JournalReader.h"

#include <QDir>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace PastSales {

std::unique_ptr<Sale> Load(const QString& path)
{
    const JournalFile::Opened file = JournalFile::Open(path, O_RDONLY);
    if (file.fd < 0)
        return nullptr;
    auto sale = std::make_unique<Sale>();
    const JournalFile::Reading reading =
        JournalFile::Read(file.fd, [&sale](QByteArrayView, const SaleEvent& event) { sale->record.Apply(event); });
    ::close(file.fd);
    if (!reading.ok || !reading.hasStart)
        return nullptr;
    // The lots as the sale knew them: a result keeps its lot's place, number, note and start.
    std::vector<const LotResult*> results;
    for (const LotResult& result : sale->record.Results())
        results.push_back(&result);
    std::stable_sort(results.begin(), results.end(),
                     [](const LotResult* a, const LotResult* b) { return a->key.position < b->key.position; });
    for (const LotResult* result : results) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = result->key.lotNumber;
        lot->Amount = result->startingBid;
        lot->Note = result->key.note;
        sale->lots.Add(lot);
    }
    sale->details = SaleDetails::ReadBeside(path);
    return sale;
}

std::vector<Summary> List(const QString& folder)
{
    std::vector<Summary> sales;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("sale-*.jsonl")}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        const std::unique_ptr<Sale> sale = Load(path);
        if (!sale)
            continue;
        const SaleRecord::Totals totals = SaleRecord::Count(sale->Rows());
        sales.push_back(
            {path, sale->details, sale->record.SaleStart(), sale->record.Ended(), totals.sold, totals.hammer});
    }
    std::stable_sort(sales.begin(), sales.end(),
                     [](const Summary& a, const Summary& b) { return a.startedAt > b.startedAt; });
    return sales;
}

} // namespace PastSales
