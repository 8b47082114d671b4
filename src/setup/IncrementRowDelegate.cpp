#include "setup/IncrementRowDelegate.h"

#include "records/NumberText.h"

#include <QApplication>
#include <QPainter>

void IncrementRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const QRect row = style->subElementRect(QStyle::SE_ItemViewItemText, &background, widget);
    const QFontMetrics& metrics = background.fontMetrics;
    const int margin = metrics.horizontalAdvance(QLatin1Char(' '));
    const int columnWidth = metrics.horizontalAdvance(QStringLiteral("9999999"));
    const QRect minimum(row.left() + margin, row.top(), columnWidth, row.height());
    const QRect amount(minimum.right() + 1 + 3 * margin, row.top(), columnWidth, row.height());

    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    const QPalette::ColorRole role =
        (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(background.font);
    painter->setPen(option.palette.color(group, role));
    for (const auto& [rect, value] :
         {std::pair{minimum, index.data(MinimumRole).toInt()}, std::pair{amount, index.data(AmountRole).toInt()}}) {
        painter->drawText(rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                          metrics.elidedText(NumberText::Plain(value), Qt::ElideLeft, rect.width()));
    }
    painter->restore();
}

QSize IncrementRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
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
