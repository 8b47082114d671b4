#include "setup/LotListModel.h"

#include "records/NumberText.h"

#include <algorithm>

LotListModel::LotListModel(QObject* parent) : QAbstractListModel(parent), m_lots(std::make_shared<LotCollection>()) {}

void LotListModel::setLots(LotCollectionPtr lots)
{
    beginResetModel();
    m_lots = lots ? std::move(lots) : std::make_shared<LotCollection>();
    endResetModel();
}

QString LotListModel::RowText(const LotInfo& lot)
{
    return NumberText::Plain(lot.LotNumber) + QLatin1Char('\t') + NumberText::Plain(lot.Amount) + QLatin1Char('\t') +
           lot.Note;
}

int LotListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_lots->Count();
}

QVariant LotListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.parent().isValid())
        return {};
    const LotInfoPtr lot = m_lots->Item(index.row() + 1);
    if (!lot)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return RowText(*lot);
    case Qt::ToolTipRole:
        // The row shows the note on one line; the tooltip shows it with its line breaks.
        return lot->Note.contains(QLatin1Char('\n')) ? QVariant(lot->Note) : QVariant();
    case LotNumberRole:
        return lot->LotNumber;
    case AmountRole:
        return lot->Amount;
    case NoteRole:
        return lot->Note;
    case AmountTextRole:
        return m_money.grouping == MoneyFormat::DefaultGrouping ? NumberText::Plain(lot->Amount)
                                                                : m_money.Grouped(lot->Amount);
    default:
        return {};
    }
}

void LotListModel::appendLot(LotInfoPtr lot)
{
    const int row = m_lots->Count();
    beginInsertRows({}, row, row);
    m_lots->Add(std::move(lot), 0);
    endInsertRows();
}

void LotListModel::appendLots(const LotCollection& lots)
{
    if (lots.Count() == 0)
        return;
    // Taken first, so that a list appended to itself doubles rather than grows without end.
    const LotCollection::Storage incoming(lots.begin(), lots.end());
    const int first = m_lots->Count();
    beginInsertRows({}, first, first + static_cast<int>(incoming.size()) - 1);
    for (const LotInfoPtr& lot : incoming)
        m_lots->Add(lot, 0);
    endInsertRows();
}

bool LotListModel::replaceLot(qint32 position, LotInfoPtr lot)
{
    if (!m_lots->Item(position))
        return false;
    m_lots->Remove(position);
    m_lots->Add(std::move(lot), position);
    const QModelIndex changed = index(position - 1);
    emit dataChanged(changed, changed);
    return true;
}

void LotListModel::removeLot(qint32 position)
{
    if (!m_lots->Item(position))
        return;
    beginRemoveRows({}, position - 1, position - 1);
    m_lots->Remove(position);
    endRemoveRows();
}

bool LotListModel::moveLot(qint32 position, qint32 newPosition)
{
    LotInfoPtr lot = m_lots->Item(position);
    if (!lot)
        return false;
    newPosition = std::clamp(newPosition, 1, m_lots->Count());
    if (newPosition == position)
        return false;
    // The view counts the destination before the move: below the source it is one further on.
    const int source = position - 1;
    const int destination = newPosition > position ? newPosition : newPosition - 1;
    if (!beginMoveRows({}, source, source, {}, destination))
        return false;
    m_lots->Remove(position);
    // Past the end after the removal means append, which is where a move to the last place lands.
    m_lots->Add(std::move(lot), newPosition);
    endMoveRows();
    return true;
}

void LotListModel::clear()
{
    beginResetModel();
    m_lots->Clear();
    endResetModel();
}
