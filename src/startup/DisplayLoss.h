#pragma once

#include <QObject>

class QSocketNotifier;

// The X server going away (killed, crashed, a remote display dropped). Qt's X platform then ends
// the process from its event dispatch with exit(1), where no window can be closed and no event
// loop returns any more; what the program still wants kept has to be written in the one call
// before that, from Lost(). Elsewhere than on X this does nothing.
class DisplayLoss : public QObject
{
    Q_OBJECT

public:
    explicit DisplayLoss(QObject* parent = nullptr);

signals:
    // The server has closed the connection. Handlers must finish their work at once, and must not
    // talk to the display.
    void Lost();

private:
    void check();

    QSocketNotifier* m_notifier = nullptr;
    bool m_lost = false;
};
