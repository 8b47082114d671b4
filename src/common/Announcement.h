#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Something a window tells a screen reader user at once, where Qt 6.4 has no announcement of its
// own: Orca speaks a notification inside a status bar as it shows, without the word
// "notification". The window holds such a pair, never drawn; each text becomes the notification's
// name, shown again. Only said while the focus is in that window; statusName names the hidden
// status bar.
class Announcement : public QObject
{
    Q_OBJECT

public:
    Announcement(QWidget* window, const QString& statusName);

    void Say(const QString& text);
    // What was last given to say (tests read it here, Orca on the bus).
    QString last() const { return m_last; }

private:
    QWidget* m_window;
    QWidget* m_notice;
    QString m_last;
};
