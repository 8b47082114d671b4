#pragma once

// What the frame benchmarks share: counting paints, the median of the rounds, and
// finishing the frame that is waiting.

#include "Median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>

#include <algorithm>
#include <vector>

namespace FrameTiming {

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Delivers the repaints that are waiting, as the event loop would, and returns when
// they have been painted into the backing stores and flushed.
inline void FinishFrame()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
}

// An operator's raises: Up pressed and released on target, each frame finished. Returns the
// milliseconds of each of the counted presses, after the warm-up ones.
inline std::vector<double> UpPressesToFrame(QObject* target, int warmup, int counted)
{
    std::vector<double> times;
    for (int i = 0; i < warmup + counted; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
        QElapsedTimer timer;
        timer.start();
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
        FinishFrame();
        if (i >= warmup)
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

} // namespace FrameTiming
