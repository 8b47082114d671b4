#include "platform/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Caught[] = {SIGTERM, SIGHUP, SIGINT};
int pipeEnds[2] = {-1, -1};

extern "C" void onSignal(int signalNumber)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request to end; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

void catchSignals()
{
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : Caught)
        ::sigaction(signalNumber, &action, nullptr);
}

int uncaughtDepth = 0;

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    catchSignals();
}

TerminationSignals::Uncaught::Uncaught()
{
    if (uncaughtDepth++ == 0 && pipeEnds[0] >= 0) {
        for (int signalNumber : Caught)
            std::signal(signalNumber, SIG_DFL);
    }
}

TerminationSignals::Uncaught::~Uncaught()
{
    if (--uncaughtDepth == 0 && pipeEnds[0] >= 0)
        catchSignals();
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (int signalNumber : Caught)
        std::signal(signalNumber, SIG_DFL);
    delete m_notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void TerminationSignals::readPipe()
{
    unsigned char bytes[16];
    const ssize_t count = ::read(pipeEnds[0], bytes, sizeof bytes);
    for (ssize_t i = 0; i < count; ++i)
        emit Received(bytes[i]);
}
