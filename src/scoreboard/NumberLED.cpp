#include "scoreboard/NumberLED.h"

#include "common/Twips.h"
#include "scoreboard/LedColors.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

NumberLED::NumberLED(int digits, QWidget* parent) : KeyReportingWidget(parent), m_digits(std::max(1, digits))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateExtent();
}

void NumberLED::setCaption(int value)
{
    if (value < -1)
        value = -1;
    if (value == m_caption)
        return;
    const QList<int> before = litDigits();
    const QString shownBefore = shownText();
    m_caption = value;
    updateChangedCells(before);
    if (spokenText().isEmpty())
        DisplayAccessible::NotifyChanged(this, shownBefore);
}

void NumberLED::setZeroFill(bool on)
{
    if (on == m_zeroFill)
        return;
    const QList<int> before = litDigits();
    m_zeroFill = on;
    updateChangedCells(before);
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

QString NumberLED::shownText() const
{
    if (!spokenText().isEmpty())
        return spokenText();
    QString digits;
    for (int digit : litDigits()) {
        if (digit >= 0)
            digits += QChar(u'0' + digit);
    }
    return digits;
}

QRectF NumberLED::cellRect(int cell) const
{
    // The pixel extent is the twips extent rounded, so scale each axis by its own ratio.
    const QSizeF twips = extentTwips();
    const double sx = width() / twips.width();
    const double sy = height() / twips.height();
    const double cellWidth = DigitWidthPerSize * m_size;
    const double left = m_paddingH + cell * (cellWidth + m_paddingI);
    return {left * sx, m_paddingV * sy, cellWidth * sx, DigitHeightPerSize * m_size * sy};
}

void NumberLED::updateChangedCells(const QList<int>& before)
{
    const QList<int> after = litDigits();
    for (int cell = 0; cell < m_digits; ++cell) {
        // A pixel of margin covers the antialiased edge.
        if (before.value(cell) != after.value(cell))
            update(cellRect(cell).toAlignedRect().adjusted(-1, -1, 1, 1));
    }
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

void NumberLED::paintEvent(QPaintEvent* event)
{
    const QColor back = LedColors::ToQColor(m_backColor);
    const QColor lit = LedColors::ToQColor(m_litColor);
    const QColor unlit = LedGeometry::UnlitColor(lit, back);
    const QRegion& dirty = event->region();

    QPainter painter(this);
    for (const QRect& part : dirty)
        painter.fillRect(part, back);
    painter.setRenderHint(QPainter::Antialiasing);
    const QList<int> digits = litDigits();
    for (int cell = 0; cell < m_digits; ++cell) {
        const QRectF area = cellRect(cell);
        if (dirty.intersects(area.toAlignedRect()))
            m_digitPainter.paint(painter, area, digits[cell], m_ledType, lit, unlit);
    }
}

void NumberLED::changeEvent(QEvent* event)
{
    // Moving to a screen with another dpi changes the pixel extent of the same twips.
    if (event->type() == QEvent::ScreenChangeInternal)
        updateExtent();
    QWidget::changeEvent(event);
}
