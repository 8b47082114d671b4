#include "sale/frmResults.h"

#include "clerk/InvoicePdf.h"
#include "clerk/frmPastSales.h"
#include "clerk/frmSaleDetails.h"
#include "common/Announcement.h"
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/Limits.h"
#include "records/SettingsStore.h"
#include "sale/PendingMarks.h"
#include "sale/SaleController.h"
#include "sale/SaleJournal.h"
#include "sale/SaleReport.h"
#include "setup/LotsCsv.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
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

QString Headers(int column)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("ResultsModel", "Position"),    QT_TRANSLATE_NOOP("ResultsModel", "Lot"),
        QT_TRANSLATE_NOOP("ResultsModel", "Note"),        QT_TRANSLATE_NOOP("ResultsModel", "Starting bid"),
        QT_TRANSLATE_NOOP("ResultsModel", "Result"),      QT_TRANSLATE_NOOP("ResultsModel", "Hammer"),
        QT_TRANSLATE_NOOP("ResultsModel", "Bid reached"), QT_TRANSLATE_NOOP("ResultsModel", "Offers"),
        QT_TRANSLATE_NOOP("ResultsModel", "Time"),        QT_TRANSLATE_NOOP("ResultsModel", "Buyer")};
    // The amounts carry the sale's sign themselves.
    return QCoreApplication::translate("ResultsModel", names[column]);
}

// What the Note column shows of a note: no more than a wide column holds, so that no
// repaint measures or elides a long text.
constexpr qsizetype ShownNoteLength = 200;

QString DocumentsPath(const QString& name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(name);
}

} // namespace

ResultsModel::ResultsModel(SaleController& sale, QObject* parent) : QAbstractTableModel(parent), m_sale(sale) {}

void ResultsModel::setRegister(const BidderRegister* bidders)
{
    m_bidders = bidders;
    BiddersChanged();
}

void ResultsModel::BiddersChanged()
{
    if (!m_rows.empty())
        emit dataChanged(index(0, Buyer), index(rowCount() - 1, Buyer));
}

QString ResultsModel::ShownNote(int row, const QString& note) const
{
    // Made once per row and kept until the rows are taken again.
    auto& shown = m_shownNotes[row];
    if (!shown)
        shown = TextLimits::Cut(note, ShownNoteLength).simplified();
    return *shown;
}

