#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

// The hammer's result shown to the room: an opaque plate over the note box, in the box's own
// background colour, with "SOLD" or "PASSED" in a frame, each in its own colour, and a detail
// below the word (the price). It lies on the note and takes the note's size, so it scales
// with the layout. The word has one size whatever the word and the language: the largest at
// which the longest of them fits. The stamp is rendered once per size, text and colour into a
// pixmap and blitted, which keeps large type off the window system's glyph path.
class ResultStamp : public QWidget
{
    Q_OBJECT

public:
    enum class Outcome
    {
        None,
        Sold,
        Passed
    };

    // Lies over `note` and follows its size.
    explicit ResultStamp(QWidget* note);

    Outcome outcome() const { return m_outcome; }
    const QString& detail() const { return m_detail; }
    // `detail` is drawn as it is given, beneath the word ("3,100"); empty: the word alone.
    void setOutcome(Outcome outcome, const QString& detail = {});
    // 24-bit colours: of "SOLD", of "PASSED", and of the plate (the note box's background).
    void setColors(int soldColor, int passedColor, int backColor);

    static QString Caption(Outcome outcome);
    // The stamp as drawn, opaque over the whole of `size`.
    static QImage Render(Outcome outcome, const QString& detail, QSize size, qreal pixelRatio, int stampColor,
                         int backColor);
    // Where the word's letters stand in a stamp of this size: the top of their capitals and
    // their baseline, in logical pixels. The same for every word in every language.
    static QPair<double, double> WordBand(QSize size, bool withDetail);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Outcome m_outcome = Outcome::None;
    QString m_detail;
    int m_soldColor = 0;
    int m_passedColor = 0;
    int m_backColor = 0;
    // The stamps drawn so far, by what decides them.
    QHash<size_t, QPixmap> m_cache;
};
