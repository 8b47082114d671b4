#include "sale/frmResults.h"

#include "common/Announcement.h"
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "sale/SaleJournal.h"
#include "sale/SaleReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The buyer is a paddle or bidder number: the editor takes no more than fits.
class BuyerDelegate : public QStyledItemDelegate
{
public:
    BuyerDelegate(Announcement* announcement, QObject* parent)
        : QStyledItemDelegate(parent), m_announcement(announcement)
    {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(ResultsModel::MaxBuyerLength);
        // A screen reader otherwise announces an unnamed "text" over a row it cannot see; and Orca
        // takes the new editor's first caret move for its focus, so says nothing of it: tell it.
        editor->setAccessibleName(EditorName(index));
        m_announcement->Say(EditorName(index));
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        QStyledItemDelegate::setModelData(editor, model, index);
        // The buyer as kept (cut to fit, trimmed), said once the list has the focus back.
        const QString kept = index.data().toString();
        const QString said =
            kept.isEmpty() ? QCoreApplication::translate("frmResults", "No buyer for lot %1").arg(LotOf(index))
                           : QCoreApplication::translate("frmResults", "Buyer for lot %1: %2").arg(LotOf(index), kept);
        QTimer::singleShot(0, m_announcement, [announcement = m_announcement, said] { announcement->Say(said); });
    }

private:
    static QString LotOf(const QModelIndex& index)
    {
        return index.siblingAtColumn(ResultsModel::Lot).data().toString();
    }
    static QString EditorName(const QModelIndex& index)
    {
        return QCoreApplication::translate("frmResults", "Buyer for lot %1").arg(LotOf(index));
    }

    Announcement* m_announcement;
};

QString Headers(int column, const MoneyFormat& money)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("ResultsModel", "Position"), QT_TRANSLATE_NOOP("ResultsModel", "Lot"),
        QT_TRANSLATE_NOOP("ResultsModel", "Note"),     QT_TRANSLATE_NOOP("ResultsModel", "Starting bid"),
        QT_TRANSLATE_NOOP("ResultsModel", "Result"),   QT_TRANSLATE_NOOP("ResultsModel", "Hammer"),
        QT_TRANSLATE_NOOP("ResultsModel", "Time"),     QT_TRANSLATE_NOOP("ResultsModel", "Buyer")};
    const QString name = QCoreApplication::translate("ResultsModel", names[column]);
    // Dollars are what the amount columns always held; any other currency is named.
    if ((column == ResultsModel::StartingBid || column == ResultsModel::Hammer) &&
        money.currency != MoneyFormat::DefaultCurrency)
        return QStringLiteral("%1 (%2)").arg(name, money.currency);
    return name;
}

QString DocumentsPath(const QString& name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(name);
}

} // namespace

ResultsModel::ResultsModel(SaleJournal& sale, QObject* parent) : QAbstractTableModel(parent), m_sale(sale) {}

