#pragma once

#include <QWidget>

class QKeyEvent;

// A control that takes the keyboard focus and hands its key presses, key releases and
// clicks to the window that holds it, as the scoreboard's digit displays and amount panel do.
class KeyReportingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit KeyReportingWidget(QWidget* parent = nullptr);

signals:
    void KeyDown(QKeyEvent* event);
    void KeyUp(QKeyEvent* event);
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
