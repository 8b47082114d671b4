#include "setup/IncrementTab.h"

#include "common/DesignLayout.h"
#include "common/Frame.h"
#include "common/Prompts.h"
#include "common/SelectedRowListView.h"
#include "records/AppSettings.h"
#include "records/Limits.h"
#include "records/NumberText.h"
#include "setup/IncrementRowDelegate.h"

#include <QAbstractListModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>

#include <optional>

namespace {

// The number in the box when it passes the numeric test and lies in [0, Limits::MaxAmount]
// before rounding.
std::optional<double> numberInRange(const QLineEdit* box)
{
    const std::optional<double> number = NumberText::ToNumber(box->text());
    return Limits::InRange(number, Limits::MaxAmount) ? number : std::nullopt;
}

} // namespace

// The working table one to one: row r is the range at position r + 1. The row count is
// taken at each refill, so the view never reads a row the table no longer has.
class IncrementTab::RangeModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void Refill(IncrementCollectionPtr table)
    {
        beginResetModel();
        m_table = std::move(table);
        m_rows = m_table ? m_table->Count() : 0;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!m_table || !index.isValid() || index.row() >= m_table->Count())
            return {};
        const IncrementInfo& range = **(m_table->begin() + index.row());
        switch (role) {
        case Qt::DisplayRole:
            return QString(NumberText::Plain(range.Minimum) + QLatin1Char('\t') + NumberText::Plain(range.Amount));
        case IncrementRowDelegate::MinimumRole:
            return range.Minimum;
        case IncrementRowDelegate::AmountRole:
            return range.Amount;
        default:
            return {};
        }
    }

private:
    IncrementCollectionPtr m_table;
    int m_rows = 0;
};

IncrementTab::IncrementTab(QTabWidget* tabs) : OptionsTabPage(tabs)
{
    QWidget* tab = face();
    m_model = new RangeModel(this);

    fraIncrements = new Frame(tr("&Increment Ranges:"), tab);
    lstIncrements = new SelectedRowListView(fraIncrements);
    lstIncrements->setAccessibleName(tr("Increment ranges"));
    lstIncrements->setModel(m_model);
    lstIncrements->setItemDelegate(new IncrementRowDelegate(lstIncrements));
    lstIncrements->setUniformItemSizes(true);
    lstIncrements->setSelectionMode(QAbstractItemView::SingleSelection);
    lstIncrements->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cmdIncrementAdd = new QPushButton(tr("Create &New"), fraIncrements);
    cmdIncrementEdit = new QPushButton(tr("&Edit Selected"), fraIncrements);
    cmdIncrementDelete = new QPushButton(tr("&Delete Selected"), fraIncrements);
    fraEditIncrement = new Frame(tr("New Increment"), tab);
    lblIncrementMin = new QLabel(tr("If the &current bid is at least:"), fraEditIncrement);
    lblIncrementMin->setWordWrap(true);
    txtIncrementMin = new QLineEdit(fraEditIncrement);
    lblIncrementMin->setBuddy(txtIncrementMin);
    lblIncrementAmount = new QLabel(tr("Increment &bid by:"), fraEditIncrement);
    txtIncrementAmount = new QLineEdit(fraEditIncrement);
    lblIncrementAmount->setBuddy(txtIncrementAmount);
    cmdIncrementEditSave = new QPushButton(tr("&Save"), fraEditIncrement);

    // clang-format off
    DesignLayout::Place({
        {fraIncrements,        u"fraIncrements",         360,  720, 2895, 3975},
        {lstIncrements,        u"lstIncrements",         300,  360, 2355, 2400},
        {cmdIncrementAdd,      u"cmdIncrementAdd",       300, 2760, 2355,  315},
        {cmdIncrementEdit,     u"cmdIncrementEdit",      300, 3120, 2355,  315},
        {cmdIncrementDelete,   u"cmdIncrementDelete",    300, 3480, 2355,  315},
        {fraEditIncrement,     u"fraEditIncrement",     3720,  720, 1995, 2715},
        {lblIncrementMin,      u"lblIncrementMin",       240,  300, 1515,  435},
        {txtIncrementMin,      u"txtIncrementMin",       540,  780, 1215,  375},
        {lblIncrementAmount,   u"lblIncrementAmount",    240, 1320, 1395,  315},
        {txtIncrementAmount,   u"txtIncrementAmount",    540, 1620, 1215,  375},
        {cmdIncrementEditSave, u"cmdIncrementEditSave",  540, 2220, 1215,  375},
    }, tabs);
    // clang-format on

    connect(cmdIncrementAdd, &QPushButton::clicked, this, &IncrementTab::cmdIncrementAdd_Click);
    connect(cmdIncrementEdit, &QPushButton::clicked, this, &IncrementTab::cmdIncrementEdit_Click);
    connect(cmdIncrementDelete, &QPushButton::clicked, this, &IncrementTab::cmdIncrementDelete_Click);
    connect(cmdIncrementEditSave, &QPushButton::clicked, this, &IncrementTab::cmdIncrementEditSave_Click);
}

