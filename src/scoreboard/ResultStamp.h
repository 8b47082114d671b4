#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

// The hammer's result shown to the room: a large "SOLD" or "PASSED" over the note box, in
// the lot colour. It lies on the note and takes the note's size, so it scales with the
// layout. The stamp is rendered once per size and colour into a pixmap and blitted, which
// keeps large type off the window system's glyph path.
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
    // `detail` is drawn with the word: the price the lot was sold or passed at.
    void setOutcome(Outcome outcome, const QString& detail = {});
    // 24-bit colours: the stamp's and the note box's background under it.
    void setColors(int stampColor, int backColor);

    static QString Caption(Outcome outcome);
    // The stamp as drawn: transparent where the note box shows through.
    static QImage Render(Outcome outcome, QSize size, qreal pixelRatio, int stampColor, int backColor,
                         const QString& detail = {});

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Outcome m_outcome = Outcome::None;
    QString m_detail;
    int m_stampColor = 0;
    int m_backColor = 0;
    // The stamps drawn so far at this size and in these colours, by what decides them.
    QHash<size_t, QPixmap> m_cache;
};
