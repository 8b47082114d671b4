#include "common/CaptionLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextDocument>

#include <cmath>

void CaptionLabel::setShrinksToFit(bool shrink)
{
    if (m_shrinksToFit == shrink)
        return;
    m_shrinksToFit = shrink;
    update();
}

bool CaptionLabel::DrawsPlainText() const
{
    if (!pixmap().isNull() || text().isEmpty())
        return false;
    switch (textFormat()) {
    case Qt::PlainText:
        return true;
    case Qt::AutoText:
        return !Qt::mightBeRichText(text());
    default:
        return false;
    }
}

CaptionLabel::Look CaptionLabel::CurrentLook() const
{
    int flags = QStyle::visualAlignment(layoutDirection(), alignment());
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    return Look{text(),
                font(),
                palette().color(group, foregroundRole()).rgba(),
                size(),
                devicePixelRatioF(),
                flags,
                contentsRect(),
                m_shrinksToFit};
}

QFont CaptionLabel::FittedFont(const Look& look) const
{
    if (!look.shrinksToFit || look.text.size() < 2 || look.contents.width() <= 0)
        return look.font;
    const int width = QFontMetrics(look.font, this).horizontalAdvance(look.text);
    if (width <= look.contents.width())
        return look.font;
    QFont fitted = look.font;
    // A little room either side, as the one-character captions have.
    const qreal factor = 0.9 * look.contents.width() / width;
    if (fitted.pixelSize() > 0)
        fitted.setPixelSize(std::max(1, static_cast<int>(std::floor(fitted.pixelSize() * factor))));
    else
        fitted.setPointSizeF(std::max(1.0, fitted.pointSizeF() * factor));
    return fitted;
}

void CaptionLabel::RenderCaption(const Look& look)
{
    m_look = look;
    m_caption = QPixmap(look.size * look.pixelRatio);
    m_caption.setDevicePixelRatio(look.pixelRatio);
    m_caption.fill(Qt::transparent);
    QPainter painter(&m_caption);
    painter.setFont(FittedFont(look));
    QPalette palette = this->palette();
    palette.setColor(foregroundRole(), QColor::fromRgba(look.colour));
    style()->drawItemText(&painter, look.contents, look.flags, palette, true, look.text, foregroundRole());
}

void CaptionLabel::paintEvent(QPaintEvent* event)
{
    if (!DrawsPlainText() || size().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    const Look look = CurrentLook();
    if (!(look == m_look) || m_caption.isNull())
        RenderCaption(look);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_caption);
    if (frameShape() != QFrame::NoFrame)
        drawFrame(&painter);
}
