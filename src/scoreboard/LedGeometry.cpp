#include "scoreboard/LedGeometry.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace LedGeometry {

namespace {

// Proportions of a segment: thickness against the cell, and the gap at each joint against the thickness.
constexpr double ThicknessPerWidth = 0.18;
constexpr double ThicknessPerHeight = 0.10;
constexpr double GapPerThickness = 0.12;
constexpr double DotRadiusPerPitch = 0.40;

constexpr std::array<std::uint8_t, 10> DigitSegments = {
    0b0111111, // 0: a b c d e f
    0b0000110, // 1: b c
    0b1011011, // 2: a b d e g
    0b1001111, // 3: a b c d g
    0b1100110, // 4: b c f g
    0b1101101, // 5: a c d f g
    0b1111101, // 6: a c d e f g
    0b0000111, // 7: a b c
    0b1111111, // 8: all
    0b1101111, // 9: a b c d f g
};

// Rows of the 5 x 7 dot font, top to bottom; the leftmost column is the highest of five bits.
constexpr std::array<std::array<std::uint8_t, DotRows>, 10> DigitDots = {{
    {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110}, // 0
    {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}, // 1
    {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111}, // 2
    {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110}, // 3
    {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010}, // 4
    {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110}, // 5
    {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110}, // 6
    {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000}, // 7
    {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110}, // 8
    {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100}, // 9
}};

bool IsDigit(int digit)
{
    return digit >= 0 && digit <= 9;
}

// A hexagon along the line from `from` to `to` (horizontal or vertical), pointed at both ends.
QPolygonF Bar(QPointF from, QPointF to, double thickness)
{
    const bool horizontal = from.y() == to.y();
    const double length = horizontal ? to.x() - from.x() : to.y() - from.y();
    const double half = thickness / 2;
    // A very short bar would fold over itself: let its tips meet in the middle instead.
    const double tip = std::min(half, std::max(0.0, length / 2));
    if (horizontal) {
        return QPolygonF({from,
                          {from.x() + tip, from.y() - half},
                          {to.x() - tip, to.y() - half},
                          to,
                          {to.x() - tip, to.y() + half},
                          {from.x() + tip, from.y() + half}});
    }
    return QPolygonF({from,
                      {from.x() + half, from.y() + tip},
                      {to.x() + half, to.y() - tip},
                      to,
                      {to.x() - half, to.y() - tip},
                      {from.x() - half, from.y() + tip}});
}

} // namespace

int EffectiveStyle(int ledType)
{
    return ledType == StyleDots ? StyleDots : StyleLines;
}

std::uint8_t SegmentMask(int digit)
{
    return IsDigit(digit) ? DigitSegments[static_cast<std::size_t>(digit)] : 0;
}

double SegmentThickness(const QSizeF& cell)
{
    return std::max(0.0, std::min(cell.width() * ThicknessPerWidth, cell.height() * ThicknessPerHeight));
}

std::array<QPolygonF, SegmentCount> SegmentPolygons(const QSizeF& cell)
{
    const double w = cell.width();
    const double h = cell.height();
    const double t = SegmentThickness(cell);
    const double gap = t * GapPerThickness;
    // Centre lines of the outer strokes and of the middle one.
    const double left = t / 2;
    const double right = w - t / 2;
    const double top = t / 2;
    const double middle = h / 2;
    const double bottom = h - t / 2;

    std::array<QPolygonF, SegmentCount> polygons;
    polygons[SegA] = Bar({left + gap, top}, {right - gap, top}, t);
    polygons[SegB] = Bar({right, top + gap}, {right, middle - gap}, t);
    polygons[SegC] = Bar({right, middle + gap}, {right, bottom - gap}, t);
    polygons[SegD] = Bar({left + gap, bottom}, {right - gap, bottom}, t);
    polygons[SegE] = Bar({left, middle + gap}, {left, bottom - gap}, t);
    polygons[SegF] = Bar({left, top + gap}, {left, middle - gap}, t);
    polygons[SegG] = Bar({left + gap, middle}, {right - gap, middle}, t);
    return polygons;
}

QPointF SegmentCentre(const QSizeF& cell, Segment segment)
{
    const double w = cell.width();
    const double h = cell.height();
    const double t = SegmentThickness(cell);
    switch (segment) {
    case SegA:
        return {w / 2, t / 2};
    case SegB:
        return {w - t / 2, h / 4 + t / 4};
    case SegC:
        return {w - t / 2, 3 * h / 4 - t / 4};
    case SegD:
        return {w / 2, h - t / 2};
    case SegE:
        return {t / 2, 3 * h / 4 - t / 4};
    case SegF:
        return {t / 2, h / 4 + t / 4};
    case SegG:
    case SegmentCount:
        break;
    }
    return {w / 2, h / 2};
}