void ResultsModel::Reload(const LotCollection& lots)
{
    std::vector<SaleRecord::Row> rows = m_sale.journal()->record().Rows(lots);
    m_shownNotes.assign(rows.size(), std::nullopt);
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
        emit dataChanged(index(0, StartingBid), index(rowCount() - 1, BidReached));
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

qint32 ResultsModel::LotNumberOf(const SaleRecord::Row& row)
{
    return row.lot ? row.lot->LotNumber : row.result->key.lotNumber;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SaleRecord::Row& row = m_rows[static_cast<size_t>(index.row())];
    const LotResult* result = row.result;
    const bool marked = result && result->outcome != LotResult::Outcome::None;
    if (role == Qt::ToolTipRole && !row.lot)
        return tr("This lot number is not in the lot list.");
    // A paddle the register does not know is taken all the same, and flagged.
    if (index.column() == Buyer && (role == Qt::ToolTipRole || role == Qt::ForegroundRole) && result &&
        !result->buyer.isEmpty() && m_bidders && !m_bidders->isEmpty()) {
        const BidderInfo* bidder = m_bidders->Find(result->buyer);
        if (role == Qt::ForegroundRole)
            return bidder ? QVariant() : QVariant(QColor(0xb0, 0x00, 0x00));
        return bidder
                   ? (bidder->Contact.isEmpty() ? bidder->Name : bidder->Name + QStringLiteral(", ") + bidder->Contact)
                   : tr("Paddle %1 is not in the bidder register.").arg(result->buyer);
    }
    if (role == Qt::TextAlignmentRole && index.column() != Note && index.column() != Buyer)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::FontRole && !row.lot) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    // Shown with the sale's sign and grouping, as the totals above them; edited as numbers.
    const auto amount = [&](auto value) {
        return role == Qt::DisplayRole ? QVariant(m_money.Text(value)) : QVariant(value);
    };
    switch (index.column()) {
    case Position:
        return row.lot ? QString::number(row.position) : QString(QChar(0x2014));
    case Lot:
        return row.lot ? row.lot->LotNumber : result->key.lotNumber;
    case Note: {
        const QString& note = row.lot ? row.lot->Note : result->key.note;
        return role == Qt::DisplayRole ? ShownNote(index.row(), note) : note;
    }
    case StartingBid:
        return amount(marked || !row.lot ? result->startingBid : row.lot->Amount);
    case Result:
        // Bought in names the bid it stopped at, as the clerk writes it down.
        if (result && result->outcome == LotResult::Outcome::Passed && result->boughtIn)
            return tr("Bought in at %1").arg(m_money.Grouped(result->price));
        return SaleReport::OutcomeText(result);
    case Hammer:
        return result && result->outcome == LotResult::Outcome::Sold ? amount(result->price) : QVariant();
    case BidReached:
        return result && result->outcome == LotResult::Outcome::Passed ? amount(result->price) : QVariant();
    case Offers:
        return result && result->offers > 0 ? QVariant(result->offers) : QVariant();
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
        return Headers(section);
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
    // The window reloads the rows when the sale tells it.
    m_sale.SetBuyer(LotNumberOf(row), buyer);
    return true;
}

frmResults::frmResults(SaleController& sale, AppSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window), m_sale(sale), m_settings(settings)
{
    Q_ASSERT(m_sale.journal());
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(tr("Gavelor - Sale Results"));
    // The scoreboard alone decides when the run ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    if (journal().resumed())
        m_resume = journal().record().LastOnShow();
    m_choosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    BuildControls();
    connect(&journal(), &SaleJournal::Changed, this, &frmResults::Refresh);
    connect(&journal(), &SaleJournal::SavingChanged, this, &frmResults::ShowSaving);
}

frmResults::~frmResults()
{
    // An edit still open is committed as the window goes; the window itself no longer listens.
    disconnect(&journal(), nullptr, this, nullptr);
}

SaleJournal& frmResults::journal() const
{
    return *m_sale.journal();
}

void frmResults::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    lblStarted = new QLabel(this);
    layout->addWidget(lblStarted);

    // Two forms side by side: a title and its value never run into the next pair.
    auto* totals = new QHBoxLayout();
    const auto addForm = [&] {
        auto* form = new QFormLayout();
        form->setLabelAlignment(Qt::AlignLeft);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        totals->addLayout(form);
        totals->addSpacing(fontMetrics().averageCharWidth() * 4);
        return form;
    };
    QFormLayout* counts = addForm();
    QFormLayout* amounts = addForm();
    totals->addStretch(1);
    const auto addTotal = [&](QFormLayout* form, QLabel*& label, const char* name, const QString& caption) {
        label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* title = new QLabel(caption, this);
        title->setBuddy(label);
        form->addRow(title, label);
    };
    addTotal(counts, lblSold, "lblSold", tr("Sold:"));
    addTotal(counts, lblPassed, "lblPassed", tr("Passed:"));
    addTotal(counts, lblNotOffered, "lblNotOffered", tr("Not yet offered:"));
    addTotal(counts, lblWithdrawn, "lblWithdrawn", tr("Withdrawn:"));
    addTotal(amounts, lblHammer, "lblHammer", tr("Total hammer:"));
    addTotal(amounts, lblAverage, "lblAverage", tr("Average hammer:"));
    addTotal(amounts, lblSellThrough, "lblSellThrough", tr("Sell-through:"));
    addTotal(amounts, lblAgainstStart, "lblAgainstStart", tr("Against starting bids:"));
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
    lblNotice = new QLabel(this);
    lblNotice->setObjectName(QStringLiteral("lblNotice"));
    lblNotice->setWordWrap(true);
    layout->addWidget(lblNotice);
    BuildEarlierNotice(layout);

    m_model = new ResultsModel(m_sale, this);
    lstResults = new QTableView(this);
    lstResults->setObjectName(QStringLiteral("lstResults"));
    lstResults->setModel(m_model);
    lstResults->setItemDelegateForColumn(ResultsModel::Buyer,
                                         new BuyerDelegate(new Announcement(this, accessibleName()), lstResults));
    lstResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstResults->setSelectionMode(QAbstractItemView::SingleSelection);
    lstResults->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    lstResults->verticalHeader()->hide();
    // Fixed row heights and column widths: 10,000 rows open without measuring each one.
    lstResults->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstResults->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    lstResults->horizontalHeader()->setStretchLastSection(true);
    lstResults->setAccessibleName(tr("Results"));
    // Arrow keys move inside the list, as in a spreadsheet; Tab goes on to the buttons.
    lstResults->setTabKeyNavigation(false);
    m_model->setRegister(&m_settings.Bidders);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabResults"));
    tabs->addTab(lstResults, tr("Results"));
    tabs->addTab(BuildBiddersPage(), tr("Bidders"));
    layout->addWidget(tabs, 1);

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
    addButton("cmdWithdraw", tr("&Withdraw Lot"), &frmResults::cmdWithdraw_Click);
    cmdShowOnBoard = addButton("cmdShowOnBoard", tr("Show on &Board"), &frmResults::cmdShowOnBoard_Click);
    addButton("cmdNewSale", tr("&New Sale..."), &frmResults::cmdNewSale_Click);
    buttons->addStretch(1);
    addButton("cmdExport", tr("&Export..."), &frmResults::cmdExport_Click);
    addButton("cmdReport", tr("&Report..."), &frmResults::cmdReport_Click);
    addButton("cmdPrint", tr("&Print..."), &frmResults::cmdPrint_Click);
    addButton("cmdDetails", tr("Sale &Details..."), &frmResults::cmdDetails_Click);
    addButton("cmdInvoices", tr("&Invoices..."), &frmResults::cmdInvoices_Click);
    addButton("cmdPastSales", tr("Open S&ale..."), &frmResults::cmdPastSales_Click);
    auto* cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    // Tab goes from the results straight on to their buttons, as before there were tabs.
    setTabOrder(lstResults, cmdClear);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    // The hammer keys work on the board's lot from here too: the arrows belong to the table.
    auto* sold = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(sold, &QShortcut::activated, &m_sale, &SaleController::MarkSold);
    auto* passed = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(passed, &QShortcut::activated, &m_sale, &SaleController::MarkPassed);
    FitColumns(true);
}

