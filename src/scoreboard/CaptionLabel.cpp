#include "scoreboard/CaptionLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextDocument>

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
    Look look{text(),
              font(),
              palette().color(group, foregroundRole()).rgba(),
              size(),
              devicePixelRatioF(),
              flags,
              contentsRect(),
              {},
              0};
    CompleteLook(look);
    return look;
}

void CaptionLabel::DrawCaption(QPainter& painter, const Look& look) const
{
    painter.setFont(look.font);
    QPalette palette = this->palette();
    palette.setColor(foregroundRole(), QColor::fromRgba(look.colour));
    style()->drawItemText(&painter, look.contents, look.flags, palette, true, look.text, foregroundRole());
}

void CaptionLabel::RenderCaption(const Look& look)
{
    m_look = look;
    m_caption = QPixmap(look.size * look.pixelRatio);
    m_caption.setDevicePixelRatio(look.pixelRatio);
    m_caption.fill(Qt::transparent);
    QPainter painter(&m_caption);
    DrawCaption(painter, look);
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
