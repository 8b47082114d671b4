#pragma once

#include "scoreboard/KeyReportingWidget.h"
#include "scoreboard/LedGeometry.h"

class QKeyEvent;

// A row of LED-style digits showing one whole number, drawn by the widget itself.
// Its extent follows from Size and the paddings, all in design units (twips):
//   width  = 2 * PaddingH + Digits * DigitWidth(Size) + (Digits - 1) * PaddingI
//   height = 2 * PaddingV + DigitHeight(Size)
// The widget never takes a size from outside; setting any of these resizes it.
class NumberLED : public KeyReportingWidget
{
    Q_OBJECT
    Q_PROPERTY(int Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool ZeroFill READ ZeroFill WRITE setZeroFill)
    Q_PROPERTY(int Digits READ Digits WRITE setDigits)
    Q_PROPERTY(int LitColor READ LitColor WRITE setLitColor)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int LedType READ LedType WRITE setLedType)
    Q_PROPERTY(double Size READ Size WRITE setSize)
    Q_PROPERTY(double PaddingH READ PaddingH WRITE setPaddingH)
    Q_PROPERTY(double PaddingV READ PaddingV WRITE setPaddingV)
    Q_PROPERTY(double PaddingI READ PaddingI WRITE setPaddingI)

public:
    // Digit cell per unit of Size, in twips.
    static constexpr double DigitWidthPerSize = 8.28;
    static constexpr double DigitHeightPerSize = 14.83;

    explicit NumberLED(int digits = 3, QWidget* parent = nullptr);

    // -1 shows an empty display with no digit lit.
    int Caption() const { return m_caption; }
    void setCaption(int value);
    bool ZeroFill() const { return m_zeroFill; }
    void setZeroFill(bool on);
    int Digits() const { return m_digits; }
    void setDigits(int digits);
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
    double PaddingH() const { return m_paddingH; }
    void setPaddingH(double padding);
    double PaddingV() const { return m_paddingV; }
    void setPaddingV(double padding);
    double PaddingI() const { return m_paddingI; }
    void setPaddingI(double padding);

    // The extent in twips that Size and the paddings give.
    QSizeF extentTwips() const;
    // What each digit cell shows: -1 for dark, else 0..9. Cell 0 is the leftmost.
    QList<int> litDigits() const;
    // Where digit cell `cell` lies in the widget, in (fractional) logical pixels.
    QRectF cellRect(int cell) const;

    // The spoken text when one is set, else the digits shown.
    QString shownText() const override;
    std::optional<int> shownNumber() const override
    {
        return m_caption >= 0 ? std::optional<int>(m_caption) : std::nullopt;
    }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateExtent();
    // Schedules a repaint of just the cells whose digit differs from `before`.
    void updateChangedCells(const QList<int>& before);

    LedGeometry::DigitPainter m_digitPainter;

    int m_caption = -1;
    bool m_zeroFill = false;
    int m_digits = 3;
    int m_litColor = 0x00C000;
    int m_backColor = 0;
    int m_ledType = 0;
    double m_size = 120;
    double m_paddingH = 100;
    double m_paddingV = 150;
    double m_paddingI = 300;
};
