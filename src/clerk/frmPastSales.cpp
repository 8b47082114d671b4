#include "clerk/frmPastSales.h"

#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "sale/SaleReport.h"
#include "sale/frmResults.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmPastSales::frmPastSales(const QString& folder, const AppSettings& settings,
                           std::function<bool(QPrinter&)> choosePrinter, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_choosePrinter(std::move(choosePrinter)), m_sales(PastSales::List(folder))
{
    setObjectName(QStringLiteral("frmPastSales"));
    setWindowTitle(tr("Gavelor - Open Sale"));
    auto* layout = new QVBoxLayout(this);
    lstSales = new QTableWidget(static_cast<int>(m_sales.size()), 5, this);
    lstSales->setObjectName(QStringLiteral("lstSales"));
    lstSales->setAccessibleName(tr("Sales"));
    lstSales->setHorizontalHeaderLabels({tr("Sale"), tr("Started"), tr("Lots sold"), tr("Total hammer"), tr("State")});
    lstSales->verticalHeader()->hide();
    lstSales->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstSales->setSelectionMode(QAbstractItemView::SingleSelection);
    lstSales->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstSales->setTabKeyNavigation(false);
    const MoneyFormat money = settings.Money();
    for (int row = 0; row < lstSales->rowCount(); ++row) {
        const PastSales::Summary& sale = m_sales[static_cast<size_t>(row)];
        const QString title =
            sale.details.title.isEmpty() ? QFileInfo(sale.path).completeBaseName() : sale.details.title;
        const QStringList cells{title, SaleReport::DateText(sale.startedAt), QString::number(sale.sold),
                                money.Text(sale.hammer), sale.ended ? tr("Ended") : tr("Open")};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 2 || column == 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            lstSales->setItem(row, column, item);
        }
    }
    lstSales->resizeColumnsToContents();
    lstSales->horizontalHeader()->setStretchLastSection(true);
    if (lstSales->rowCount() > 0)
        lstSales->selectRow(0);
    layout->addWidget(lstSales, 1);

    auto* buttons = new QDialogButtonBox(this);
    const auto addButton = [&](const char* name, const QString& caption, void (frmPastSales::*handler)()) {
        QPushButton* button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        button->setEnabled(!m_sales.empty());
        connect(button, &QPushButton::clicked, this, handler);
    };
    addButton("cmdReport", tr("&Report..."), &frmPastSales::cmdReport_Click);
    addButton("cmdInvoices", tr("&Invoices..."), &frmPastSales::cmdInvoices_Click);
    addButton("cmdExport", tr("&Export..."), &frmPastSales::cmdExport_Click);
    connect(buttons->addButton(QDialogButtonBox::Close), &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(760, 420);
}

std::unique_ptr<PastSales::Sale> frmPastSales::Chosen()
{
    const int row = lstSales->currentRow();
    if (row < 0 || row >= static_cast<int>(m_sales.size()))
        return nullptr;
    std::unique_ptr<PastSales::Sale> sale = PastSales::Load(m_sales[static_cast<size_t>(row)].path);
    if (!sale)
        Prompts::Inform(this, tr("This sale's journal can no longer be read."), Prompts::Icon::Warning);
    return sale;
}

void frmPastSales::cmdReport_Click()
{
    if (const auto sale = Chosen()) {
        const std::vector<SaleRecord::Row> rows = sale->Rows();
        frmResults::SaveReport(this, {sale->record.SaleStart(), rows, SaleRecord::Count(rows), sale->details},
                               m_settings.Money());
    }
}

void frmPastSales::cmdInvoices_Click()
{
    if (const auto sale = Chosen())
        frmResults::HandOutInvoices(this, sale->Rows(), sale->details, m_settings, m_choosePrinter);
}

void frmPastSales::cmdExport_Click()
{
    if (const auto sale = Chosen())
        frmResults::ExportCsv(this, sale->Rows(), m_settings.Money(), sale->details);
}
