#pragma once

#include "scoreboard/KeyReportingWidget.h"
#include "scoreboard/LedGeometry.h"

#include <optional>

// Which LED display a control is. "TimeLED" is a display type that other windows may carry; this
// program never places one.
enum class LedType
{
    NumberLED,
    PolyLED,
    TimeLED,
};

// The type name a display goes by, as the layout's records and the digit-style code know it.
QString LedTypeName(LedType type);
// Which LED display the control is, if it is one.
std::optional<LedType> LedTypeOf(const QWidget* control);

// What the digit displays share: the colours, the digit style and the digit size, all drawn by the
// widget itself. The extent follows from Size (and a display's own paddings) in design units
// (twips); the widget never takes a size from outside.
class LedDisplay : public KeyReportingWidget
{
    Q_OBJECT
    Q_PROPERTY(int Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int LitColor READ LitColor WRITE setLitColor)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int LedType READ LedType WRITE setLedType)
    Q_PROPERTY(double Size READ Size WRITE setSize)

public:
    // Digit cell per unit of Size, in twips.
    static constexpr double DigitWidthPerSize = 8.28;
    static constexpr double DigitHeightPerSize = 14.83;

    ::LedType displayType() const { return m_displayType; }

    int Caption() const { return m_caption; }
    virtual void setCaption(int value) = 0;
    // Colours in the 24-bit encoding: red + 256 * green + 65536 * blue.
    int LitColor() const { return m_litColor; }
    void setLitColor(int color);
    int BackColor() const { return m_backColor; }
    void setBackColor(int color);
    // 0 draws seven-segment lines, 1 a dot matrix.
    int LedType() const { return m_ledType; }
    void setLedType(int type);
    double Size() const { return m_size; }
    void setSize(double size);

    // The extent in twips that Size and the paddings give.
    virtual QSizeF extentTwips() const = 0;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    LedDisplay(::LedType displayType, int caption, double size, QWidget* parent);

    // The colours a repaint draws with.
    struct Colors
    {
        QColor back;
        QColor lit;
        QColor unlit;
    };
    Colors colors() const;
    // Draws one digit (-1 for a dark cell) in the current style; the background must be painted.
    void paintDigit(QPainter& painter, const QRectF& cell, int digit, const Colors& colors);

    // Stores value in member; true when that changed it, so that the caller repaints.
    template <typename T> static bool Change(T& member, T value)
    {
        if (member == value)
            return false;
        member = value;
        return true;
    }
    // Stores a new caption; the display repaints and announces it itself.
    void storeCaption(int value) { m_caption = value; }
    // Fixes the widget's size to the extent and repaints it all.
    void updateExtent();

    void changeEvent(QEvent* event) override;

private:
    ::LedType m_displayType;
    LedGeometry::DigitPainter m_digitPainter;

    int m_caption;
    int m_litColor = 0x00C000;
    int m_backColor = 0;
    int m_ledType = 0;
    double m_size;
};
