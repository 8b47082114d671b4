#pragma once

#include "scoreboard/LedGeometry.h"

#include "scoreboard/DisplayAccessible.h"

#include <QWidget>

// A single LED digit, drawn exactly as the digits of a NumberLED. Its extent follows Size alone:
// the digit cell of a NumberLED of the same Size with a margin of PaddingPerSide of the cell on
// every side. Size 57 fills a box of about 540 x 975 twips.
class PolyLED : public QWidget, public ShownText
{
    Q_OBJECT
    Q_PROPERTY(int Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int LitColor READ LitColor WRITE setLitColor)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int LedType READ LedType WRITE setLedType)
    Q_PROPERTY(double Size READ Size WRITE setSize)

public:
    static constexpr double PaddingPerSide = 0.0725;

    explicit PolyLED(QWidget* parent = nullptr);

    // The digit shown, 0..9; -1 leaves the cell dark. Larger values show their last digit.
    int Caption() const { return m_caption; }
    void setCaption(int value);
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

    // The extent in twips that Size gives.
    QSizeF extentTwips() const;
    // Where the digit cell lies in the widget, in (fractional) logical pixels.
    QRectF cellRect() const;

    // The digit shown, for screen readers.
    QString shownText() const override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateExtent();

    int m_caption = 8;
    int m_litColor = 0x00C000;
    int m_backColor = 0;
    int m_ledType = 0;
    double m_size = 57;
    LedGeometry::DigitPainter m_digitPainter;
};
