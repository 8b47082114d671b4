#pragma once

#include <QListView>

#include <algorithm>

// A single-selection list that never loses its selected row to a click (Ctrl+click or a
// click on empty space): the buttons beside such a list act on the selected row, so while
// there are rows one of them stays selected.
class SelectedRowListView : public QListView
{
public:
    using QListView::QListView;

    // Selects `row`, held to the rows there are (the last for one past the end, the first
    // for -1), or nothing when the list is empty. True when a row is selected.
    bool selectWithin(int row)
    {
        const int rows = model() ? model()->rowCount() : 0;
        if (rows <= 0) {
            selectionModel()->clear();
            return false;
        }
        const QModelIndex index = model()->index(std::clamp(row, 0, rows - 1), 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
        return true;
    }

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
