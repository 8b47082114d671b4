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

signals:
    void Received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