void frmResults::FitColumns(bool resizeWindow)
{
    // Measured from the headers and the widest text each column can hold, never from the rows:
    // 10,000 rows open without measuring one of them.
    QHeaderView* header = lstResults->horizontalHeader();
    const QFontMetrics cells = lstResults->fontMetrics();
    const QFontMetrics heads = header->fontMetrics();
    const int padding = cells.averageCharWidth() * 2 + 2 * lstResults->style()->pixelMetric(QStyle::PM_HeaderMargin);
    const QString amount = m_settings.Money().Text(Limits::MaxAmount);
    QStringList outcomes{ResultsModel::tr("Bought in at %1").arg(m_settings.Money().Grouped(Limits::MaxAmount))};
    for (const auto kind : {LotResult::Outcome::Sold, LotResult::Outcome::Passed, LotResult::Outcome::Cleared,
                            LotResult::Outcome::Withdrawn}) {
        LotResult result;
        result.outcome = kind;
        result.belowReserve = kind == LotResult::Outcome::Sold;
        outcomes << SaleReport::OutcomeText(kind) << SaleReport::OutcomeText(&result);
    }
    QString outcome;
    for (const QString& text : std::as_const(outcomes)) {
        if (cells.horizontalAdvance(text) > cells.horizontalAdvance(outcome))
            outcome = text;
    }
    const QString widest[ResultsModel::ColumnCount] = {QStringLiteral("9999"),
                                                       QStringLiteral("9999"),
                                                       QString(),
                                                       amount,
                                                       outcome,
                                                       amount,
                                                       amount,
                                                       QStringLiteral("999"),
                                                       QStringLiteral("00:00:00"),
                                                       QString(ResultsModel::MaxBuyerLength, QLatin1Char('W'))};
    int total = 0;
    for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
        const int title =
            heads.horizontalAdvance(m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        const int width = column == ResultsModel::Note
                              ? cells.averageCharWidth() * 36
                              : std::max(title, cells.horizontalAdvance(widest[column])) + padding;
        lstResults->setColumnWidth(column, width);
        total += width;
    }
    if (!resizeWindow)
        return;
    // Wide enough for every column, the Buyer column included, as far as the screen allows.
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1280, 720);
    const int frame = lstResults->frameWidth() * 2 + lstResults->verticalScrollBar()->sizeHint().width() +
                      layout()->contentsMargins().left() + layout()->contentsMargins().right() + 8;
    resize(std::min(total + frame, screen.width() - 40), std::min(560, screen.height() - 40));
}

