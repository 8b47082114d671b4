#include "scoreboard/LedDisplay.h"

#include "common/Twips.h"
#include "scoreboard/LedColors.h"

#include <QByteArrayView>
#include <QEvent>

#include <algorithm>

QString LedTypeName(LedType type)
{
    switch (type) {
    case LedType::NumberLED:
        return QStringLiteral("NumberLED");
    case LedType::PolyLED:
        return QStringLiteral("PolyLED");
    case LedType::TimeLED:
        return QStringLiteral("TimeLED");
    }
    return {};
}

std::optional<LedType> LedTypeOf(const QWidget* control)
{
    if (const auto* display = qobject_cast<const LedDisplay*>(control))
        return display->displayType();
    // A TimeLED is none of ours, so only its type name tells it.
    if (control && QByteArrayView(control->metaObject()->className()) == QByteArrayView("TimeLED"))
        return LedType::TimeLED;
    return std::nullopt;
}

LedDisplay::LedDisplay(::LedType displayType, int caption, double size, QWidget* parent)
    : KeyReportingWidget(parent), m_displayType(displayType), m_caption(caption), m_size(size)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LedDisplay::setLitColor(int color)
{
    if (Change(m_litColor, color))
        update();
}

void LedDisplay::setBackColor(int color)
{
    if (Change(m_backColor, color))
        update();
}

void LedDisplay::setLedType(int type)
{
    if (Change(m_ledType, type))
        update();
}

void LedDisplay::setSize(double size)
{
    if (Change(m_size, size))
        updateExtent();
}

QSize LedDisplay::sizeHint() const
{
    const QSizeF twips = extentTwips();
    return {std::max(1, Twips::ToPixels(twips.width(), this)), std::max(1, Twips::ToPixels(twips.height(), this))};
}

void LedDisplay::updateExtent()
{
    setFixedSize(sizeHint());
    updateGeometry();
    update();
}

LedDisplay::Colors LedDisplay::colors() const
{
    const QColor back = LedColors::ToQColor(m_backColor);
    const QColor lit = LedColors::ToQColor(m_litColor);
    return {back, lit, LedGeometry::UnlitColor(lit, back)};
}

void LedDisplay::paintDigit(QPainter& painter, const QRectF& cell, int digit, const Colors& colors)
{
    m_digitPainter.paint(painter, cell, digit, m_ledType, colors.lit, colors.unlit);
}

void LedDisplay::changeEvent(QEvent* event)
{
    // Moving to a screen with another dpi changes the pixel extent of the same twips.
    if (event->type() == QEvent::ScreenChangeInternal)
        updateExtent();
    QWidget::changeEvent(event);
}
