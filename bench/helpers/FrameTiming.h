#pragma once

// What the frame benchmarks share: counting paints, the median of the rounds, and
// finishing the frame that is waiting.

#include "Median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QObject>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

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

// The name a figure goes by on the platform it was measured on: the X server's figures
// carry ".xcb", the offscreen platform's none.
inline const char* PlatformSuffix()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") ? ".xcb" : "";
}

// Delivers the repaints that are waiting, as the event loop would, and returns when
// they have been painted into the backing stores and flushed; on an X server, when the
// server has taken the frame in.
inline void FinishFrame()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
    // A round trip: the server answers once it has carried out every request before it.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection())
        std::free(xcb_get_input_focus_reply(x11->connection(), xcb_get_input_focus(x11->connection()), nullptr));
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
