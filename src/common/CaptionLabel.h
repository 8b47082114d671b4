#pragma once

#include <QFont>
#include <QLabel>
#include <QPixmap>

// A label whose caption is drawn once per size, font and colour into a pixmap and then only
// copied. The board's captions are hundreds of pixels tall on a projector; filling their glyph
// outlines at every repaint would cost more than the digits around them, and those repaint at
// every key. Rich text and pictures are drawn by QLabel as usual.
class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // A caption of more than one character that is wider than the box is drawn in a font
    // small enough to fit it, as a currency sign like "CHF" in a box made for "$".
    bool ShrinksToFit() const { return m_shrinksToFit; }
    void setShrinksToFit(bool shrink);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Everything that changes how the caption looks.
    struct Look
    {
        QString text;
        QFont font;
        QRgb colour = 0;
        QSize size;
        qreal pixelRatio = 0;
        int flags = 0;
        QRect contents;
        bool shrinksToFit = false;

        bool operator==(const Look& other) const = default;
    };

    bool DrawsPlainText() const;
    Look CurrentLook() const;
    void RenderCaption(const Look& look);

    // The font the caption is drawn in: the label's own, or smaller when it must fit.
    QFont FittedFont(const Look& look) const;

    bool m_shrinksToFit = false;
    Look m_look;
    QPixmap m_caption;
};
