#include "scoreboard/KeyReportingWidget.h"

#include <QKeyEvent>

KeyReportingWidget::KeyReportingWidget(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void KeyReportingWidget::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown(event);
    event->accept();
}

void KeyReportingWidget::keyReleaseEvent(QKeyEvent* event)
{
    emit KeyUp(event);
    event->accept();
}

void KeyReportingWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    emit Click();
}
