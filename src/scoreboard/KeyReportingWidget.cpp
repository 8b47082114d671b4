#include "scoreboard/KeyReportingWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>

KeyReportingWidget::KeyReportingWidget(QWidget* parent) : QWidget(parent)
{
    // Tab reaches it; a click focuses it below, for the left button only, so that a right
    // or middle press leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    DisplayAccessible::Install();
}

void KeyReportingWidget::setSpokenText(const QString& text, std::optional<int> number)
{
    if (text == m_spokenText && number == m_spokenNumber)
        return;
    const QString before = m_spokenText;
    m_spokenText = text;
    m_spokenNumber = number;
    DisplayAccessible::NotifyChanged(this, before);
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
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    setFocus(Qt::MouseFocusReason);
    emit Click();
}
