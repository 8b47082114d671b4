#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (a logout, a shutdown, kill), SIGHUP and SIGINT, turned into a signal on the event loop:
// the handler only writes the number to a pipe, which the loop reads. While an object exists the
// program is no longer ended by these signals directly.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // While one exists the signals end the program at once, as if none were caught: around a
    // message at start-up, when there is nothing to lose and the run is not yet set to close.
    class Uncaught
    {
    public:
        Uncaught();
        ~Uncaught();
        Uncaught(const Uncaught&) = delete;
        Uncaught& operator=(const Uncaught&) = delete;
    };

signals:
    void Received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
