#pragma once

#include "records/MoneyFormat.h"

#include "records/LotCollection.h"

#include <QAbstractListModel>

// The rows of the lot editor's list, one per lot of the working list, in list order.
// Every change to the working list goes through here so the view follows row by row
// instead of being rebuilt, which keeps a sale of 100,000 lots responsive.
class LotListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        LotNumberRole = Qt::UserRole + 1,
        AmountRole,
        NoteRole,
        AmountTextRole, // the starting bid as the list shows it
    };

    explicit LotListModel(QObject* parent = nullptr);

    // Shows another list; the rows are rebuilt once.
    void setLots(LotCollectionPtr lots);
    const LotCollectionPtr& lots() const { return m_lots; }
    // The sale's digit grouping for the amounts shown; with the default comma they stay plain.
    void setMoney(const MoneyFormat& money) { m_money = money; }

    // Lot number, tab, starting bid, tab, note; both numbers in plain decimal.
    static QString RowText(const LotInfo& lot);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Positions are 1-based, as in the list.
    void appendLot(LotInfoPtr lot);
    // Appends the records of another list (shared, not copied) with one insertion for the view.
    void appendLots(const LotCollection& lots);
    // Puts the record in place of the one at the position; false when no lot has it.
    bool replaceLot(qint32 position, LotInfoPtr lot);
    void removeLot(qint32 position);
    // Moves the lot at the position so that it ends up at newPosition (clamped to the
    // list); false when there was nothing to move.
    bool moveLot(qint32 position, qint32 newPosition);
    void clear();

private:
    LotCollectionPtr m_lots;
    MoneyFormat m_money;
};
