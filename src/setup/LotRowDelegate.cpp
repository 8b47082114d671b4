#include "setup/LotRowDelegate.h"

#include "records/NumberText.h"
#include "setup/LotListModel.h"

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

QList<ColumnRowDelegate::Column> LotRowDelegate::columns(const QRect& textArea, const QFontMetrics& metrics,
                                                         const QModelIndex& index) const
{
    const Columns at = columnsFor(textArea, metrics);
    return {
        {at.lotNumber, NumberText::Plain(index.data(LotListModel::LotNumberRole).toInt()), Qt::AlignRight,
         Qt::ElideRight},
        {at.amount, index.data(LotListModel::AmountTextRole).toString(), Qt::AlignRight, Qt::ElideRight},
        {at.note, NoteOnOneLine(index.data(LotListModel::NoteRole).toString()), Qt::AlignLeft, Qt::ElideRight},
    };
}
