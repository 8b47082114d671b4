#pragma once

#include <QFrame>
#include <QImage>
#include <QList>

class LotPictureLoader;

// A small picture of a lot, decoded by the lot pictures' loader off the interface thread. Shown
// only while there can be pictures (a picture folder is set, or the lots name their own files).
class LotThumbnail : public QFrame
{
    Q_OBJECT

public:
    explicit LotThumbnail(QWidget* parent = nullptr);

    void setLoader(LotPictureLoader* loader);
    // The lot to show, with the lots beside it in the list to fetch ahead; none: an empty frame.
    void ShowLot(qint32 lot, const QList<qint32>& neighbours);
    void ShowNone();
    // The picture drawn now; null when none.
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void pictures_Ready(qint32 lot);
    void SetPicture(const QImage& picture);

    LotPictureLoader* m_loader = nullptr;
    qint32 m_lot = -1;
    QList<qint32> m_neighbours;
    QImage m_picture;
};