void IncrementTab::Load(const AppSettings& settings)
{
    m_working = settings.IncrementList ? settings.IncrementList->Copy() : std::make_shared<IncrementCollection>();
    m_editPosition = 0;
    lstIncrements->selectionModel()->clear();
    FillIncrementList(0);
    SetIncrementEditor(nullptr, true);
}

bool IncrementTab::Commit(AppSettings& settings)
{
    settings.IncrementList = m_working;
    // The dialog is done with the table; a later opening starts from a new copy.
    m_working = std::make_shared<IncrementCollection>();
    m_model->Refill(m_working);
    return settings.SaveIncrements();
}

int IncrementTab::selectedRow() const
{
    const QModelIndexList rows = lstIncrements->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void IncrementTab::FillIncrementList(qint32 SelectPosition)
{
    const int remembered = selectedRow();
    m_model->Refill(m_working);
    const bool any = lstIncrements->selectWithin(SelectPosition > 0 ? SelectPosition - 1 : remembered);
    cmdIncrementEdit->setEnabled(any);
    cmdIncrementDelete->setEnabled(any);
}

void IncrementTab::SetIncrementEditor(const IncrementInfo* Increment, bool Disable)
{
    fraEditIncrement->setTitle(Increment ? tr("Edit Increment") : tr("New Increment"));
    txtIncrementMin->setText(Increment ? NumberText::Plain(Increment->Minimum) : QString());
    txtIncrementAmount->setText(Increment ? NumberText::Plain(Increment->Amount) : QString());
    const bool enabled = !Disable;
    for (QWidget* control : std::initializer_list<QWidget*>{fraEditIncrement, lblIncrementMin, lblIncrementAmount,
                                                            txtIncrementMin, txtIncrementAmount, cmdIncrementEditSave})
        control->setEnabled(enabled);
}

void IncrementTab::cmdIncrementAdd_Click()
{
    m_editPosition = 0;
    SetIncrementEditor(nullptr, false);
    txtIncrementMin->setFocus();
}

void IncrementTab::cmdIncrementEdit_Click()
{
    m_editPosition = selectedRow() + 1;
    const IncrementInfoPtr range = m_working->Item(m_editPosition);
    SetIncrementEditor(range.get(), false);
    txtIncrementMin->setFocus();
}

void IncrementTab::cmdIncrementDelete_Click()
{
    if (!Prompts::Confirm(this, tr("Are you sure you want to delete this increment?"), Prompts::Icon::Question))
        return;
    m_editPosition = selectedRow() + 1;
    m_working->Remove(m_editPosition);
    FillIncrementList(m_editPosition);
    SetIncrementEditor(nullptr, true);
}

void IncrementTab::cmdIncrementEditSave_Click()
{
    const std::optional<double> minimum = numberInRange(txtIncrementMin);
    if (!minimum) {
        txtIncrementMin->setFocus();
        Prompts::Inform(this, tr("Increment minimum must be between 0 and 999999"));
        return;
    }
    const std::optional<double> amount = numberInRange(txtIncrementAmount);
    if (!amount) {
        txtIncrementAmount->setFocus();
        Prompts::Inform(this, tr("Starting amount must be between 0 and 999999"));
        return;
    }

    auto range = std::make_shared<IncrementInfo>();
    range->Minimum = static_cast<qint32>(NumberText::RoundHalfEven(*minimum));
    range->Amount = static_cast<qint32>(NumberText::RoundHalfEven(*amount));

    // The edited range steps aside, so that keeping its minimum is no duplicate.
    IncrementInfoPtr setAside;
    if (m_editPosition > 0) {
        setAside = m_working->Item(m_editPosition);
        m_working->Remove(m_editPosition);
    }
    if (m_working->Add(range) == 0) {
        // Back in its place before the message shows, so the list never lacks it.
        if (setAside)
            m_working->Add(setAside);
        Prompts::Inform(this, tr("Cannot save since the minimum is a duplicate of an existing one."));
        return;
    }
    SetIncrementEditor(nullptr, true);
    FillIncrementList(m_editPosition);
}
