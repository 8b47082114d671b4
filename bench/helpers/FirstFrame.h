#pragma once

// Shared by the start-up benchmark and the programs it starts: one clock that means the
// same in every process, and a watcher that reports a window's first finished frame.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace FirstFrame {

// CLOCK_MONOTONIC in nanoseconds: comparable between the benchmark and its children.
inline long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Prints "FRAME <ns>" once the window's first paint, children included, is done, and
// ends the program.
class Reporter : public QObject
{
public:
    explicit Reporter(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The children paint in the same pass; the queued call runs once it is over.
            QTimer::singleShot(0, this, [] {
                std::printf("FRAME %lld\n", MonotonicNs());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace FirstFrame
