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

protected:
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
        // What a label that draws its caption its own way also goes by (a place it lines up
        // with, a style).
        QRectF anchor;
        int style = 0;

        bool operator==(const Look& other) const = default;
    };

    void paintEvent(QPaintEvent* event) override;

    // Adds what else decides the caption's look; nothing by default.
    virtual void CompleteLook(Look& look) const { Q_UNUSED(look); }
    // Draws the caption into its pixmap: the label's text as QLabel would by default.
    virtual void DrawCaption(QPainter& painter, const Look& look) const;

private:
    bool DrawsPlainText() const;
    Look CurrentLook() const;
    void RenderCaption(const Look& look);

    Look m_look;
    QPixmap m_caption;
};
