#pragma once

#include "scoreboard/LedDisplay.h"

// A row of LED-style digits showing one whole number, drawn by the widget itself.
// Its extent follows from Size and the paddings, all in design units (twips):
//   width  = 2 * PaddingH + Digits * DigitWidth(Size) + (Digits - 1) * PaddingI
//   height = 2 * PaddingV + DigitHeight(Size)
// The widget never takes a size from outside; setting any of these resizes it.
class NumberLED : public LedDisplay
{
    Q_OBJECT
    Q_PROPERTY(bool ZeroFill READ ZeroFill WRITE setZeroFill)
    Q_PROPERTY(int Digits READ Digits WRITE setDigits)
    Q_PROPERTY(double PaddingH READ PaddingH WRITE setPaddingH)
    Q_PROPERTY(double PaddingV READ PaddingV WRITE setPaddingV)
    Q_PROPERTY(double PaddingI READ PaddingI WRITE setPaddingI)

public:
    explicit NumberLED(int digits = 3, QWidget* parent = nullptr);

    // -1 shows an empty display with no digit lit.
    void setCaption(int value) override;
    bool ZeroFill() const { return m_zeroFill; }
    void setZeroFill(bool on);
    int Digits() const { return m_digits; }
    void setDigits(int digits);
    double PaddingH() const { return m_paddingH; }
    void setPaddingH(double padding);
    double PaddingV() const { return m_paddingV; }
    void setPaddingV(double padding);
    double PaddingI() const { return m_paddingI; }
    void setPaddingI(double padding);

    QSizeF extentTwips() const override;
    // What each digit cell shows: -1 for dark, else 0..9. Cell 0 is the leftmost.
    QList<int> litDigits() const;
    // Where digit cell `cell` lies in the widget, in (fractional) logical pixels.
    QRectF cellRect(int cell) const;

    // The spoken text when one is set, else the digits shown.
    QString shownText() const override;
    std::optional<int> shownNumber() const override
    {
        return Caption() >= 0 ? std::optional<int>(Caption()) : std::nullopt;
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Schedules a repaint of just the cells whose digit differs from `before`.
    void updateChangedCells(const QList<int>& before);

    bool m_zeroFill = false;
    int m_digits = 3;
    double m_paddingH = 100;
    double m_paddingV = 150;
    double m_paddingI = 300;
};