std::uint64_t DotMask(int digit)
{
    if (!IsDigit(digit))
        return 0;
    std::uint64_t mask = 0;
    for (int row = 0; row < DotRows; ++row) {
        const auto bits = DigitDots[static_cast<std::size_t>(digit)][static_cast<std::size_t>(row)];
        for (int column = 0; column < DotColumns; ++column) {
            if (bits & (1u << (DotColumns - 1 - column)))
                mask |= std::uint64_t{1} << (row * DotColumns + column);
        }
    }
    return mask;
}

bool DotLit(int digit, int column, int row)
{
    if (column < 0 || column >= DotColumns || row < 0 || row >= DotRows)
        return false;
    return (DotMask(digit) >> (row * DotColumns + column)) & 1u;
}

QPointF DotCentre(const QSizeF& cell, int column, int row)
{
    return {(column + 0.5) * cell.width() / DotColumns, (row + 0.5) * cell.height() / DotRows};
}

double DotRadius(const QSizeF& cell)
{
    const double pitch = std::min(cell.width() / DotColumns, cell.height() / DotRows);
    return std::max(0.0, pitch * DotRadiusPerPitch);
}

QColor UnlitColor(const QColor& lit, const QColor& back)
{
    auto mix = [](int over, int under) {
        return static_cast<int>(std::lround(under + (over - under) * UnlitBlend));
    };
    return QColor(mix(lit.red(), back.red()), mix(lit.green(), back.green()), mix(lit.blue(), back.blue()));
}

void DigitPainter::paint(QPainter& painter, const QRectF& cell, int digit, int ledType, const QColor& lit,
                         const QColor& unlit)
{
    if (!(cell.width() > 0 && cell.height() > 0))
        return;
    if (EffectiveStyle(ledType) == StyleDots) {
        paintDots(painter, cell, digit, lit, unlit);
        return;
    }
    if (cell.size() != m_cell)
        rebuildSegments(cell.size());
    const std::size_t index = IsDigit(digit) ? static_cast<std::size_t>(digit + 1) : 0;
    const QPointF origin = cell.topLeft();
    painter.translate(origin);
    painter.fillPath(m_unlit[index], unlit);
    painter.fillPath(m_lit[index], lit);
    painter.translate(-origin);
}

QImage DigitPainter::makeDot(double radius, double devicePixelRatio, const QColor& color)
{
    // One device pixel of room around the disc for its antialiased edge.
    const int side = static_cast<int>(std::ceil(2 * radius * devicePixelRatio)) + 2;
    QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
    dot.setDevicePixelRatio(devicePixelRatio);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const double centre = side / devicePixelRatio / 2;
    painter.drawEllipse(QPointF(centre, centre), radius, radius);
    return dot;
}

void DigitPainter::paintDots(QPainter& painter, const QRectF& cell, int digit, const QColor& lit, const QColor& unlit)
{
    const double radius = DotRadius(cell.size());
    if (!(radius > 0))
        return;
    const double ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    if (m_litDot.isNull() || radius != m_dotRadius || ratio != m_litDot.devicePixelRatio() || lit != m_dotLitColor ||
        unlit != m_dotUnlitColor) {
        m_dotRadius = radius;
        m_dotLitColor = lit;
        m_dotUnlitColor = unlit;
        m_litDot = makeDot(radius, ratio, lit);
        m_unlitDot = makeDot(radius, ratio, unlit);
    }
    const double half = m_litDot.width() / ratio / 2;
    const std::uint64_t mask = DotMask(digit);
    for (int row = 0; row < DotRows; ++row) {
        for (int column = 0; column < DotColumns; ++column) {
            const bool on = (mask >> (row * DotColumns + column)) & 1u;
            const QPointF centre = cell.topLeft() + DotCentre(cell.size(), column, row);
            painter.drawImage(QPointF(centre.x() - half, centre.y() - half), on ? m_litDot : m_unlitDot);
        }
    }
}

void DigitPainter::rebuildSegments(const QSizeF& cell)
{
    m_cell = cell;
    const auto polygons = SegmentPolygons(cell);
    for (int digit = -1; digit <= 9; ++digit) {
        QPainterPath lit;
        QPainterPath unlit;
        const std::uint8_t mask = SegmentMask(digit);
        for (int segment = 0; segment < SegmentCount; ++segment) {
            QPainterPath& path = (mask >> segment) & 1u ? lit : unlit;
            path.addPolygon(polygons[static_cast<std::size_t>(segment)]);
            path.closeSubpath();
        }
        m_lit[static_cast<std::size_t>(digit + 1)] = lit;
        m_unlit[static_cast<std::size_t>(digit + 1)] = unlit;
    }
}

} // namespace LedGeometry
