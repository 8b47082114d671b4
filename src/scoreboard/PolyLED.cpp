#include "scoreboard/PolyLED.h"

#include "common/Twips.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/NumberLED.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

PolyLED::PolyLED(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateExtent();
    DisplayAccessible::Install();
}

QString PolyLED::shownText() const
{
    return m_caption < 0 ? QString() : QString(QChar(u'0' + m_caption));
}

void PolyLED::setCaption(int value)
{
    value = value < 0 ? -1 : value % 10;
    if (value == m_caption)
        return;
    const QString before = shownText();
    m_caption = value;
    update();
    DisplayAccessible::NotifyChanged(this, before);
}

void PolyLED::setLitColor(int color)
{
    if (color == m_litColor)
        return;
    m_litColor = color;
    update();
}

void PolyLED::setBackColor(int color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void PolyLED::setLedType(int type)
{
    if (type == m_ledType)
        return;
    m_ledType = type;
    update();
}

void PolyLED::setSize(double size)
{
    if (size == m_size)
        return;
    m_size = size;
    updateExtent();
}

QSizeF PolyLED::extentTwips() const
{
    const double scale = 1 + 2 * PaddingPerSide;
    return {std::max(1.0, NumberLED::DigitWidthPerSize * m_size * scale),
            std::max(1.0, NumberLED::DigitHeightPerSize * m_size * scale)};
}

QRectF PolyLED::cellRect() const
{
    const double scale = 1 + 2 * PaddingPerSide;
    const QSizeF cell(width() / scale, height() / scale);
    return {cell.width() * PaddingPerSide, cell.height() * PaddingPerSide, cell.width(), cell.height()};
}

QSize PolyLED::sizeHint() const
{
    const QSizeF twips = extentTwips();
    return {std::max(1, Twips::ToPixels(twips.width(), this)), std::max(1, Twips::ToPixels(twips.height(), this))};
}

void PolyLED::updateExtent()
{
    setFixedSize(sizeHint());
    updateGeometry();
    update();
}

void PolyLED::paintEvent(QPaintEvent*)
{
    const QColor back = LedColors::ToQColor(m_backColor);
    const QColor lit = LedColors::ToQColor(m_litColor);
    QPainter painter(this);
    painter.fillRect(rect(), back);
    painter.setRenderHint(QPainter::Antialiasing);
    m_digitPainter.paint(painter, cellRect(), m_caption, m_ledType, lit, LedGeometry::UnlitColor(lit, back));
}

void PolyLED::changeEvent(QEvent* event)
{
    // Moving to a screen with another dpi changes the pixel extent of the same twips.
    if (event->type() == QEvent::ScreenChangeInternal)
        updateExtent();
    QWidget::changeEvent(event);
}
