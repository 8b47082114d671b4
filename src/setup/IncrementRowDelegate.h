#pragma once

#include "common/ColumnRowDelegate.h"

// Draws an increment row as two right-aligned columns, minimum and amount, sized for the
// widest values the editor admits. The row's text (minimum, tab, amount) stays its data.
class IncrementRowDelegate : public ColumnRowDelegate
{
    Q_OBJECT

public:
    enum Role
    {
        MinimumRole = Qt::UserRole + 1,
        AmountRole
    };

    using ColumnRowDelegate::ColumnRowDelegate;

protected:
    QList<Column> columns(const QRect& textArea, const QFontMetrics& metrics, const QModelIndex& index) const override;
};