QWidget* frmResults::BuildBiddersPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* entry = new QHBoxLayout();
    const auto addField = [&](QLineEdit*& field, const char* name, const QString& caption, int length) {
        auto* label = new QLabel(caption, page);
        field = new QLineEdit(page);
        field->setObjectName(QLatin1String(name));
        field->setMaxLength(length);
        label->setBuddy(field);
        entry->addWidget(label);
        entry->addWidget(field, length > 12 ? 2 : 1);
    };
    addField(txtBidderPaddle, "txtBidderPaddle", tr("Paddle:"), ResultsModel::MaxBuyerLength);
    addField(txtBidderName, "txtBidderName", tr("Name:"), static_cast<int>(BidderRegister::MaxName));
    addField(txtBidderContact, "txtBidderContact", tr("Contact:"), static_cast<int>(BidderRegister::MaxContact));
    auto* add = new QPushButton(tr("Add Bi&dder"), page);
    add->setObjectName(QStringLiteral("cmdAddBidder"));
    add->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &frmResults::cmdAddBidder_Click);
    connect(txtBidderContact, &QLineEdit::returnPressed, this, &frmResults::cmdAddBidder_Click);
    entry->addWidget(add);
    layout->addLayout(entry);

    lstBidders = new QTableWidget(0, 3, page);
    lstBidders->setObjectName(QStringLiteral("lstBidders"));
    lstBidders->setHorizontalHeaderLabels({tr("Paddle"), tr("Name"), tr("Contact")});
    lstBidders->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstBidders->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstBidders->setSelectionMode(QAbstractItemView::SingleSelection);
    lstBidders->verticalHeader()->hide();
    lstBidders->horizontalHeader()->setStretchLastSection(true);
    lstBidders->setAccessibleName(tr("Bidders"));
    lstBidders->setTabKeyNavigation(false);
    layout->addWidget(lstBidders, 1);

    auto* buttons = new QHBoxLayout();
    auto* remove = new QPushButton(tr("Remo&ve Bidder"), page);
    remove->setObjectName(QStringLiteral("cmdRemoveBidder"));
    remove->setAutoDefault(false);
    connect(remove, &QPushButton::clicked, this, &frmResults::cmdRemoveBidder_Click);
    auto* import = new QPushButton(tr("&Import Bidders..."), page);
    import->setObjectName(QStringLiteral("cmdImportBidders"));
    import->setAutoDefault(false);
    import->setToolTip(tr("Read paddles, names and contacts from a CSV file saved by a spreadsheet."));
    connect(import, &QPushButton::clicked, this, &frmResults::cmdImportBidders_Click);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(import);
    // The page is laid out only when it is first shown: until then its buttons keep whole captions.
    for (QPushButton* button : {add, remove, import})
        button->setMinimumSize(button->sizeHint());
    layout->addLayout(buttons);
    ShowBidders();
    return page;
}

void frmResults::ShowBidders()
{
    const std::vector<BidderInfo>& bidders = m_settings.Bidders.bidders();
    lstBidders->setRowCount(static_cast<int>(bidders.size()));
    for (size_t i = 0; i < bidders.size(); ++i) {
        const int row = static_cast<int>(i);
        lstBidders->setItem(row, 0, new QTableWidgetItem(bidders[i].Paddle));
        lstBidders->setItem(row, 1, new QTableWidgetItem(bidders[i].Name));
        lstBidders->setItem(row, 2, new QTableWidgetItem(bidders[i].Contact));
    }
}

// The register is stored as it changes; a store that refuses it is said at once.
void frmResults::BiddersChanged()
{
    ShowBidders();
    m_model->BiddersChanged();
    if (!m_settings.SaveBidders())
        Prompts::Inform(
            this, tr("The bidders could not be written to the settings file: %1.").arg(m_settings.store().lastError()),
            Prompts::Icon::Warning);
}

