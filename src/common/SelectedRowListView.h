#pragma once

#include <QListView>

// A single-selection list that never loses its selected row to a click (Ctrl+click or a
// click on empty space): the buttons beside such a list act on the selected row, so while
// there are rows one of them stays selected.
class SelectedRowListView : public QListView
{
public:
    using QListView::QListView;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override
    {
        if (!index.isValid())
            return QItemSelectionModel::NoUpdate;
        const QItemSelectionModel::SelectionFlags flags = QListView::selectionCommand(index, event);
        if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
            return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
        return flags;
    }
};
