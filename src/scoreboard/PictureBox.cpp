#include "scoreboard/PictureBox.h"

#include "scoreboard/LedColors.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

PictureBox::PictureBox(QWidget* parent) : KeyReportingWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(int color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void PictureBox::setSunkenBorder(bool sunken)
{
    if (sunken == m_sunkenBorder)
        return;
    m_sunkenBorder = sunken;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), LedColors::ToQColor(m_backColor));
    if (m_sunkenBorder)
        qDrawWinPanel(&painter, rect(), palette(), true);
}
