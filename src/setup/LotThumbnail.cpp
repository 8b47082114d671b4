#include "setup/LotThumbnail.h"

#include "pictures/LotPictureLoader.h"

#include <QPainter>

LotThumbnail::LotThumbnail(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAccessibleName(tr("Picture of the selected lot"));
    hide();
}

void LotThumbnail::setLoader(LotPictureLoader* loader)
{
    if (m_loader)
        disconnect(m_loader, nullptr, this, nullptr);
    m_loader = loader;
    if (m_loader)
        connect(m_loader, &LotPictureLoader::ready, this, &LotThumbnail::pictures_Ready);
    setVisible(m_loader && m_loader->IsActive());
}

void LotThumbnail::ShowLot(qint32 lot, const QList<qint32>& neighbours)
{
    m_lot = lot;
    m_neighbours = neighbours;
    if (!m_loader || !m_loader->IsActive()) {
        SetPicture({});
        return;
    }
    m_loader->Show(this, lot, contentsRect().size() * devicePixelRatioF(), neighbours);
    SetPicture(m_loader->Picture(this, lot));
}

void LotThumbnail::ShowNone()
{
    m_lot = -1;
    if (m_loader)
        m_loader->Forget(this);
    SetPicture({});
}

void LotThumbnail::pictures_Ready(qint32 lot)
{
    if (lot != m_lot || m_loader->IsPending(this, lot))
        return;
    SetPicture(m_loader->Picture(this, lot));
}

void LotThumbnail::SetPicture(const QImage& picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    m_picture.setDevicePixelRatio(devicePixelRatioF());
    update();
}

void LotThumbnail::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (m_lot >= 0)
        ShowLot(m_lot, m_neighbours);
}

void LotThumbnail::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(LotPictureLoader::Fitted(m_picture, contentsRect()), m_picture);
}
