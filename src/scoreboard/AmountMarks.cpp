#include "scoreboard/AmountMarks.h"

#include "scoreboard/LedGeometry.h"
#include "scoreboard/NumberLED.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The first digit cell of `digits` in the coordinates of `label`; empty without a display.
QRectF CellIn(const QWidget* label, const NumberLED* digits)
{
    if (!digits || digits->window() != label->window())
        return {};
    const QRectF cell = digits->cellRect(0);
    const QWidget* window = label->window();
    return {label->mapFrom(window, digits->mapTo(window, cell.topLeft())),
            label->mapFrom(window, digits->mapTo(window, cell.bottomRight()))};
}

// The separators that the dot style draws on its grid; a narrow space is there as a gap alone.
bool DrawnAsDots(const QString& separator)
{
    static const QStringList Marks{QStringLiteral(","), QStringLiteral("."), QStringLiteral("'"),
                                   QString(QChar(0x202F))};
    return Marks.contains(separator);
}

QPainterPath Outline(const QString& text, const QFont& font)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

} // namespace

void CurrencySign::setDigits(const NumberLED* digits)
{
    m_digits = digits;
    update();
}

QTransform CurrencySign::Place(const QString& sign, const QFont& font, const QRectF& box, double baseline)
{
    const QRectF ink = Outline(sign, font).boundingRect();
    const QRectF dollar = Outline(QStringLiteral("$"), font).boundingRect();
    if (ink.isEmpty() || dollar.isEmpty() || box.isEmpty())
        return {};
    double scale = dollar.height() / ink.height();
    // Never taller than the room above the baseline.
    const double room = baseline - box.top();
    if (ink.height() * scale > room)
        scale = std::max(0.0, room / ink.height());
    double condense = 1.0;
    const double widest = box.width() * WidthShare;
    const double width = ink.width() * scale;
    if (width > widest) {
        condense = widest / width;
        if (condense < MinimumCondense) {
            scale *= condense / MinimumCondense;
            condense = MinimumCondense;
        }
    }
    QTransform placement;
    placement.translate(box.center().x(), baseline);
    placement.scale(scale * condense, scale);
    placement.translate(-ink.center().x(), -ink.bottom());
    return placement;
}

void CurrencySign::CompleteLook(Look& look) const
{
    look.anchor = CellIn(this, m_digits);
}

void CurrencySign::DrawCaption(QPainter& painter, const Look& look) const
{
    const QRectF box(look.contents);
    const double baseline = look.anchor.isEmpty() ? box.bottom() : std::min(box.bottom(), look.anchor.bottom());
    const QTransform placement = Place(look.text, look.font, box, baseline);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(placement.map(Outline(look.text, look.font)), QColor::fromRgba(look.colour));
}

void GroupSeparator::setDigits(const NumberLED* digits)
{
    m_digits = digits;
    update();
}

void GroupSeparator::setLedType(int type)
{
    if (type == m_ledType)
        return;
    m_ledType = type;
    update();
}

QList<QPointF> GroupSeparator::DotCentres(const QString& separator, const QRectF& cell, double centreX, double top)
{
    if (cell.isEmpty())
        return {};
    const double pitchX = cell.width() / LedGeometry::DotColumns;
    const double pitchY = cell.height() / LedGeometry::DotRows;
    auto row = [&](double index) {
        return cell.top() + (index + 0.5) * pitchY;
    };
    const int bottomRow = LedGeometry::DotRows - 1;
    if (separator == QLatin1String(","))
        // A dot on the digits' bottom row with its tail below, as a comma hangs.
        return {{centreX, row(bottomRow)}, {centreX - pitchX / 2, row(bottomRow + 1)}};
    if (separator == QLatin1String("."))
        return {{centreX, row(bottomRow)}};
    if (separator == QLatin1String("'")) {
        // As high as the box lets it stand: the first whole row inside it, and the next.
        const double radius = LedGeometry::DotRadius(cell.size());
        const int first = std::max(0, static_cast<int>(std::ceil((top + radius - cell.top()) / pitchY - 0.5)));
        return {{centreX, row(first)}, {centreX, row(first + 1)}};
    }
    return {};
}

void GroupSeparator::CompleteLook(Look& look) const
{
    look.style = LedGeometry::EffectiveStyle(m_ledType);
    if (look.style == LedGeometry::StyleDots)
        look.anchor = CellIn(this, m_digits);
}

void GroupSeparator::DrawCaption(QPainter& painter, const Look& look) const
{
    if (look.style != LedGeometry::StyleDots || look.anchor.isEmpty() || !DrawnAsDots(look.text)) {
        CaptionLabel::DrawCaption(painter, look);
        return;
    }
    const double radius = LedGeometry::DotRadius(look.anchor.size());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(look.colour));
    const QRectF box(look.contents);
    for (const QPointF& centre : DotCentres(look.text, look.anchor, box.center().x(), box.top()))
        painter.drawEllipse(centre, radius, radius);
}
