#pragma once

#include "clerk/SaleDetails.h"
#include "clerk/SaleTerms.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

// The sale's details (the house, the title, the venue and the date) and the house's terms
// (the buyer's premium, the tax and the vendors' commission), typed once before the invoices.
// Opened without a modal loop; accepted only with terms that can be used.
class frmSaleDetails : public QDialog
{
    Q_OBJECT

public:
    frmSaleDetails(const SaleDetails& details, const SaleTerms& terms, QWidget* parent);

    // What the boxes hold, or nothing with the reason told through the prompts.
    std::optional<SaleTerms> Terms();
    SaleDetails Details() const;

    void accept() override;

private:
    QLineEdit* txtHouse;
    QPlainTextEdit* txtAddress;
    QLineEdit* txtTitle;
    QLineEdit* txtVenue;
    QLineEdit* txtDate;
    QTableWidget* tblPremium;
    QLineEdit* txtTaxName;
    QLineEdit* txtTaxRate;
    QCheckBox* chkTaxOnHammer;
    QLineEdit* txtCommission;
};
