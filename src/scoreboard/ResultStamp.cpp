#include "scoreboard/ResultStamp.h"

#include "common/Translations.h"
#include "scoreboard/LedColors.h"

#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Proportions of the stamp against its box.
constexpr double BorderPerHeight = 0.05;
// The share of the room inside the frame that the word's band takes when a detail is shown
// beneath it; the word has this size with or without one.
constexpr double WordShare = 0.62;
// The detail's capitals against the word's.
constexpr double DetailShare = 0.5;
constexpr double ReferencePixels = 100;

QFont StampFont(double pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    return font;
}

QPainterPath Outline(const QString& text, const QFont& font)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// The extent of every word the stamp may show, in every language the program speaks, at the
// reference size: what decides the one size the word is drawn at.
struct WordMetrics
{
    double widest = 0;
    double above = 0; // the highest point above the baseline, accents included
    double below = 0; // the lowest below it
    double capHeight = 0;
};

WordMetrics MeasureWords(const QStringList& shown)
{
    QStringList words = shown;
    for (const char* source : {QT_TRANSLATE_NOOP("ResultStamp", "SOLD"), QT_TRANSLATE_NOOP("ResultStamp", "PASSED")})
        words << Translations::EveryTranslation("ResultStamp", source);
    const QFont font = StampFont(ReferencePixels);
    WordMetrics metrics;
    metrics.capHeight = QFontMetricsF(font).capHeight();
    metrics.above = metrics.capHeight;
    for (const QString& word : words) {
        const QRectF extent = Outline(word, font).boundingRect();
        metrics.widest = std::max(metrics.widest, extent.width());
        metrics.above = std::max(metrics.above, -extent.top());
        metrics.below = std::max(metrics.below, extent.bottom());
    }
    return metrics;
}

const WordMetrics& Words()
{
    // The words of the language on show count as well, whichever translation supplied them.
    static const WordMetrics metrics = MeasureWords(
        {ResultStamp::Caption(ResultStamp::Outcome::Sold), ResultStamp::Caption(ResultStamp::Outcome::Passed)});
    return metrics;
}

struct StampLayout
{
    QRectF frame;
    double border = 0;
    QRectF room;
    double wordScale = 0; // against the reference size
    double wordBaseline = 0;
    QRectF detailBand;
};

StampLayout LayOut(QSizeF size, bool withDetail)
{
    StampLayout layout;
    const QRectF box(QPointF(0, 0), size);
    layout.border = std::max(2.0, size.height() * BorderPerHeight);
    const double b = layout.border;
    layout.frame = box.adjusted(b, b, -b, -b);
    layout.room = layout.frame.adjusted(2 * b, 1.5 * b, -2 * b, -1.5 * b);
    const QRectF& room = layout.room;
    if (room.isEmpty())
        return layout;
    const WordMetrics& words = Words();
    const double band = room.height() * WordShare;
    // As large as the widest word, its accents and what hangs below the line allow; the
    // letters are then centred in their band, accents and all.
    const double tallest = words.above + words.below;
    layout.wordScale = std::min(room.width() / words.widest, band / tallest);
    const QRectF wordBand = withDetail ? QRectF(room.topLeft(), QSizeF(room.width(), band)) : room;
    layout.wordBaseline = wordBand.center().y() + layout.wordScale * (words.above - words.below) / 2;
    layout.detailBand = QRectF(room.left(), room.top() + band, room.width(), room.height() - band);
    return layout;
}

} // namespace

ResultStamp::ResultStamp(QWidget* note) : QWidget(note)
{
    setObjectName(QStringLiteral("stampResult"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The plate hides the note entirely: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
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

void ResultStamp::setColors(int soldColor, int passedColor, int backColor)
{
    if (soldColor == m_soldColor && passedColor == m_passedColor && backColor == m_backColor)
        return;
    m_soldColor = soldColor;
    m_passedColor = passedColor;
    m_backColor = backColor;
    update();
}

QPair<double, double> ResultStamp::WordBand(QSize size, bool withDetail)
{
    const StampLayout layout = LayOut(QSizeF(size), withDetail);
    return {layout.wordBaseline - layout.wordScale * Words().capHeight, layout.wordBaseline};
}

QImage ResultStamp::Render(Outcome outcome, const QString& detail, QSize size, qreal pixelRatio, int stampColor,
                           int backColor)
{
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(LedColors::ToQColor(backColor));
    if (outcome == Outcome::None || size.isEmpty())
        return image;
    const StampLayout layout = LayOut(QSizeF(size), !detail.isEmpty());
    if (layout.room.isEmpty() || layout.wordScale <= 0)
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = LedColors::ToQColor(stampColor);
    painter.setPen(QPen(ink, layout.border));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(layout.frame, layout.border * 2, layout.border * 2);

    const QPainterPath word = Outline(Caption(outcome), StampFont(ReferencePixels));
    QTransform placement;
    placement.translate(layout.room.center().x(), layout.wordBaseline);
    placement.scale(layout.wordScale, layout.wordScale);
    placement.translate(-word.boundingRect().center().x(), 0);
    painter.fillPath(placement.map(word), ink);

    if (!detail.isEmpty()) {
        const QPainterPath text = Outline(detail, StampFont(ReferencePixels));
        const QRectF extent = text.boundingRect();
        const QRectF& band = layout.detailBand;
        double scale = layout.wordScale * DetailShare;
        if (extent.width() * scale > band.width())
            scale = band.width() / extent.width();
        QTransform detailPlacement;
        detailPlacement.translate(band.center().x(), band.center().y() + scale * Words().capHeight / 2);
        detailPlacement.scale(scale, scale);
        detailPlacement.translate(-extent.center().x(), 0);
        painter.fillPath(detailPlacement.map(text), ink);
    }
    return image;
}

void ResultStamp::paintEvent(QPaintEvent*)
{
    const int ink = m_outcome == Outcome::Passed ? m_passedColor : m_soldColor;
    const qreal ratio = devicePixelRatioF();
    // What decides the picture: outcome, detail, size, ratio and colours.
    const size_t key = qHashMulti(0, static_cast<int>(m_outcome), m_detail, width(), height(), ratio, ink, m_backColor);
    auto found = m_cache.find(key);
    if (found == m_cache.end()) {
        // A resize or a new colour makes the older ones useless.
        if (m_cache.size() >= 4)
            m_cache.clear();
        found = m_cache.insert(key, QPixmap::fromImage(Render(m_outcome, m_detail, size(), ratio, ink, m_backColor)));
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
