#include "common/CaptionButton.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// Below this a caption is no longer read at a glance; it is drawn at this size regardless.
constexpr double SmallestPoints = 6.0;
constexpr double ShrinkStep = 0.5;

constexpr int OneLineFlags = Qt::AlignCenter | Qt::TextShowMnemonic;
constexpr int WrappedFlags = OneLineFlags | Qt::TextWordWrap;

} // namespace

CaptionButton::CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

QRect CaptionButton::CaptionBox() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QFont CaptionButton::CaptionFont() const
{
    return LayOutCaption(CaptionBox()).font;
}

CaptionButton::CaptionLayout CaptionButton::LayOutCaption(const QRect& box) const
{
    QFont font = this->font();
    for (;;) {
        const QFontMetrics metrics(font, this);
        const QSize oneLine = metrics.size(OneLineFlags, text());
        if (oneLine.width() <= box.width() && oneLine.height() <= box.height())
            return {font, OneLineFlags};
        const QRect wrapped = metrics.boundingRect(box, WrappedFlags, text());
        const bool fits = wrapped.width() <= box.width() && wrapped.height() <= box.height();
        if (fits || font.pointSizeF() <= 0 || font.pointSizeF() - ShrinkStep < SmallestPoints)
            return {font, WrappedFlags};
        font.setPointSizeF(font.pointSizeF() - ShrinkStep);
    }
}

void CaptionButton::paintEvent(QPaintEvent* event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect box = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const CaptionLayout layout = LayOutCaption(box);
    if (layout.flags == OneLineFlags && layout.font == font()) {
        QPushButton::paintEvent(event);
        return;
    }

    QStylePainter painter(this);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect textBox = box;
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        textBox.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    int flags = layout.flags;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    painter.setFont(layout.font);
    painter.drawItemText(textBox, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}