void frmResults::cmdAddBidder_Click()
{
    const QString paddle = txtBidderPaddle->text().trimmed();
    if (!BidderRegister::IsPaddle(paddle)) {
        txtBidderPaddle->setFocus();
        Prompts::Inform(this, tr("A paddle is digits and letters, at most 12."));
        return;
    }
    m_settings.Bidders.Add({paddle, txtBidderName->text(), txtBidderContact->text()});
    for (QLineEdit* field : {txtBidderPaddle, txtBidderName, txtBidderContact})
        field->clear();
    txtBidderPaddle->setFocus();
    BiddersChanged();
}

void frmResults::cmdRemoveBidder_Click()
{
    const int row = lstBidders->currentRow();
    if (row < 0 || row >= static_cast<int>(m_settings.Bidders.Count()))
        return;
    m_settings.Bidders.Remove(m_settings.Bidders.bidders()[static_cast<size_t>(row)].Paddle);
    BiddersChanged();
}

void frmResults::cmdImportBidders_Click()
{
    const QString path =
        Prompts::OpenFileName(this, tr("Import Bidders"), DocumentsPath(QString()), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const QString fileName = QFileInfo(path).fileName();
    const LotsCsv::Table table = LotsCsv::ReadTable(path);
    const BidderRegister::Reading reading =
        table.refusal.isEmpty() ? BidderRegister::FromTable(table.rows) : BidderRegister::Reading{};
    // Read whole or not at all, as the lot editor reads a lot list.
    if (!table.refusal.isEmpty() || !reading.problems.isEmpty() || reading.bidders.empty()) {
        QString why = !table.refusal.isEmpty()      ? table.refusal
                      : !reading.problems.isEmpty() ? reading.problems.mid(0, 10).join(u'\n')
                                                    : tr("It holds no bidders.");
        Prompts::Inform(this, tr("No bidders were imported from \"%1\". %2").arg(fileName, why),
                        Prompts::Icon::Warning);
        return;
    }
    for (const BidderInfo& bidder : reading.bidders)
        m_settings.Bidders.Add(bidder);
    BiddersChanged();
    const qsizetype count = static_cast<qsizetype>(reading.bidders.size());
    Prompts::Inform(this, (count == 1 ? tr("%1 bidder was read from \"%2\".") : tr("%1 bidders were read from \"%2\"."))
                              .arg(count)
                              .arg(fileName));
}

void frmResults::Open(QWidget* owner, bool activate)
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
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    if (!activate)
        return;
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

void frmResults::LotsChanged()
{
    m_shown = {};
    Refresh();
}

void frmResults::Refresh()
{
    if (!isVisible())
        return;
    ShowSaving();
    // Bids and lot steps change no result: the rows stay as they are.
    const auto shown = std::make_tuple(journal().record().Marks(), journal().record().StartedAt(),
                                       static_cast<const void*>(m_settings.LotList.get()),
                                       m_settings.LotList ? m_settings.LotList->Count() : 0);
    const bool moneyChanged = m_model->setMoney(m_settings.Money());
    if (moneyChanged)
        FitColumns(false);
    if (shown == m_shown) {
        if (moneyChanged)
            ShowTotals();
        return;
    }
    m_shown = shown;
    m_model->Reload(m_settings.LotList ? *m_settings.LotList : LotCollection());
    ShowTotals();
    ShowNotice();
}

void frmResults::ShowNotice()
{
    const std::optional<SaleRecord::DroppedBuyer>& dropped = journal().record().LastDroppedBuyer();
    QString notice;
    if (dropped)
        notice = tr("Lot %1 was passed after it was sold: its buyer %2 was cleared.")
                     .arg(dropped->lotNumber)
                     .arg(dropped->buyer);
    else if (isActiveWindow())
        notice = tr("The scoreboard does not have the keys while this window is active: arrows move in the "
                    "results, F5 and F6 still mark the lot on the board.");
    lblNotice->setText(notice);
    lblNotice->setVisible(!notice.isEmpty());
}

void frmResults::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && lblNotice)
        ShowNotice();
}

