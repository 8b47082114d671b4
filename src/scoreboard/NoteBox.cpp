#include "scoreboard/NoteBox.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The sizes a note is fitted in: the design size divided into this many steps.
constexpr int Steps = 32;
// Glyph images kept: an alphabet and its figures in a few sizes.
constexpr qsizetype MaxGlyphs = 400;

} // namespace

NoteBox::NoteBox(QWidget* parent) : QPlainTextEdit(parent)
{
    // The box paints every pixel of what changes itself: nothing beneath it is painted first,
    // which at 4K is most of a lot step's frame.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QPlainTextEdit::textChanged, this, &NoteBox::Fit);
}

QList<double> NoteBox::lineBottoms() const
{
    QList<double> bottoms;
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF bounds = blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        for (int line = 0; layout && line < layout->lineCount(); ++line)
            bottoms << offset.y() + bounds.top() + layout->lineAt(line).rect().bottom();
        offset.ry() += bounds.height();
    }
    return bottoms;
}

int NoteBox::wholeLines() const
{
    const double room = viewport()->height();
    int whole = 0;
    for (double bottom : lineBottoms()) {
        if (bottom > room + 0.01)
            break;
        ++whole;
    }
    return whole;
}

bool NoteBox::showsWholeNote() const
{
    const QList<double> bottoms = lineBottoms();
    return bottoms.isEmpty() || bottoms.last() <= viewport()->height() + 0.01;
}

void NoteBox::SetTypeSize(double points)
{
    QFont font = this->font();
    font.setPointSizeF(points);
    document()->setDefaultFont(font);
}

void NoteBox::Fit()
{
    const FitKey key{toPlainText(), font(), size()};
    if (key == m_fitted)
        return;
    m_fitted = key;
    const double design = font().pointSizeF();
    if (design <= 0)
        return;
    // The design size when the note fits in it, as most notes do: one layout.
    SetTypeSize(design);
    m_fittedPointSize = design;
    if (showsWholeNote())
        return;
    // Else the largest of the sizes between the design size and half of it, in steps of a
    // thirty-second, that holds it; a smaller size never needs more lines. Few sizes also keep
    // few sizes of glyphs cached.
    int fits = Steps / 2; // in steps of design / Steps
    int tooLarge = Steps;
    SetTypeSize(design * fits / Steps);
    if (showsWholeNote()) {
        while (tooLarge - fits > 1) {
            const int middle = (fits + tooLarge) / 2;
            SetTypeSize(design * middle / Steps);
            (showsWholeNote() ? fits : tooLarge) = middle;
        }
    }
    m_fittedPointSize = design * fits / Steps;
    SetTypeSize(m_fittedPointSize);
}

void NoteBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    Fit();
}

void NoteBox::changeEvent(QEvent* event)
{
    // The base class sets the document in the box's font; the fitted size follows it.
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_fitted = {};
        Fit();
    }
}

void NoteBox::HideCutLine()
{
    const QList<double> bottoms = lineBottoms();
    const int whole = wholeLines();
    if (whole >= bottoms.size())
        return;
    const double lastWhole = whole > 0 ? bottoms[whole - 1] : 0.0;
    QPainter painter(viewport());
    painter.fillRect(QRectF(0, lastWhole, viewport()->width(), viewport()->height() - lastWhole),
                     palette().color(QPalette::Base));
}

const NoteBox::GlyphImage& NoteBox::Glyph(const QRawFont& font, quint32 index)
{
    const GlyphKey key{font, index};
    auto found = m_glyphs.constFind(key);
    if (found != m_glyphs.cend())
        return *found;
    // The glyphs of a few notes' sizes; beyond that the oldest sizes are not worth keeping.
    if (m_glyphs.size() >= MaxGlyphs)
        m_glyphs.clear();
    GlyphImage glyph;
    const QPainterPath outline = font.pathForGlyph(index);
    const QRectF bounds = outline.boundingRect();
    if (!bounds.isEmpty()) {
        const QRect pixels = QRectF(bounds.topLeft() * m_glyphRatio, bounds.size() * m_glyphRatio)
                                 .toAlignedRect()
                                 .adjusted(-1, -1, 1, 1);
        glyph.image = QImage(pixels.size(), QImage::Format_ARGB32_Premultiplied);
        glyph.image.setDevicePixelRatio(m_glyphRatio);
        glyph.image.fill(Qt::transparent);
        glyph.origin = QPointF(pixels.topLeft()) / m_glyphRatio;
        QPainter painter(&glyph.image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-glyph.origin);
        painter.fillPath(outline, m_glyphInk);
    }
    return *m_glyphs.insert(key, glyph);
}

void NoteBox::DrawLines(QPainter& painter)
{
    const QColor ink = palette().color(QPalette::Text);
    const qreal ratio = viewport()->devicePixelRatioF();
    if (ink != m_glyphInk || ratio != m_glyphRatio) {
        m_glyphs.clear();
        m_glyphInk = ink;
        m_glyphRatio = ratio;
    }
    const double room = viewport()->height() + 0.01;
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF bounds = blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        const QPointF origin = offset + layout->position();
        for (int index = 0; index < layout->lineCount(); ++index) {
            const QTextLine line = layout->lineAt(index);
            // A line that only partly fits is left out whole, and all below it.
            if (offset.y() + line.rect().bottom() > room)
                return;
            const QList<QGlyphRun> runs = line.glyphRuns();
            for (const QGlyphRun& run : runs) {
                const QRawFont font = run.rawFont();
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                for (qsizetype at = 0; at < glyphs.size() && at < positions.size(); ++at) {
                    const GlyphImage& glyph = Glyph(font, glyphs[at]);
                    if (!glyph.image.isNull())
                        painter.drawImage(origin + positions[at] + glyph.origin, glyph.image);
                }
            }
        }
        offset.ry() += bounds.height();
        if (offset.y() > room)
            return;
    }
}

void NoteBox::paintEvent(QPaintEvent* event)
{
    // While the operator edits the note, the box draws itself, cursor and selection and all.
    if (hasFocus()) {
        QPainter(viewport()).fillRect(event->rect(), palette().color(QPalette::Base));
        QPlainTextEdit::paintEvent(event);
        HideCutLine();
        return;
    }
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    DrawLines(painter);
}
