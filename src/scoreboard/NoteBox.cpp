#include "scoreboard/NoteBox.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The sizes a note is fitted in: the design size divided into this many steps.
constexpr int Steps = 32;

} // namespace

NoteBox::NoteBox(QWidget* parent) : QPlainTextEdit(parent)
{
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

void NoteBox::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    // A line that only partly fits is left out whole.
    const QList<double> bottoms = lineBottoms();
    const int whole = wholeLines();
    if (whole >= bottoms.size())
        return;
    const double lastWhole = whole > 0 ? bottoms[whole - 1] : 0.0;
    QPainter painter(viewport());
    painter.fillRect(QRectF(0, lastWhole, viewport()->width(), viewport()->height() - lastWhole),
                     palette().color(QPalette::Base));
}
