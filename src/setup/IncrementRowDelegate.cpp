#include "setup/IncrementRowDelegate.h"

#include "records/NumberText.h"

QList<ColumnRowDelegate::Column> IncrementRowDelegate::columns(const QRect& textArea, const QFontMetrics& metrics,
                                                               const QModelIndex& index) const
{
    const int margin = metrics.horizontalAdvance(QLatin1Char(' '));
    const int columnWidth = metrics.horizontalAdvance(QStringLiteral("9999999"));
    const QRect minimum(textArea.left() + margin, textArea.top(), columnWidth, textArea.height());
    const QRect amount(minimum.right() + 1 + 3 * margin, textArea.top(), columnWidth, textArea.height());
    return {
        {minimum, NumberText::Plain(index.data(MinimumRole).toInt()), Qt::AlignRight, Qt::ElideLeft},
        {amount, NumberText::Plain(index.data(AmountRole).toInt()), Qt::AlignRight, Qt::ElideLeft},
    };
}