void ResultsModel::Reload(const LotCollection& lots)
{
    std::vector<SaleRecord::Row> rows = m_sale.record().Rows(lots);
    if (rows.size() == m_rows.size()) {
        m_rows = std::move(rows);
        if (!m_rows.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool ResultsModel::setMoney(const MoneyFormat& money)
{
    if (money == m_money)
        return false;
    m_money = money;
    emit headerDataChanged(Qt::Horizontal, StartingBid, Hammer);
    if (!m_rows.empty())
        emit dataChanged(index(0, StartingBid), index(rowCount() - 1, Hammer));
    return true;
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

SaleLotKey ResultsModel::KeyOf(const SaleRecord::Row& row)
{
    if (row.result)
        return row.result->key;
    return {row.position, row.lot ? row.lot->LotNumber : 0, row.lot ? row.lot->Note : QString()};
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SaleRecord::Row& row = m_rows[static_cast<size_t>(index.row())];
    const LotResult* result = row.result;
    const bool marked = result && result->outcome != LotResult::Outcome::None;
    if (role == Qt::ToolTipRole && !row.lot)
        return tr("This lot is no longer in the lot list.");
    if (role == Qt::TextAlignmentRole && index.column() != Note && index.column() != Buyer)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::FontRole && !row.lot) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    // With the default separator the amounts are shown as they always were.
    const auto amount = [&](auto value) {
        return role == Qt::DisplayRole && m_money.grouping != MoneyFormat::DefaultGrouping
                   ? QVariant(m_money.Grouped(value))
                   : QVariant(value);
    };
    switch (index.column()) {
    case Position:
        return row.lot ? QString::number(row.position) : tr("gone");
    case Lot:
        return row.lot ? row.lot->LotNumber : result->key.lotNumber;
    case Note: {
        const QString& note = row.lot ? row.lot->Note : result->key.note;
        return role == Qt::DisplayRole ? note.simplified() : note;
    }
    case StartingBid:
        return amount(marked || !row.lot ? result->startingBid : row.lot->Amount);
    case Result:
        return SaleReport::OutcomeText(result);
    case Hammer:
        return result && result->outcome == LotResult::Outcome::Sold ? amount(result->price) : QVariant();
    case Time:
        return marked ? SaleReport::TimeText(result->time) : QString();
    case Buyer:
        return result ? result->buyer : QString();
    default:
        return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return Headers(section, m_money);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Buyer)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ResultsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != Buyer || index.row() >= rowCount())
        return false;
    const SaleRecord::Row& row = m_rows[static_cast<size_t>(index.row())];
    const QString buyer = value.toString().trimmed().left(MaxBuyerLength);
    if (buyer == (row.result ? row.result->buyer : QString()))
        return false;
    const SaleLotKey key = KeyOf(row);
    SaleEvent event;
    event.kind = SaleEvent::Kind::Buyer;
    event.position = key.position;
    event.lotNumber = key.lotNumber;
    event.note = key.note;
    event.startingBid = row.result ? row.result->startingBid : (row.lot ? row.lot->Amount : 0);
    event.buyer = buyer;
    // The window reloads the rows when the journal tells it.
    m_sale.Record(event);
    return true;
}

frmResults::frmResults(SaleJournal& sale, AppSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window), m_sale(sale), m_settings(settings)
{
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(tr("Gavelor - Sale Results"));
    // The scoreboard alone decides when the run ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    if (m_sale.resumed())
        m_resume = m_sale.record().LastOnShow();
    m_choosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    BuildControls();
    connect(&m_sale, &SaleJournal::Changed, this, &frmResults::Refresh);
    connect(&m_sale, &SaleJournal::SavingChanged, this, &frmResults::ShowSaving);
}

frmResults::~frmResults()
{
    // An edit still open is committed as the window goes; the window itself no longer listens.
    disconnect(&m_sale, nullptr, this, nullptr);
}

void frmResults::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    lblStarted = new QLabel(this);
    layout->addWidget(lblStarted);

    auto* totals = new QGridLayout();
    const auto addTotal = [&](QLabel*& label, const char* name, const QString& caption, int row, int column) {
        auto* title = new QLabel(caption, this);
        label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        title->setBuddy(label);
        totals->addWidget(title, row, column * 2);
        totals->addWidget(label, row, column * 2 + 1);
    };
    addTotal(lblSold, "lblSold", tr("Sold:"), 0, 0);
    addTotal(lblPassed, "lblPassed", tr("Passed:"), 1, 0);
    addTotal(lblNotOffered, "lblNotOffered", tr("Not yet offered:"), 2, 0);
    addTotal(lblHammer, "lblHammer", tr("Total hammer:"), 0, 1);
    addTotal(lblAverage, "lblAverage", tr("Average hammer:"), 1, 1);
    addTotal(lblSellThrough, "lblSellThrough", tr("Sell-through:"), 2, 1);
    addTotal(lblAgainstStart, "lblAgainstStart", tr("Against starting bids:"), 0, 2);
    totals->setColumnStretch(6, 1);
    layout->addLayout(totals);

    lblSaving = new QLabel(this);
    lblSaving->setObjectName(QStringLiteral("lblSaving"));
    lblSaving->setWordWrap(true);
    lblSaving->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    layout->addWidget(lblSaving);
    lblGone = new QLabel(this);
    lblGone->setObjectName(QStringLiteral("lblGone"));
    lblGone->setWordWrap(true);
    layout->addWidget(lblGone);
    lblResume = new QLabel(this);
    lblResume->setObjectName(QStringLiteral("lblResume"));
    lblResume->setWordWrap(true);
    layout->addWidget(lblResume);

    m_model = new ResultsModel(m_sale, this);
    lstResults = new QTableView(this);
    lstResults->setObjectName(QStringLiteral("lstResults"));
    lstResults->setModel(m_model);
    lstResults->setItemDelegateForColumn(ResultsModel::Buyer, new BuyerDelegate(new Announcement(this), lstResults));
    lstResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstResults->setSelectionMode(QAbstractItemView::SingleSelection);
    lstResults->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    lstResults->verticalHeader()->hide();
    // Fixed row heights and column widths: 10,000 rows open without measuring each one.
    lstResults->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstResults->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    lstResults->horizontalHeader()->setStretchLastSection(true);
    lstResults->setColumnWidth(ResultsModel::Note, fontMetrics().averageCharWidth() * 36);
    lstResults->setAccessibleName(tr("Results"));
    // Arrow keys move inside the list, as in a spreadsheet; Tab goes on to the buttons.
    lstResults->setTabKeyNavigation(false);
    layout->addWidget(lstResults, 1);

    auto* buttons = new QHBoxLayout();
    const auto addButton = [&](const char* name, const QString& caption, void (frmResults::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        return button;
    };
    cmdClear = addButton("cmdClear", tr("&Clear Result"), &frmResults::cmdClear_Click);
    cmdShowOnBoard = addButton("cmdShowOnBoard", tr("Show on &Board"), &frmResults::cmdShowOnBoard_Click);
    addButton("cmdNewSale", tr("&New Sale..."), &frmResults::cmdNewSale_Click);
    buttons->addStretch(1);
    addButton("cmdExport", tr("&Export..."), &frmResults::cmdExport_Click);
    addButton("cmdReport", tr("&Report..."), &frmResults::cmdReport_Click);
    addButton("cmdPrint", tr("&Print..."), &frmResults::cmdPrint_Click);
    auto* cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(900, 560);
}

void frmResults::Open(QWidget* owner)
{
    if (!m_placed && owner) {
        // Beside the scoreboard, on its screen, as far as the screen allows.
        const QRect screen = owner->screen() ? owner->screen()->availableGeometry() : QRect();
        QPoint at = owner->frameGeometry().topRight() + QPoint(8, 0);
        if (screen.isValid()) {
            at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - width())));
            at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - height())));
        }
        move(at);
        m_placed = true;
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void frmResults::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The lot list may have changed while the window was closed, in place too.
    m_shown = {};
    Refresh();
    if (m_resume && !lstResults->currentIndex().isValid())
        SelectPosition(m_resume->key.position);
}

