#include "setup/LotRowDelegate.h"

#include "records/NumberText.h"
#include "setup/LotListModel.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {

// Widths of the two number columns, sized for the widest values the editor admits.
struct Columns
{
    QRect lotNumber;
    QRect amount;
    QRect note;
};

Columns columnsFor(const QRect& row, const QFontMetrics& metrics)
{
    const int margin = metrics.horizontalAdvance(QLatin1Char(' '));
    const int gap = 3 * margin;
    const int lotWidth = metrics.horizontalAdvance(QStringLiteral("99999"));
    const int amountWidth = metrics.horizontalAdvance(QStringLiteral("9999999"));
    Columns columns;
    columns.lotNumber = QRect(row.left() + margin, row.top(), lotWidth, row.height());
    columns.amount = QRect(columns.lotNumber.right() + 1 + gap, row.top(), amountWidth, row.height());
    const int noteLeft = columns.amount.right() + 1 + gap;
    columns.note = QRect(noteLeft, row.top(), std::max(0, row.right() - margin - noteLeft + 1), row.height());
    return columns;
}

} // namespace

QString LotRowDelegate::NoteOnOneLine(const QString& note)
{
    QString line = note;
    line.replace(QLatin1Char('\n'), LineBreakMark);
    return line;
}

void LotRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &background, widget);
    const Columns columns = columnsFor(textRect, background.fontMetrics);
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    const QPalette::ColorRole role =
        (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;

    painter->save();
    painter->setFont(background.font);
    painter->setPen(option.palette.color(group, role));
    const QFontMetrics& metrics = background.fontMetrics;
    auto draw = [&](const QRect& rect, const QString& text, Qt::Alignment alignment) {
        painter->drawText(rect, static_cast<int>(alignment | Qt::AlignVCenter | Qt::TextSingleLine),
                          metrics.elidedText(text, Qt::ElideRight, rect.width()));
    };
    draw(columns.lotNumber, NumberText::Plain(index.data(LotListModel::LotNumberRole).toInt()), Qt::AlignRight);
    draw(columns.amount, NumberText::Plain(index.data(LotListModel::AmountRole).toInt()), Qt::AlignRight);
    draw(columns.note, NoteOnOneLine(index.data(LotListModel::NoteRole).toString()), Qt::AlignLeft);
    painter->restore();
}

QSize LotRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // One line whatever the note holds: the list takes every row's size from a single row.
    QStyleOptionViewItem single = option;
    initStyleOption(&single, index);
    single.text = QStringLiteral("9");
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &single, QSize(), widget);
    size.setWidth(1);
    return size;
}
