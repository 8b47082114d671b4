#include "scoreboard/NumberLED.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

NumberLED::NumberLED(int digits, QWidget* parent)
    : LedDisplay(::LedType::NumberLED, -1, 120, parent), m_digits(std::max(1, digits))
{
    updateExtent();
}

void NumberLED::setCaption(int value)
{
    if (value < -1)
        value = -1;
    if (value == Caption())
        return;
    const QList<int> before = litDigits();
    const QString shownBefore = shownText();
    storeCaption(value);
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
    if (Change(m_digits, std::max(1, digits)))
        updateExtent();
}

void NumberLED::setPaddingH(double padding)
{
    if (Change(m_paddingH, padding))
        updateExtent();
}

void NumberLED::setPaddingV(double padding)
{
    if (Change(m_paddingV, padding))
        updateExtent();
}

void NumberLED::setPaddingI(double padding)
{
    if (Change(m_paddingI, padding))
        updateExtent();
}

QSizeF NumberLED::extentTwips() const
{
    const double width = 2 * m_paddingH + m_digits * DigitWidthPerSize * Size() + (m_digits - 1) * m_paddingI;
    const double height = 2 * m_paddingV + DigitHeightPerSize * Size();
    return {std::max(1.0, width), std::max(1.0, height)};
}

QList<int> NumberLED::litDigits() const
{
    QList<int> cells(m_digits, -1);
    if (Caption() < 0)
        return cells;
    // Values wider than the display show their last digits.
    int value = Caption();
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
    const double cellWidth = DigitWidthPerSize * Size();
    const double left = m_paddingH + cell * (cellWidth + m_paddingI);
    return {left * sx, m_paddingV * sy, cellWidth * sx, DigitHeightPerSize * Size() * sy};
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

void NumberLED::paintEvent(QPaintEvent* event)
{
    const Colors shades = colors();
    const QRegion& dirty = event->region();

    QPainter painter(this);
    for (const QRect& part : dirty)
        painter.fillRect(part, shades.back);
    painter.setRenderHint(QPainter::Antialiasing);
    const QList<int> digits = litDigits();
    for (int cell = 0; cell < m_digits; ++cell) {
        const QRectF area = cellRect(cell);
        if (dirty.intersects(area.toAlignedRect()))
            paintDigit(painter, area, digits[cell], shades);
    }
}