void frmResults::Refresh()
{
    if (!isVisible())
        return;
    ShowSaving();
    // Bids and lot steps change no result: the rows stay as they are.
    const auto shown = std::make_tuple(m_sale.record().Marks(), m_sale.record().StartedAt(),
                                       static_cast<const void*>(m_settings.LotList.get()),
                                       m_settings.LotList ? m_settings.LotList->Count() : 0);
    const bool moneyChanged = m_model->setMoney(m_settings.Money());
    if (shown == m_shown) {
        if (moneyChanged)
            ShowTotals();
        return;
    }
    m_shown = shown;
    m_model->Reload(m_settings.LotList ? *m_settings.LotList : LotCollection());
    ShowTotals();
}

void frmResults::ShowTotals()
{
    const SaleRecord::Totals totals = SaleRecord::Count(m_model->rows());
    lblStarted->setText(tr("Sale started %1").arg(SaleReport::DateText(m_sale.record().StartedAt())));
    lblSold->setText(QString::number(totals.sold));
    lblPassed->setText(QString::number(totals.passed));
    lblNotOffered->setText(QString::number(totals.notOffered));
    lblHammer->setText(SaleReport::Money(static_cast<double>(totals.hammer), m_settings.Money()));
    lblAverage->setText(SaleReport::Money(totals.averageHammer(), m_settings.Money()));
    lblSellThrough->setText(QLocale(QLocale::English).toString(totals.sellThrough() * 100.0, 'f', 1) +
                            QLatin1Char('%'));
    lblAgainstStart->setText(QStringLiteral("%1 / %2").arg(
        SaleReport::Money(static_cast<double>(totals.hammer), m_settings.Money()),
        SaleReport::Money(static_cast<double>(totals.startingOfSold), m_settings.Money())));

    const auto gone = std::count_if(m_model->rows().begin(), m_model->rows().end(),
                                    [](const SaleRecord::Row& row) { return !row.lot; });
    lblGone->setVisible(gone > 0);
    lblGone->setText(tr("%1 result(s) belong to lots that are no longer in the lot list; they are listed "
                        "at the end.")
                         .arg(gone));
    lblResume->setVisible(m_resume.has_value());
    if (m_resume)
        lblResume->setText(tr("The last run ended with lot %1 (position %2) on show at %3. Select it and "
                              "press Show on Board to put the board back.")
                               .arg(m_resume->key.lotNumber)
                               .arg(m_resume->key.position)
                               .arg(SaleReport::Money(m_resume->amount, m_settings.Money())));
}

