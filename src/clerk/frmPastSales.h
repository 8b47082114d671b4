#pragma once

#include "clerk/PastSales.h"

#include <QDialog>

#include <functional>
#include <vector>

class AppSettings;
class QPrinter;
class QTableWidget;

// The sales in the sales folder, with their title, date, lots sold and total; the one chosen
// gives its report, invoices and CSV again, read from its journal and never written to.
class frmPastSales : public QDialog
{
    Q_OBJECT

public:
    frmPastSales(const QString& folder, const AppSettings& settings, std::function<bool(QPrinter&)> choosePrinter,
                 QWidget* parent);

    const std::vector<PastSales::Summary>& sales() const { return m_sales; }

private:
    // The chosen sale read back, or nothing (with the reason said) when it cannot be.
    std::unique_ptr<PastSales::Sale> Chosen();
    void cmdReport_Click();
    void cmdInvoices_Click();
    void cmdExport_Click();

    const AppSettings& m_settings;
    std::function<bool(QPrinter&)> m_choosePrinter;
    std::vector<PastSales::Summary> m_sales;
    QTableWidget* lstSales;
};
