#pragma once

#include <QPushButton>

// A push button whose caption is always whole within the button's box: a caption too
// wide for one line wraps onto two (or more, where the box is tall enough), and only a
// caption that still does not fit is drawn a little smaller. Captions that fit on one
// line are drawn exactly as by QPushButton.
class CaptionButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

    // The box the caption is drawn in, and the font it is drawn with there.
    QRect CaptionBox() const;
    QFont CaptionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct CaptionLayout
    {
        QFont font;
        int flags = 0; // Qt::AlignmentFlag | Qt::TextFlag
    };
    CaptionLayout LayOutCaption(const QRect& box) const;
};
