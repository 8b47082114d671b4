#include "scoreboard/ResultStamp.h"

#include "scoreboard/LedColors.h"

#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

ResultStamp::ResultStamp(QWidget* note) : QWidget(note)
{
    setObjectName(QStringLiteral("stampResult"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(note->rect());
    hide();
    note->installEventFilter(this);
}

QString ResultStamp::Caption(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Sold:
        return tr("SOLD");
    case Outcome::Passed:
        return tr("PASSED");
    case Outcome::None:
        break;
    }
    return {};
}

void ResultStamp::setOutcome(Outcome outcome, const QString& detail)
{
    if (outcome == m_outcome && detail == m_detail)
        return;
    m_outcome = outcome;
    m_detail = detail;
    setVisible(outcome != Outcome::None);
    if (isVisible()) {
        raise();
        update();
    }
}

void ResultStamp::setColors(int stampColor, int backColor)
{
    if (stampColor == m_stampColor && backColor == m_backColor)
        return;
    m_stampColor = stampColor;
    m_backColor = backColor;
    update();
}

QImage ResultStamp::Render(Outcome outcome, QSize size, qreal pixelRatio, int stampColor, int backColor,
                           const QString& detail)
{
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    if (outcome == Outcome::None || size.isEmpty())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(QPointF(0, 0), QSizeF(size));
    // The note stays faintly visible beneath, but the stamp is what the room reads.
    QColor back = LedColors::ToQColor(backColor);
    back.setAlpha(225);
    painter.fillRect(box, back);

    const QColor ink = LedColors::ToQColor(stampColor);
    const qreal border = std::max(2.0, box.height() * 0.06);
    painter.setPen(QPen(ink, border));
    painter.setBrush(Qt::NoBrush);
    const QRectF frame = box.adjusted(border, border, -border, -border);
    painter.drawRoundedRect(frame, border * 2, border * 2);

    // The word as a path, fitted into the frame whatever its length.
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath word;
    word.addText(0, 0, font, detail.isEmpty() ? Caption(outcome) : Caption(outcome) + u' ' + detail);
    const QRectF extent = word.boundingRect();
    const QRectF room = frame.adjusted(border * 2, border * 2, -border * 2, -border * 2);
    const qreal scale = std::min(room.width() / extent.width(), room.height() / extent.height());
    if (scale > 0) {
        painter.translate(room.center());
        painter.scale(scale, scale);
        painter.translate(-extent.center());
        painter.fillPath(word, ink);
    }
    return image;
}

void ResultStamp::paintEvent(QPaintEvent*)
{
    if (m_outcome == Outcome::None)
        return;
    const qreal ratio = devicePixelRatioF();
    // What decides the picture: outcome, size, ratio and colours.
    const size_t key =
        qHashMulti(0, static_cast<int>(m_outcome), m_detail, width(), height(), ratio, m_stampColor, m_backColor);
    auto found = m_cache.find(key);
    if (found == m_cache.end()) {
        // A resize or a new colour makes the older ones useless.
        if (m_cache.size() >= 4)
            m_cache.clear();
        found = m_cache.insert(
            key, QPixmap::fromImage(Render(m_outcome, size(), ratio, m_stampColor, m_backColor, m_detail)));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, *found);
}

bool ResultStamp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}