void frmResults::ShowSaving()
{
    const QString problem = m_sale.problem();
    lblSaving->setVisible(!problem.isEmpty());
    lblSaving->setText(tr("Results are not being saved: %1. The board goes on; Gavelor tries again at the "
                          "next event.")
                           .arg(problem));
}

const SaleRecord::Row* frmResults::SelectedRow() const
{
    const QModelIndex current = lstResults->selectionModel()->currentIndex();
    if (!current.isValid() || !lstResults->selectionModel()->isRowSelected(current.row(), {}))
        return nullptr;
    return &m_model->rows()[static_cast<size_t>(current.row())];
}

void frmResults::SelectPosition(qint32 position)
{
    if (position < 1 || position > m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(position - 1, ResultsModel::Lot);
    lstResults->setCurrentIndex(index);
    lstResults->selectRow(index.row());
    lstResults->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void frmResults::cmdClear_Click()
{
    const SaleRecord::Row* row = SelectedRow();
    if (!row || !row->result || row->result->outcome == LotResult::Outcome::None)
        return;
    const SaleLotKey key = row->result->key;
    if (!Prompts::Confirm(
            this, tr("Clear the result (%1) of lot %2?").arg(SaleReport::OutcomeText(row->result)).arg(key.lotNumber),
            Prompts::Icon::Question))
        return;
    SaleEvent cleared;
    cleared.kind = SaleEvent::Kind::Cleared;
    cleared.position = key.position;
    cleared.lotNumber = key.lotNumber;
    cleared.note = key.note;
    m_sale.Record(cleared);
}

void frmResults::cmdShowOnBoard_Click()
{
    const SaleRecord::Row* row = SelectedRow();
    if (!row || !row->lot)
        return;
    std::optional<qint32> amount;
    if (m_resume && m_resume->key.position == row->position)
        amount = m_resume->amount;
    m_resume.reset();
    emit ShowOnBoard(row->position, amount);
    ShowTotals();
}

void frmResults::cmdNewSale_Click()
{
    if (!Prompts::Confirm(this,
                          tr("End this sale and start a new one? The results of this sale stay in its "
                             "journal."),
                          Prompts::Icon::Warning))
        return;
    m_resume.reset();
    m_sale.NewSale();
}

void frmResults::cmdExport_Click()
{
    const QString path =
        Prompts::SaveFileName(this, tr("Export Results"), DocumentsPath(QStringLiteral("sale-results.csv")),
                              tr("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const QString error = SaleReport::SaveCsv(path, m_model->rows(), m_settings.Money());
    if (!error.isEmpty())
        Prompts::Inform(this, tr("The results could not be exported: %1").arg(error), Prompts::Icon::Warning);
}

void frmResults::cmdReport_Click()
{
    const QString path =
        Prompts::SaveFileName(this, tr("Save Report"), DocumentsPath(QStringLiteral("sale-report.pdf")),
                              tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const SaleReport::Sheet sheet{m_sale.record().StartedAt(), m_model->rows(), SaleRecord::Count(m_model->rows())};
    const QString error = SaleReport::SavePdf(path, sheet, m_settings.Money());
    if (!error.isEmpty())
        Prompts::Inform(this, tr("The report could not be saved: %1").arg(error), Prompts::Icon::Warning);
}

void frmResults::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Sale Results"));
    if (!m_choosePrinter || !m_choosePrinter(printer))
        return;
    const SaleReport::Sheet sheet{m_sale.record().StartedAt(), m_model->rows(), SaleRecord::Count(m_model->rows())};
    SaleReport::Paint(printer, sheet, m_settings.Money());
}
