#include "scoreboard/PolyLED.h"

#include <QPainter>

#include <algorithm>

PolyLED::PolyLED(QWidget* parent) : LedDisplay(::LedType::PolyLED, 8, 57, parent)
{
    setFocusPolicy(Qt::NoFocus);
    updateExtent();
}

QString PolyLED::shownText() const
{
    return Caption() < 0 ? QString() : QString(QChar(u'0' + Caption()));
}

void PolyLED::setCaption(int value)
{
    value = value < 0 ? -1 : value % 10;
    if (value == Caption())
        return;
    const QString before = shownText();
    storeCaption(value);
    update();
    DisplayAccessible::NotifyChanged(this, before);
}

QSizeF PolyLED::extentTwips() const
{
    const double scale = 1 + 2 * PaddingPerSide;
    return {std::max(1.0, DigitWidthPerSize * Size() * scale), std::max(1.0, DigitHeightPerSize * Size() * scale)};
}

QRectF PolyLED::cellRect() const
{
    const double scale = 1 + 2 * PaddingPerSide;
    const QSizeF cell(width() / scale, height() / scale);
    return {cell.width() * PaddingPerSide, cell.height() * PaddingPerSide, cell.width(), cell.height()};
}

void PolyLED::paintEvent(QPaintEvent*)
{
    const Colors shades = colors();
    QPainter painter(this);
    painter.fillRect(rect(), shades.back);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDigit(painter, cellRect(), Caption(), shades);
}
