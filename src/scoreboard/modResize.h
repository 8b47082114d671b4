#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

// Proportional layout: a window's controls are recorded once at their design geometry in
// twips and, on every resize, scaled from those design values by one common factor (the
// smaller of the horizontal and vertical growth), the layout centred along the other axis.
//
// Geometry is read and written through named properties, in twips: "Left", "Top", "Width",
// "Height" (dynamic properties that the window sets from its design table) and "FontSize"
// in points; the LED displays' own "Size" and paddings. A window designed in twips states
// its client size in "ScaleWidth" and "ScaleHeight"; StretchToWindow keeps them current.
class modResize
{
public:
    // One recorded control. A 0 field is not rescaled.
    struct DesignEntry
    {
        QPointer<QWidget> control;
        int Left = 0;
        int Top = 0;
        int Height = 0;
        int Width = 0;
        int FontSize = 0;
        int Size = 0;
        int PaddingI = 0;
        int PaddingH = 0;
        int PaddingV = 0;
    };

    struct Scale
    {
        double factor = 1.0;
        int offsetX = 0;
        int offsetY = 0;
    };

    // Records every recognised control of the window, in the window's control order.
    void CaptureDesignLayout(QWidget* window);
    // Rescales every recorded control to the window's current client size. A minimised
    // window is left alone.
    void StretchToWindow(QWidget* window);

    static double AtLeastOne(double x) { return x < 1.0 ? 1.0 : x; }
    // The nearest whole number, halves to the even neighbour.
    static int ToWhole(double x);
    // The factor and centring offsets for a client area, all in twips. A tie in growth
    // scales by the height.
    static Scale ComputeScale(double clientWidth, double clientHeight, int designWidth, int designHeight);

    // The type name that decides what is recorded: "NumberLED", "PolyLED", "PictureBox",
    // "Label", "TextBox", or the control's own class name.
    static QString TypeName(const QWidget* control);

    // Places a control at its design geometry in twips (sets the properties and the
    // pixel geometry); width and height are left to LED displays, which size themselves.
    static void SetDesignGeometry(QWidget* control, int left, int top, int width = 0, int height = 0);
    static void SetFontSize(QWidget* control, double points);
    // The window's client size in twips, as last stated or measured.
    static QSizeF ClientSizeTwips(const QWidget* window);

    int DesignScaleWidth() const { return m_designScaleWidth; }
    int DesignScaleHeight() const { return m_designScaleHeight; }
    const std::vector<DesignEntry>& Entries() const { return m_entries; }

private:
    int m_designScaleWidth = 0;
    int m_designScaleHeight = 0;
    std::vector<DesignEntry> m_entries;
};
