#include "common/DesignLayout.h"

#include "common/Twips.h"
#include "records/NumberText.h"

#include <QWidget>

#include <algorithm>

namespace DesignLayout {

void Place(const Row& row, const QWidget* dpiReference)
{
    row.control->setObjectName(QString::fromUtf16(row.name));
    row.control->setGeometry(Twips::ToPixels(row.left, row.top, row.width, row.height, dpiReference));
}

void Place(std::initializer_list<Row> rows, const QWidget* dpiReference)
{
    QWidget* previous = nullptr;
    for (const Row& row : rows) {
        Place(row, dpiReference);
        if (row.control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, row.control);
        previous = row.control;
    }
}

int ToWhole(double x)
{
    return static_cast<int>(NumberText::RoundHalfEven(std::clamp(x, -1e9, 1e9)));
}

int Centred(double room, double extent)
{
    return ToWhole((room - extent) / 2.0);
}

QRect EdgesToPixels(const QRectF& twips, double dpi)
{
    const int x = Twips::ToPixels(twips.left(), dpi);
    const int y = Twips::ToPixels(twips.top(), dpi);
    const int right = Twips::ToPixels(twips.left() + twips.width(), dpi);
    const int bottom = Twips::ToPixels(twips.top() + twips.height(), dpi);
    return QRect(x, y, std::max(1, right - x), std::max(1, bottom - y));
}

} // namespace DesignLayout
