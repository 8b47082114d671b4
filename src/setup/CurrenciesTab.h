#pragma once

#include "currency/CurrencyBoard.h"
#include "setup/frmOptionsDesign.h"

class AppSettings;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class SettingsStore;

// "Currencies": the currency board on or off, the sale's own ISO code, up to eight currencies
// with their rates and rounding, and the euro reference rates imported from a file. Nothing of it
// is stored until the board has been turned on.
class CurrenciesTab : public OptionsTabPage
{
    Q_OBJECT

public:
    enum Column
    {
        ColumnCode,
        ColumnSign,
        ColumnRate,
        ColumnStep,
        Columns
    };

    explicit CurrenciesTab(QTabWidget* tabs);

    void Load(const AppSettings& settings, const SettingsStore& store);
    // What is wrong with the entries, said to the operator with the focus on the entry; true when
    // nothing is.
    bool Validate();
    // The board as the controls have it; lines with invalid rates are left out.
    CurrencyBoard Pending() const;
    // Stores the board once it has been turned on, now or before; false when the store could
    // not be written.
    bool Commit(SettingsStore& store);
    // The board that the last Commit put in force: nothing of it while it has never been set up.
    const CurrencyBoard& Committed() const { return m_committed; }

    QTableWidget* table() const { return grdRates; }

private:
    void chkCurrencyOn_Click();
    void cmdImportRates_Click();
    void FillTable(const QList<CurrencyLine>& lines);
    QList<CurrencyLine> TableLines() const;
    void ShowRatesTime();

    CurrencyBoard m_loaded;
    CurrencyBoard m_committed;
    QDateTime m_ratesTime;

    QCheckBox* chkCurrencyOn = nullptr;
    QLabel* lblSaleCode = nullptr;
    QLineEdit* txtSaleCode = nullptr;
    QTableWidget* grdRates = nullptr;
    QPushButton* cmdImportRates = nullptr;
    QLabel* lblRatesTime = nullptr;
};
