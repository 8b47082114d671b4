#pragma once

#include <QList>
#include <QStyledItemDelegate>

// A list row drawn as aligned columns of text over the style's own item background (selection,
// focus, hover), one line high whatever the row's text holds: the lists take every row's size
// from a single row.
class ColumnRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const final;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const final;

protected:
    struct Column
    {
        QRect rect;
        QString text;
        Qt::Alignment alignment;
        // Which end gives way when the text is wider than its column.
        Qt::TextElideMode elide;
    };
    // The columns of the row at index, laid out within the row's text area.
    virtual QList<Column> columns(const QRect& textArea, const QFontMetrics& metrics,
                                  const QModelIndex& index) const = 0;
};
