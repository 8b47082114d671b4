#pragma once

#include <QRect>

#include <initializer_list>

class QWidget;

// A designed window keeps its controls' geometry in twips, as the designer laid it out, and
// places them in pixels through Twips. A dialog places each control once at its design
// rectangle; the board scales its whole design to fit the window (modResize) and places the
// scaled rectangles; the board and the title window centre their design in the room around it.
namespace DesignLayout {

// One control of a design table: its name and its rectangle in twips relative to its container.
struct Row
{
    QWidget* control;
    const char16_t* name;
    int left, top, width, height;
};

// Names the control and places it at its design rectangle, position and size each rounded
// to pixels on its own, as a dialog is laid out.
void Place(const Row& row, const QWidget* dpiReference);
// Names and places each control. The rows are in tab order; controls that take no focus are
// passed over.
void Place(std::initializer_list<Row> rows, const QWidget* dpiReference);

// The nearest whole number, halves to the even neighbour, held within an int's reach.
int ToWhole(double x);

// The offset, in whole twips, that centres an extent in the room around it (negative when
// the extent is larger).
int Centred(double room, double extent);

// Pixels of a scaled design rectangle. The edges are rounded rather than the sizes, so that
// neighbours still meet; the rectangle never collapses below one pixel.
QRect EdgesToPixels(const QRectF& twips, double dpi);

} // namespace DesignLayout
