#pragma once

#include "scoreboard/LedDisplay.h"

// A single LED digit, drawn exactly as the digits of a NumberLED. Its extent follows Size alone:
// the digit cell of a NumberLED of the same Size with a margin of PaddingPerSide of the cell on
// every side. Size 57 fills a box of about 540 x 975 twips.
// It is a picture only: it takes no focus and leaves keys and clicks to the window around it.
class PolyLED : public LedDisplay
{
    Q_OBJECT

public:
    static constexpr double PaddingPerSide = 0.0725;

    explicit PolyLED(QWidget* parent = nullptr);

    // The digit shown, 0..9; -1 leaves the cell dark. Larger values show their last digit.
    void setCaption(int value) override;

    QSizeF extentTwips() const override;
    // Where the digit cell lies in the widget, in (fractional) logical pixels.
    QRectF cellRect() const;

    // The digit shown, for screen readers.
    QString shownText() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override { QWidget::keyPressEvent(event); }
    void keyReleaseEvent(QKeyEvent* event) override { QWidget::keyReleaseEvent(event); }
    void mousePressEvent(QMouseEvent* event) override { QWidget::mousePressEvent(event); }
};
