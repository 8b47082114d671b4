#pragma once

#include "scoreboard/DisplayAccessible.h"

#include <QWidget>

class QKeyEvent;

// A control that takes the keyboard focus and hands its key presses, key releases and
// clicks to the window that holds it, as the scoreboard's digit displays and amount panel do.
class KeyReportingWidget : public QWidget, public ShownText
{
    Q_OBJECT

public:
    explicit KeyReportingWidget(QWidget* parent = nullptr);

    // What the control shows, in words ("Lot #: 12", "$12,050"), and the number that is on
    // show (12, 12050), if any; a change is announced.
    QString spokenText() const { return m_spokenText; }
    void setSpokenText(const QString& text, std::optional<int> number = std::nullopt);
    QString shownText() const override { return m_spokenText; }
    std::optional<int> shownNumber() const override { return m_spokenNumber; }

signals:
    void KeyDown(QKeyEvent* event);
    void KeyUp(QKeyEvent* event);
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_spokenText;
    std::optional<int> m_spokenNumber;
};
