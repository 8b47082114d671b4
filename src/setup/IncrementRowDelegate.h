#pragma once

#include <QStyledItemDelegate>

// Draws an increment row as two right-aligned columns, minimum and amount, sized for the
// widest values the editor admits. The row's text (minimum, tab, amount) stays its data.
class IncrementRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    enum Role
    {
        MinimumRole = Qt::UserRole + 1,
        AmountRole
    };

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
