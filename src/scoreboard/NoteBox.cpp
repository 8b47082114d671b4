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
    // The document lays itself out again for any font it is given, even the one it has.
    if (font == document()->defaultFont())
        return;
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

template <typename Visit> void NoteBox::ForEachGlyph(Visit visit)
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
    int shownLine = 0;
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF bounds = blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        const QPointF origin = offset + layout->position();
        for (int index = 0; index < layout->lineCount(); ++index, ++shownLine) {
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
                        visit(shownLine, origin + positions[at] + glyph.origin, glyph.image);
                }
            }
        }
        offset.ry() += bounds.height();
        if (offset.y() > room)
            return;
    }
}

void NoteBox::DrawLines(QPainter& painter, const QRect& within)
{
    ForEachGlyph([&painter, within](int, const QPointF& at, const QImage& image) {
        if (QRectF(at, image.deviceIndependentSize()).intersects(within))
            painter.drawImage(at, image);
    });
}

QRegion NoteBox::InkArea()
{
    // A rectangle a line: a short line under a long one leaves the rest of its band alone.
    QList<QRectF> lines;
    ForEachGlyph([&lines](int line, const QPointF& at, const QImage& image) {
        if (lines.size() <= line)
            lines.resize(line + 1);
        lines[line] |= QRectF(at, image.deviceIndependentSize());
    });
    QRegion area;
    // Whole pixels, and one more on every side for the edges' antialiasing.
    for (const QRectF& line : std::as_const(lines))
        if (!line.isEmpty())
            area += line.toAlignedRect().adjusted(-1, -1, 1, 1);
    return area;
}

void NoteBox::ShowNote(const QString& note)
{
    // While the operator edits the note, or before the box is on screen, the base class
    // repaints it as it always does.
    if (hasFocus() || !isVisible()) {
        setPlainText(note);
        return;
    }
    if (note == toPlainText())
        return;
    const QRegion before = InkArea();
    // The base class would repaint the whole box for the new text; what it asks for meanwhile is
    // dropped, and only where letters were or will be is painted. Anything else that changes the
    // box (its colours, its size, the stamp going away) asks for its own repaint as before.
    viewport()->setAttribute(Qt::WA_UpdatesDisabled);
    setPlainText(note);
    viewport()->setAttribute(Qt::WA_UpdatesDisabled, false);
    viewport()->update(before + InkArea());
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
    // A rectangle at a time: clipped to a region of several, the painter takes a slow path for
    // every glyph, which at 4K costs more than the rest of the frame.
    QPainter painter(viewport());
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        painter.fillRect(part, palette().color(QPalette::Base));
        DrawLines(painter, part);
    }
}
