#pragma once

#include <QPlainTextEdit>

// The lot's note as the room reads it: always the whole of it, in whole lines. The type is the
// box's font (the design size, as the layout scales it) unless the note needs more lines than
// that leaves room for; then it shrinks until the note fits, never below half that size. What
// still does not fit then is left out line by line, never cut through its letters. The size is
// worked out when the note, the box or its font changes, not when the board repaints.
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

    FitKey m_fitted;
    double m_fittedPointSize = 0;
};
