#pragma once

#include <QObject>

#include <memory>

// The X server going away (killed, crashed, a remote display dropped). Qt's X platform then ends
// the process from its event dispatch with exit(1), where no window can be closed and no event
// loop returns any more; what the program still wants kept has to be written in the one call
// before that, from Lost(). Elsewhere than on X nothing is watched and Lost() never comes.
class DisplayLoss : public QObject
{
    Q_OBJECT

public:
    // The watch for the platform the application runs on: the X server's connection on xcb,
    // nothing elsewhere.
    static std::unique_ptr<DisplayLoss> ForPlatform();

signals:
    // The server has closed the connection. Handlers must finish their work at once, and must not
    // talk to the display.
    void Lost();

protected:
    DisplayLoss() = default;
};
