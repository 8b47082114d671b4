#pragma once

#include "scoreboard/CaptionLabel.h"

#include <QPointer>
#include <QTransform>

class NumberLED;

// The marks beside the amount's digits, drawn to line up with them: they take their place
// from a digit display of the amount, wherever the layout has put it.

// The currency sign: any sign of one to three characters stands on the digits' baseline,
// as tall as the "$" that the box was drawn for, centred in its box. A sign too wide for the
// box is first condensed, and only below a readable width made smaller.
class CurrencySign : public CaptionLabel
{
    Q_OBJECT

public:
    // The narrowest a sign is condensed to before it is made smaller.
    static constexpr double MinimumCondense = 0.5;
    // The share of the box's width that a sign may take.
    static constexpr double WidthShare = 0.92;

    using CaptionLabel::CaptionLabel;

    // The display whose digits the sign stands beside; without one the sign stands on the
    // bottom of its box.
    void setDigits(const NumberLED* digits);

    // Where the sign's outline in `font` goes: into `box`, its bottom at `baseline`, as tall
    // as "$" in that font.
    static QTransform Place(const QString& sign, const QFont& font, const QRectF& box, double baseline);

protected:
    void CompleteLook(Look& look) const override;
    void DrawCaption(QPainter& painter, const Look& look) const override;

private:
    QPointer<const NumberLED> m_digits;
};

// The thousands separator. In the dot style it is drawn as round dots on the digits' own dot
// grid (a comma as a dot with a tail, a point as one dot, an apostrophe as two dots high up);
// in the line style it is the character itself.
class GroupSeparator : public CaptionLabel
{
    Q_OBJECT

public:
    using CaptionLabel::CaptionLabel;

    void setDigits(const NumberLED* digits);
    // The digit style, as the displays hold it.
    int LedType() const { return m_ledType; }
    void setLedType(int type);

    // The dots of `separator` in a label whose digit cell lies at `cell` (label coordinates),
    // centred on `centreX`. Empty for a separator that is no mark (none, a narrow space).
    static QList<QPointF> DotCentres(const QString& separator, const QRectF& cell, double centreX, double top);

protected:
    void CompleteLook(Look& look) const override;
    void DrawCaption(QPainter& painter, const Look& look) const override;

private:
    QPointer<const NumberLED> m_digits;
    int m_ledType = 0;
};