void frmResults::ShowTotals()
{
    const SaleRecord::Totals totals = SaleRecord::Count(m_model->rows());
    lblStarted->setText(tr("Sale started %1").arg(SaleReport::DateText(journal().record().SaleStart())));
    lblSold->setText(QString::number(totals.sold));
    lblPassed->setText(QString::number(totals.passed));
    lblNotOffered->setText(QString::number(totals.notOffered));
    lblWithdrawn->setText(QString::number(totals.withdrawn));
    lblHammer->setText(SaleReport::Money(static_cast<double>(totals.hammer), m_settings.Money()));
    lblAverage->setText(SaleReport::Money(totals.averageHammer(), m_settings.Money()));
    lblSellThrough->setText(SaleReport::PercentText(totals.sellThrough(), QLocale()));
    lblAgainstStart->setText(QStringLiteral("%1 / %2").arg(
        SaleReport::Money(static_cast<double>(totals.hammer), m_settings.Money()),
        SaleReport::Money(static_cast<double>(totals.startingOfSold), m_settings.Money())));

    const auto gone = std::count_if(m_model->rows().begin(), m_model->rows().end(),
                                    [](const SaleRecord::Row& row) { return !row.lot; });
    lblGone->setVisible(gone > 0);
    lblGone->setText(tr("%1 result(s) belong to lot numbers that are not in the lot list; they are listed "
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
    const QString problem = journal().problem();
    QStringList texts;
    if (!journal().otherWriter().isEmpty())
        texts << tr("Results are not being saved: %1. This copy of Gavelor writes nothing there.").arg(problem);
    else if (!problem.isEmpty())
        texts << tr("Results are not being saved: %1. The board goes on; Gavelor tries again at the "
                    "next event.")
                     .arg(problem);
    if (!journal().replacedJournal().isEmpty())
        texts << tr("The journal \"%1\" was replaced or removed while Gavelor was writing it; the sale goes on "
                    "in \"%2\".")
                     .arg(QDir::toNativeSeparators(journal().replacedJournal()),
                          QDir::toNativeSeparators(journal().filePath()));
    lblSaving->setVisible(!texts.isEmpty());
    lblSaving->setText(texts.join(u'\n'));
    ShowEarlier();
}

void frmResults::BuildEarlierNotice(QBoxLayout* layout)
{
    auto* row = new QHBoxLayout();
    lblEarlier = new QLabel(this);
    lblEarlier->setObjectName(QStringLiteral("lblEarlier"));
    lblEarlier->setWordWrap(true);
    cmdOpenEarlier = new QPushButton(tr("&Open..."), this);
    cmdOpenEarlier->setObjectName(QStringLiteral("cmdOpenEarlier"));
    cmdOpenEarlier->setAutoDefault(false);
    lblEarlier->setBuddy(cmdOpenEarlier);
    connect(cmdOpenEarlier, &QPushButton::clicked, this, &frmResults::cmdOpenEarlier_Click);
    row->addWidget(lblEarlier, 1);
    row->addWidget(cmdOpenEarlier);
    layout->addLayout(row);
    ShowEarlier();
}

void frmResults::ShowEarlier()
{
    const qsizetype count = journal().earlierSales().size();
    lblEarlier->setVisible(count > 0);
    cmdOpenEarlier->setVisible(count > 0);
    lblEarlier->setText(
        tr("%1 earlier sale(s) were never ended: their results are still in their journals.").arg(count));
}

void frmResults::cmdOpenEarlier_Click()
{
    // The last written first; a message box holds a handful of buttons.
    constexpr qsizetype Offered = 5;
    const QStringList earlier = journal().earlierSales().mid(0, Offered);
    if (earlier.isEmpty())
        return;
    QStringList buttons;
    QStringList lines;
    for (const QString& path : earlier) {
        const QFileInfo file(path);
        buttons << file.fileName();
        lines << tr("%1, last written %2")
                     .arg(QDir::toNativeSeparators(path),
                          QLocale().toString(file.lastModified(), QLocale::ShortFormat));
    }
    buttons << tr("Cancel");
    const int chosen =
        Prompts::Choose(this,
                        tr("Open which sale? The sale open now stays in its journal and is offered here in turn.") +
                            QStringLiteral("\n\n") + lines.join(u'\n'),
                        buttons, 0, static_cast<int>(buttons.size() - 1), Prompts::Icon::Question);
    if (chosen < 0 || chosen >= earlier.size())
        return;
    if (!PendingMarks::MayDrop(this, journal(), PendingMarks::Purpose::OpenEarlier))
        return;
    if (!journal().OpenEarlier(earlier.at(chosen))) {
        Prompts::Inform(this,
                        tr("The sale in \"%1\" could not be opened.").arg(QDir::toNativeSeparators(earlier.at(chosen))),
                        Prompts::Icon::Warning);
        return;
    }
    m_resume = journal().record().LastOnShow();
    lstResults->setCurrentIndex({});
    m_shown = {};
    Refresh();
    if (m_resume)
        SelectPosition(m_resume->key.position);
}

void frmResults::CommitEdit()
{
    // What a closing window would commit, when no window can close any more.
    for (auto* editor : lstResults->viewport()->findChildren<QLineEdit*>()) {
        if (editor->isVisible())
            emit lstResults->itemDelegateForColumn(ResultsModel::Buyer)->commitData(editor);
    }
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
    const qint32 lotNumber = row->result->key.lotNumber;
    if (!Prompts::Confirm(
            this, tr("Clear the result (%1) of lot %2?").arg(SaleReport::OutcomeText(row->result)).arg(lotNumber),
            Prompts::Icon::Question))
        return;
    m_sale.Clear(lotNumber);
}

void frmResults::cmdWithdraw_Click()
{
    const SaleRecord::Row* row = SelectedRow();
    if (!row || (row->result && row->result->outcome == LotResult::Outcome::Withdrawn))
        return;
    const qint32 lotNumber = ResultsModel::LotNumberOf(*row);
    // A withdrawal takes the place of a result the lot already has.
    if (row->result && row->result->marked() &&
        !Prompts::Confirm(this,
                          tr("Withdraw lot %1? Its result (%2) is replaced.")
                              .arg(lotNumber)
                              .arg(SaleReport::OutcomeText(row->result)),
                          Prompts::Icon::Question))
        return;
    m_sale.Withdraw(lotNumber);
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
    // Results the disk refuses are asked about first; only then is it true that they stay.
    if (!journal().SaveNow()) {
        if (!PendingMarks::MayDrop(this, journal(), PendingMarks::Purpose::NewSale))
            return;
    } else if (!Prompts::Confirm(this,
                                 NeverHandedOut() ? tr("The results of this sale were never exported, saved as a "
                                                       "report or printed. End this sale and start a new one? "
                                                       "Its results stay in its journal.")
                                                  : tr("End this sale and start a new one? The results of this sale "
                                                       "stay in its journal."),
                                 Prompts::Icon::Warning)) {
        return;
    }
    m_handedOut = false;
    m_resume.reset();
    m_sale.NewSale();
}

void frmResults::cmdPastSales_Click()
{
    // The journals as they are now: the list is made each time it is opened.
    auto* sales = new frmPastSales(journal().directory(), m_settings, m_choosePrinter, this);
    sales->setAttribute(Qt::WA_DeleteOnClose);
    sales->open();
}

bool frmResults::NeverHandedOut() const
{
    const SaleRecord::Totals totals = SaleRecord::Count(m_model->rows());
    return !m_handedOut && totals.sold + totals.passed > 0;
}

void frmResults::cmdExport_Click()
{
    if (ExportCsv(this, m_model->rows(), m_settings.Money(), SaleDetails::ReadBeside(journal().filePath())))
        m_handedOut = true;
}

bool frmResults::ExportCsv(QWidget* parent, const std::vector<SaleRecord::Row>& rows, const MoneyFormat& money,
                           const SaleDetails& details)
{
    const QString path =
        Prompts::SaveFileName(parent, tr("Export Results"), DocumentsPath(QStringLiteral("sale-results.csv")),
                              tr("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return false;
    const QString error = SaleReport::SaveCsv(path, rows, money, details);
    if (!error.isEmpty())
        Prompts::Inform(parent, tr("The results could not be exported: %1").arg(error), Prompts::Icon::Warning);
    return error.isEmpty();
}

void frmResults::cmdReport_Click()
{
    if (SaveReport(this, Sheet(), m_settings.Money()))
        m_handedOut = true;
}

SaleReport::Sheet frmResults::Sheet() const
{
    return {journal().record().SaleStart(), m_model->rows(), SaleRecord::Count(m_model->rows()),
            SaleDetails::ReadBeside(journal().filePath()),
            SaleReport::RateLines(journal().record(), m_sale.currencyBoard())};
}

bool frmResults::SaveReport(QWidget* parent, const SaleReport::Sheet& sheet, const MoneyFormat& money)
{
    const QString path =
        Prompts::SaveFileName(parent, tr("Save Report"), DocumentsPath(QStringLiteral("sale-report.pdf")),
                              tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    const QString error = SaleReport::SavePdf(path, sheet, money);
    if (!error.isEmpty())
        Prompts::Inform(parent, tr("The report could not be saved: %1").arg(error), Prompts::Icon::Warning);
    return error.isEmpty();
}

void frmResults::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Sale Results"));
    if (!m_choosePrinter || !m_choosePrinter(printer))
        return;
    SaleReport::Paint(printer, Sheet(), m_settings.Money());
    m_handedOut = true;
}

void frmResults::cmdDetails_Click()
{
    auto* dialog = findChild<frmSaleDetails*>();
    if (!dialog) {
        dialog = new frmSaleDetails(SaleDetails::ReadBeside(journal().filePath()), SaleTerms::Load(m_settings.store()),
                                    this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QDialog::accepted, this, [this, dialog] {
            const std::optional<SaleTerms> terms = dialog->Terms();
            const bool termsSaved =
                !terms || *terms == SaleTerms::Load(m_settings.store()) || terms->Save(m_settings.store());
            const SaleDetails details = dialog->Details();
            const bool detailsSaved =
                details == SaleDetails::ReadBeside(journal().filePath()) || details.WriteBeside(journal().filePath());
            if (!termsSaved || !detailsSaved)
                Prompts::Inform(this, tr("The sale's details could not be saved."), Prompts::Icon::Warning);
        });
    }
    dialog->open();
    dialog->raise();
    dialog->activateWindow();
}

void frmResults::cmdInvoices_Click()
{
    if (HandOutInvoices(this, m_model->rows(), SaleDetails::ReadBeside(journal().filePath()), m_settings,
                        m_choosePrinter))
        m_handedOut = true;
}

bool frmResults::HandOutInvoices(QWidget* parent, const std::vector<SaleRecord::Row>& rows, const SaleDetails& details,
                                 const AppSettings& settings, const std::function<bool(QPrinter&)>& choosePrinter)
{
    const SaleTerms terms = SaleTerms::Load(settings.store());
    // The buyer's name from the register; the vendor as the lot list has it.
    const std::vector<Invoice> invoices = Invoices::ForBuyers(rows, terms, [&settings](const QString& paddle) {
        const BidderInfo* bidder = settings.Bidders.Find(paddle);
        return bidder ? bidder->Name : QString();
    });
    const std::vector<Settlement> settlements = Invoices::ForVendors(
        rows, terms, [](const SaleRecord::Row& row) { return row.lot ? row.lot->Vendor : QString(); });
    if (invoices.empty() && settlements.empty()) {
        Prompts::Inform(parent, tr("No lot has been sold to a buyer yet: type the buyer's paddle in the Buyer column."),
                        Prompts::Icon::Information);
        return false;
    }
    const InvoicePdf::Context context{details, terms, settings.Money(),
                                      QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat)};
    const int choice =
        Prompts::Choose(parent,
                        tr("Invoices: %1. Settlements: %2. Save them as PDF files, or print them?")
                            .arg(invoices.size())
                            .arg(settlements.size()),
                        {tr("Save as PDF Files..."), tr("Print..."), tr("Cancel")}, 0, 2, Prompts::Icon::Question);
    if (choice == 1) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(tr("Invoices"));
        if (!choosePrinter || !choosePrinter(printer))
            return false;
        InvoicePdf::PrintAll(printer, invoices, settlements, context);
        return true;
    }
    if (choice != 0)
        return false;
    const QString folder = Prompts::FolderName(parent, tr("Save Invoices"), DocumentsPath(QString()));
    if (folder.isEmpty())
        return false;
    const InvoicePdf::Saved saved = InvoicePdf::SaveAll(folder, invoices, settlements, context);
    if (!saved.error.isEmpty()) {
        Prompts::Inform(parent, tr("The invoices could not all be saved: %1").arg(saved.error), Prompts::Icon::Warning);
        return false;
    }
    Prompts::Inform(parent,
                    tr("Invoices: %1. Settlements: %2. Saved in %3.")
                        .arg(invoices.size())
                        .arg(settlements.size())
                        .arg(QDir::toNativeSeparators(folder)),
                    Prompts::Icon::Information);
    return true;
}
