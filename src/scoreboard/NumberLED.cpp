#include "scoreboard/NumberLED.h"

#include "common/Twips.h"
#include "scoreboard/LedColors.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

NumberLED::NumberLED(int digits, QWidget* parent) : QWidget(parent), m_digits(std::max(1, digits))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateExtent();
}

void NumberLED::setCaption(int value)
{
    if (value < -1)
        value = -1;
    if (value == m_caption)
        return;
    m_caption = value;
    update();
}

void NumberLED::setZeroFill(bool on)
{
    if (on == m_zeroFill)
        return;
    m_zeroFill = on;
    update();
}

void NumberLED::setDigits(int digits)
{
    digits = std::max(1, digits);
    if (digits == m_digits)
        return;
    m_digits = digits;
    updateExtent();
}

void NumberLED::setLitColor(int color)
{
    if (color == m_litColor)
        return;
    m_litColor = color;
    update();
}

void NumberLED::setBackColor(int color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void NumberLED::setLedType(int type)
{
    if (type == m_ledType)
        return;
    m_ledType = type;
    update();
}

void NumberLED::setSize(double size)
{
    if (size == m_size)
        return;
    m_size = size;
    updateExtent();
}

void NumberLED::setPaddingH(double padding)
{
    if (padding == m_paddingH)
        return;
    m_paddingH = padding;
    updateExtent();
}

void NumberLED::setPaddingV(double padding)
{
    if (padding == m_paddingV)
        return;
    m_paddingV = padding;
    updateExtent();
}

void NumberLED::setPaddingI(double padding)
{
    if (padding == m_paddingI)
        return;
    m_paddingI = padding;
    updateExtent();
}

QSizeF NumberLED::extentTwips() const
{
    const double width = 2 * m_paddingH + m_digits * DigitWidthPerSize * m_size + (m_digits - 1) * m_paddingI;
    const double height = 2 * m_paddingV + DigitHeightPerSize * m_size;
    return {std::max(1.0, width), std::max(1.0, height)};
}

QList<int> NumberLED::litDigits() const
{
    QList<int> cells(m_digits, -1);
    if (m_caption < 0)
        return cells;
    // Values wider than the display show their last digits.
    int value = m_caption;
    for (int cell = m_digits - 1; cell >= 0; --cell) {
        const bool leading = value == 0 && cell < m_digits - 1;
        cells[cell] = (leading && !m_zeroFill) ? -1 : value % 10;
        value /= 10;
    }
    return cells;
}

QSize NumberLED::sizeHint() const
{
    const QSizeF twips = extentTwips();
    return {std::max(1, Twips::ToPixels(twips.width(), this)), std::max(1, Twips::ToPixels(twips.height(), this))};
}

void NumberLED::updateExtent()
{
    const QSize extent = sizeHint();
    setFixedSize(extent);
    updateGeometry();
    update();
}

void NumberLED::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), LedColors::ToQColor(m_backColor));
    // Digit drawing comes with the segment and dot geometry.
}

void NumberLED::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown(event);
    event->accept();
}

void NumberLED::keyReleaseEvent(QKeyEvent* event)
{
    emit KeyUp(event);
    event->accept();
}

void NumberLED::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    emit Click();
}

void NumberLED::changeEvent(QEvent* event)
{
    // Moving to a screen with another dpi changes the pixel extent of the same twips.
    if (event->type() == QEvent::ScreenChangeInternal)
        updateExtent();
    QWidget::changeEvent(event);
}
