#include "common/ColumnRowDelegate.h"

#include <QApplication>
#include <QPainter>

void ColumnRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const QRect textArea = style->subElementRect(QStyle::SE_ItemViewItemText, &background, widget);
    const QFontMetrics& metrics = background.fontMetrics;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    const QPalette::ColorRole role =
        (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(background.font);
    painter->setPen(option.palette.color(group, role));
    for (const Column& column : columns(textArea, metrics, index)) {
        painter->drawText(column.rect, static_cast<int>(column.alignment | Qt::AlignVCenter | Qt::TextSingleLine),
                          metrics.elidedText(column.text, column.elide, column.rect.width()));
    }
    painter->restore();
}

QSize ColumnRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem single = option;
    initStyleOption(&single, index);
    single.text = QStringLiteral("9");
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &single, QSize(), widget);
    size.setWidth(1);
    return size;
}
