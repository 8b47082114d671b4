#pragma once

#include "records/MoneyFormat.h"

#include "sale/SaleRecord.h"
#include "sale/SaleReport.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <optional>
#include <tuple>

class AppSettings;
class BidderRegister;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableView;
class QTableWidget;
class SaleController;
class SaleJournal;

// The results of the sale lot by lot, as the clerk keeps them: one row for each lot of the
// list in sale order, then the results of lot numbers that are not in the list. Only the
// Buyer column is typed into; the sale records every change.
class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Position,
        Lot,
        Note,
        StartingBid,
        Result,
        Hammer,
        BidReached,
        Offers,
        Time,
        Buyer,
        ColumnCount
    };
    static constexpr int MaxBuyerLength = 12;

    explicit ResultsModel(SaleController& sale, QObject* parent = nullptr);

    // Takes the rows again from the record and the lot list.
    void Reload(const LotCollection& lots);
    const std::vector<SaleRecord::Row>& rows() const { return m_rows; }
    // The sale's sign and separator for the amount columns; true when they changed.
    bool setMoney(const MoneyFormat& money);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The lot number a row stands for.
    static qint32 LotNumberOf(const SaleRecord::Row& row);
    // The bidders a buyer is looked up in: one not there is flagged, once there are any.
    void setRegister(const BidderRegister* bidders);
    void BiddersChanged();

private:
    QString ShownNote(int row, const QString& note) const;

    SaleController& m_sale;
    std::vector<SaleRecord::Row> m_rows;
    mutable std::vector<std::optional<QString>> m_shownNotes;
    MoneyFormat m_money;
    const BidderRegister* m_bidders = nullptr;
};

// F4: the sale's results beside the scoreboard, live as lots are marked; totals, clearing
// a result, putting a lot back on the board, a new sale, and the results as CSV, PDF and
// on paper.
class frmResults : public QWidget
{
    Q_OBJECT

public:
    frmResults(SaleController& sale, AppSettings& settings, QWidget* parent = nullptr);
    ~frmResults() override;

    // Shows the window beside `owner` the first time, brings it to the front after. Without
    // `activate` it leaves the keyboard where it is.
    void Open(QWidget* owner, bool activate = true);

    // How printing chooses its printer; a test sets one that prints to a file. False when
    // the operator cancelled.
    void setPrinterChooser(std::function<bool(QPrinter&)> chooser) { m_choosePrinter = std::move(chooser); }

    ResultsModel* model() const { return m_model; }
    // The lot list was handed back by the lot editor: its rows are taken again.
    void LotsChanged();
    // Commits a buyer being typed, as closing the window would; for when no window can close.
    void CommitEdit();

    // A sale's papers, asked for over `parent`: this window's sale or one read back from its
    // journal. True when they went out (saved or printed).
    static bool ExportCsv(QWidget* parent, const std::vector<SaleRecord::Row>& rows, const MoneyFormat& money,
                          const SaleDetails& details);
    static bool SaveReport(QWidget* parent, const SaleReport::Sheet& sheet, const MoneyFormat& money);
    static bool HandOutInvoices(QWidget* parent, const std::vector<SaleRecord::Row>& rows, const SaleDetails& details,
                                const AppSettings& settings, const std::function<bool(QPrinter&)>& choosePrinter);

signals:
    // A lot to put on the board as Right and Left would; with the bid that was on show when
    // a restart offers the board back.
    void ShowOnBoard(qint32 position, std::optional<qint32> amount);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildControls();
    void Refresh();
    void ShowTotals();
    void ShowSaving();
    void BuildEarlierNotice(QBoxLayout* layout);
    void ShowEarlier();
    void cmdOpenEarlier_Click();
    // The row selected, or null.
    const SaleRecord::Row* SelectedRow() const;
    void SelectPosition(qint32 position);
    void ShowNotice();
    void cmdClear_Click();
    void cmdWithdraw_Click();
    void cmdShowOnBoard_Click();
    void cmdNewSale_Click();
    void cmdExport_Click();
    void cmdReport_Click();
    void cmdPrint_Click();
    void cmdDetails_Click();
    void cmdPastSales_Click();
    // The report's sheet of this sale as it stands.
    SaleReport::Sheet Sheet() const;
    // Marked results that went out neither as CSV, nor as a report, nor as invoices.
    bool NeverHandedOut() const;
    // Every column as wide as its header and the widest text it can hold; the window to match.
    void FitColumns(bool resizeWindow);
    void cmdInvoices_Click();
    QWidget* BuildBiddersPage();
    void ShowBidders();
    void BiddersChanged();
    void cmdAddBidder_Click();
    void cmdRemoveBidder_Click();
    void cmdImportBidders_Click();

    SaleJournal& journal() const;

    SaleController& m_sale;
    AppSettings& m_settings;
    ResultsModel* m_model = nullptr;
    QTableView* lstResults = nullptr;
    QLabel* lblStarted = nullptr;
    QLabel* lblSold = nullptr;
    QLabel* lblPassed = nullptr;
    QLabel* lblNotOffered = nullptr;
    QLabel* lblWithdrawn = nullptr;
    QLabel* lblHammer = nullptr;
    QLabel* lblAverage = nullptr;
    QLabel* lblSellThrough = nullptr;
    QLabel* lblAgainstStart = nullptr;
    QLabel* lblSaving = nullptr;
    QLabel* lblGone = nullptr;
    QLabel* lblResume = nullptr;
    QLabel* lblNotice = nullptr;
    QLabel* lblEarlier = nullptr;
    QPushButton* cmdOpenEarlier = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdShowOnBoard = nullptr;
    QLineEdit* txtBidderPaddle = nullptr;
    QLineEdit* txtBidderName = nullptr;
    QLineEdit* txtBidderContact = nullptr;
    QTableWidget* lstBidders = nullptr;
    // Right after a restart: where the board stood when the last run ended.
    std::optional<SaleRecord::OnShow> m_resume;
    bool m_placed = false;
    // What the rows were last taken from: marks, sale, lot list and its length.
    std::tuple<qint64, QString, const void*, qint32> m_shown;
    std::function<bool(QPrinter&)> m_choosePrinter;
    // Exported, reported, printed or invoiced since the sale began.
    bool m_handedOut = false;
};
