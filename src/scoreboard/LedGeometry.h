#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QSizeF>

#include <array>
#include <cstdint>

class QPainter;
class QRectF;

// Shapes of LED digits, worked out for a digit cell of any size. Everything is in the cell's own
// floating-point coordinates (origin at its top-left corner), so the same shapes serve every
// size and device pixel ratio.
namespace LedGeometry {

// Digit styles as the displays' LedType holds them. Every other value draws as Lines.
inline constexpr int StyleLines = 0;
inline constexpr int StyleDots = 1;
int EffectiveStyle(int ledType);

// Seven segments, bit n of a mask standing for segment a + n:
//    aaa
//   f   b
//    ggg
//   e   c
//    ddd
enum Segment
{
    SegA,
    SegB,
    SegC,
    SegD,
    SegE,
    SegF,
    SegG,
    SegmentCount
};

// Segments lit for a digit 0..9; nothing for -1 or any other value.
std::uint8_t SegmentMask(int digit);

// Stroke thickness of a segment in a cell of this size.
double SegmentThickness(const QSizeF& cell);
// The bevelled (hexagonal) outline of each segment, with a small gap at every joint.
std::array<QPolygonF, SegmentCount> SegmentPolygons(const QSizeF& cell);
// A point well inside the segment (its middle).
QPointF SegmentCentre(const QSizeF& cell, Segment segment);

// Dot matrix of DotColumns x DotRows; bit row * DotColumns + column is lit.
inline constexpr int DotColumns = 5;
inline constexpr int DotRows = 7;
std::uint64_t DotMask(int digit);
bool DotLit(int digit, int column, int row);
QPointF DotCentre(const QSizeF& cell, int column, int row);
double DotRadius(const QSizeF& cell);

// The faint shade in which unlit segments and dots show over the background.
inline constexpr double UnlitBlend = 0.12;
QColor UnlitColor(const QColor& lit, const QColor& back);

// Draws digits into cells. The segment outlines of each digit are built once per cell size, and the
// two dot images once per dot size, colour and pixel ratio; a repaint reuses them until those change.
class DigitPainter
{
public:
    // Draws one digit (-1 for a dark cell, which shows only the unlit shapes) into cell.
    // The background under the cell must already be painted.
    void paint(QPainter& painter, const QRectF& cell, int digit, int ledType, const QColor& lit, const QColor& unlit);

private:
    void rebuildSegments(const QSizeF& cell);
    void paintDots(QPainter& painter, const QRectF& cell, int digit, const QColor& lit, const QColor& unlit);
    static QImage makeDot(double radius, double devicePixelRatio, const QColor& color);

    // Cell size the segment paths were built for.
    QSizeF m_cell;
    // Dots are stamped from two small pre-drawn images, far cheaper than filling dozens of round paths.
    QImage m_litDot;
    QImage m_unlitDot;
    double m_dotRadius = 0;
    QColor m_dotLitColor;
    QColor m_dotUnlitColor;
    // Index digit + 1, so the dark cell is entry 0.
    std::array<QPainterPath, 11> m_lit;
    std::array<QPainterPath, 11> m_unlit;
};

} // namespace LedGeometry
