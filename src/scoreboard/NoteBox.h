#pragma once

#include <QHash>
#include <QImage>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QRegion>

// The lot's note as the room reads it: always the whole of it, in whole lines. The type is the
// box's font (the design size, as the layout scales it) unless the note needs more lines than
// that leaves room for; then it shrinks until the note fits, never below half that size. What
// still does not fit then is left out line by line, never cut through its letters. The size is
// worked out when the note, the box or its font changes, not when the board repaints.
//
// The type is hundreds of pixels tall on a projector, beyond the sizes whose glyphs Qt keeps:
// it would fill every glyph's outline again at every repaint, some 20 ms for a note at 4K. So
// while nobody edits it, the box draws its lines itself from glyphs it rasterizes once per size
// and colour and then only copies; the glyphs of the last few sizes are kept.
class NoteBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    // The smallest type, against the box's own font size.
    static constexpr double MinimumScale = 0.5;

    explicit NoteBox(QWidget* parent = nullptr);

    // The size the note is set in, in points.
    double fittedPointSize() const { return m_fittedPointSize; }
    // How many of the note's lines show whole; the lines below them are not drawn.
    int wholeLines() const;
    // Whether the whole note shows.
    bool showsWholeNote() const;
    // The bottom of every laid-out line, top to bottom, in viewport coordinates.
    QList<double> lineBottoms() const;
    // Puts `note` in the box. On a board nobody edits, only the pixels that the old and the new
    // note's letters cover are painted and sent to the screen again, not the whole box: at 4K
    // the box is two million pixels, and the letters of a short note a tenth of them.
    void ShowNote(const QString& note);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What the fitted size depends on.
    struct FitKey
    {
        QString text;
        QFont font;
        QSize size;
        bool operator==(const FitKey& other) const = default;
    };

    void Fit();
    void SetTypeSize(double points);
    // The glyph images of the whole lines, with where each goes in the viewport.
    template <typename Visit> void ForEachGlyph(Visit visit);
    // Those of them that reach into `within`.
    void DrawLines(QPainter& painter, const QRect& within);
    // The pixels the whole lines' glyph images cover.
    QRegion InkArea();
    // Over a line that only partly fits, after the base class drew it.
    void HideCutLine();

    struct GlyphImage
    {
        QImage image;
        QPointF origin; // of the image against the glyph's origin on the baseline
    };
    struct GlyphKey
    {
        QRawFont font;
        quint32 index;
        bool operator==(const GlyphKey& other) const = default;
        friend size_t qHash(const GlyphKey& key, size_t seed = 0) { return qHashMulti(seed, key.font, key.index); }
    };
    const GlyphImage& Glyph(const QRawFont& font, quint32 index);

    FitKey m_fitted;
    QHash<GlyphKey, GlyphImage> m_glyphs;
    QColor m_glyphInk;
    qreal m_glyphRatio = 0;
    double m_fittedPointSize = 0;
};
