#include "scoreboard/KeyReportingWidget.h"

#include <QKeyEvent>

KeyReportingWidget::KeyReportingWidget(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    DisplayAccessible::Install();
}

void KeyReportingWidget::setSpokenText(const QString& text)
{
    if (text == m_spokenText)
        return;
    m_spokenText = text;
    DisplayAccessible::NotifyChanged(this);
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
