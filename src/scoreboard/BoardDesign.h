#pragma once

#include "scoreboard/BoardView.h"

#include <QRect>
#include <Qt>

#include <span>

class QWidget;

// The board's compositions as a designer lays them out: one table per composition, each row
// a control with its container, its geometry in twips relative to the container, its font in
// points (Arial bold) and its caption. The scoreboard has one; the audience screen has one for
// each shape of screen a sale room projects on. Both views are built from the same set of
// controls, so every step that shows the sale works on either.
namespace BoardDesign {

enum class Kind
{
    Label,
    NumberLED,
    PictureBox,
    TextBox
};

struct ControlDesign
{
    const char* name;
    Kind kind;
    const char* container; // nullptr: the window
    int left, top, width, height;
    double fontSize;
    Qt::Alignment alignment;
    const char* caption;
};

// The digit displays size themselves from Size and their paddings (twips).
struct LedDesign
{
    const char* name;
    int digits;
    double size, paddingH, paddingV, paddingI;
    bool zeroFill;
};

struct Composition
{
    const char* name;
    // The client area the composition is designed for, in twips.
    int clientWidth, clientHeight;
    std::span<const ControlDesign> controls;
    std::span<const LedDesign> leds;
    // Room kept free for what later shows there: a strip of the bid in other currencies and a
    // picture of the lot (twips, empty where the composition keeps none).
    QRect currencyStrip;
    QRect lotPicture;

    double aspect() const { return double(clientWidth) / clientHeight; }
};

// The operator's window.
const Composition& Scoreboard();
// The room's screen: 16:9, 16:10, 4:3 and 21:9.
std::span<const Composition> AudienceCompositions();
// The audience composition nearest in shape to a screen of this width / height.
const Composition& AudienceFor(double aspect);

// Builds the composition's controls into `window` and states its design client size.
BoardView Build(QWidget* window, const Composition& composition);
// Moves the controls of a board built by Build to another composition's design geometry,
// fonts and digit sizes; the window's layout is to be recorded again afterwards.
void Place(QWidget* window, const Composition& composition);

} // namespace BoardDesign
