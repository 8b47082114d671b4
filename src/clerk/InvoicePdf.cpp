#include "clerk/InvoicePdf.h"

#include "clerk/PagedDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSet>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("InvoicePdf", text);
}

// The house and the sale, at the head of every page one.
void Heading(PagedDocument& document, const QString& kind, const QString& whom, const InvoicePdf::Context& context)
{
    const SaleDetails& details = context.details;
    if (!details.house.isEmpty())
        document.AddLines({details.house}, 16, true);
    if (!details.address.isEmpty())
        document.AddLines(details.address.split(QLatin1Char('\n')), 9);
    document.AddSpace(6);
    document.AddLines({kind}, 14, true);
    QStringList sale;
    if (!details.title.isEmpty())
        sale << details.title;
    QStringList where;
    for (const QString& part : {details.venue, details.date}) {
        if (!part.isEmpty())
            where << part;
    }
    if (!where.isEmpty())
        sale << where.join(QStringLiteral(", "));
    document.AddLines(sale, 10);
    document.AddSpace(3);
    document.AddLines({whom}, 11, true);
    document.AddSpace(4);
}

QString FooterTitle(const QString& kind, const InvoicePdf::Context& context)
{
    return context.details.title.isEmpty() ? kind : context.details.title + QStringLiteral(" \u2013 ") + kind;
}

bool Save(const QString& path, const QString& title, const std::function<void(QPagedPaintDevice&)>& paint,
          QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Gavelor"));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 18, 15),
                                         QPageLayout::Millimeter));
        paint(writer);
    }
    if (!file.commit()) {
        error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

QString InvoiceKind()
{
    return Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Invoice"));
}

QString SettlementKind()
{
    return Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Settlement"));
}

void LayInvoice(PagedDocument& document, const Invoice& invoice, const InvoicePdf::Context& context)
{
    const QString kind = InvoiceKind();
    const QString whom =
        invoice.buyerName.isEmpty()
            ? Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Paddle %1")).arg(invoice.paddle)
            : Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Paddle %1 \u2013 %2")).arg(invoice.paddle, invoice.buyerName);
    Heading(document, kind, whom, context);

    const QString taxName =
        context.terms.taxName.isEmpty() ? Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Tax")) : context.terms.taxName;
    const MoneyFormat& money = context.money;
    std::vector<QStringList> rows;
    rows.reserve(invoice.lots.size());
    for (const ChargedLot& lot : invoice.lots)
        rows.push_back({QString::number(lot.lotNumber), lot.note, money.Text(lot.hammer), money.Text(lot.premium),
                        money.Text(lot.tax), money.Text(lot.total())});
    document.AddTable({{Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Lot"))},
                       {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Description")), Qt::AlignLeft, true},
                       {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Hammer"))},
                       {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Premium"))},
                       {taxName},
                       {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Total"))}},
                      rows,
                      {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Total due")), QString(), money.Text(invoice.hammer),
                       money.Text(invoice.premium), money.Text(invoice.tax), money.Text(invoice.total())});
    document.AddSpace(6);
    document.AddLines({context.terms.Describe([&](qint64 amount) { return money.Text(amount); })}, 8);
}

void LaySettlement(PagedDocument& document, const Settlement& settlement, const InvoicePdf::Context& context)
{
    const QString kind = SettlementKind();
    Heading(document, kind, Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Vendor %1")).arg(settlement.vendor), context);
    const MoneyFormat& money = context.money;
    std::vector<QStringList> rows;
    rows.reserve(settlement.lots.size());
    for (const Settlement::Line& lot : settlement.lots)
        rows.push_back({QString::number(lot.lotNumber), lot.note, money.Text(lot.hammer), money.Text(lot.commission),
                        money.Text(lot.hammer - lot.commission)});
    document.AddTable({{Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Lot"))},
                       {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Description")), Qt::AlignLeft, true},
                       {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Hammer"))},
                       {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Commission"))},
                       {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Net"))}},
                      rows,
                      {Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Total")), QString(), money.Text(settlement.hammer),
                       money.Text(settlement.commission), money.Text(settlement.net())});
    document.AddSpace(6);
    document.AddLines({Tr(QT_TRANSLATE_NOOP("InvoicePdf", "Commission %1% of the hammer. Each amount is rounded to the "
                                                          "whole unit, a half to the even unit."))
                           .arg(context.terms.commission.Text())},
                      8);
}

} // namespace

namespace InvoicePdf {

void PaintInvoice(QPagedPaintDevice& device, const Invoice& invoice, const Context& context)
{
    PagedDocument document(device, FooterTitle(InvoiceKind(), context), context.printedAt);
    LayInvoice(document, invoice, context);
}

void PaintSettlement(QPagedPaintDevice& device, const Settlement& settlement, const Context& context)
{
    PagedDocument document(device, FooterTitle(SettlementKind(), context), context.printedAt);
    LaySettlement(document, settlement, context);
}

void PrintAll(QPagedPaintDevice& device, const std::vector<Invoice>& invoices,
              const std::vector<Settlement>& settlements, const Context& context)
{
    QPainter painter(&device);
    bool afterAnother = false;
    for (const Invoice& invoice : invoices) {
        PagedDocument document(device, FooterTitle(InvoiceKind(), context), context.printedAt, painter, afterAnother);
        LayInvoice(document, invoice, context);
        afterAnother = true;
    }
    for (const Settlement& settlement : settlements) {
        PagedDocument document(device, FooterTitle(SettlementKind(), context), context.printedAt, painter,
                               afterAnother);
        LaySettlement(document, settlement, context);
        afterAnother = true;
    }
}

Saved SaveAll(const QString& folder, const std::vector<Invoice>& invoices, const std::vector<Settlement>& settlements,
              const Context& context)
{
    Saved saved;
    const QDir dir(folder);
    QSet<QString> taken;
    const auto pathFor = [&](const QString& stem) {
        QString name = stem;
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = QStringLiteral("%1-%2").arg(stem).arg(n);
        taken.insert(name.toLower());
        return dir.filePath(name + QStringLiteral(".pdf"));
    };
    for (const Invoice& invoice : invoices) {
        const QString path = pathFor(Invoices::FileStem(QStringLiteral("invoice"), invoice.paddle));
        if (!Save(
                path, InvoiceKind(), [&](QPagedPaintDevice& device) { PaintInvoice(device, invoice, context); },
                saved.error))
            return saved;
        saved.files << path;
    }
    for (const Settlement& settlement : settlements) {
        const QString path = pathFor(Invoices::FileStem(QStringLiteral("settlement"), settlement.vendor));
        if (!Save(
                path, SettlementKind(),
                [&](QPagedPaintDevice& device) { PaintSettlement(device, settlement, context); }, saved.error))
            return saved;
        saved.files << path;
    }
    return saved;
}

} // namespace InvoicePdf
