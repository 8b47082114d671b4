#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

class QProcess;

// A test's X server driven from outside, as a user's desktop does it: X clients (xdotool, xrandr,
// xwininfo), the window manager's close box, and the built program started on the server.
// `display` is ":<n>" of an XvfbServer, or empty for the server this process's DISPLAY names
// (the one RunOnXvfb started).

// Runs the client to its end and returns its exit code; -1 when it could not be started or did
// not finish within 20 s. `output`, when given, receives what it wrote on its standard output.
int RunXClient(const QString& display, const QString& program, const QStringList& arguments,
               QByteArray* output = nullptr);

// The ids of the visible windows titled exactly `title`, as xdotool lists them.
QStringList VisibleWindows(const QString& display, const QString& title);
// Waits up to 40 s for a visible window titled exactly `title`: the last one listed, or empty.
QString WaitForWindow(const QString& display, const QString& title);
// Waits up to 40 s until no visible window is titled exactly `title`.
bool WaitForWindowGone(const QString& display, const QString& title);

// What a window manager's close box does: WM_DELETE_WINDOW to the window's client.
bool SendCloseBox(const QString& display, const QString& window);

// Replaces the RandR monitors of this process's server: `left` at the origin, holding the
// windows that have no other place, and `right` beside it unless empty; with `left` empty, no
// monitors at all, the one whole screen. Each at 96 dpi. Waits until Qt sees that many screens.
bool SetMonitors(QSize left, QSize right = {});

// Starts the built program as a user's desktop would, on the xcb platform and `display`, with its
// settings under `configHome` and at QT_SCALE_FACTOR `scale` (none when 0); its errors go to the
// test's log. False when it did not start.
bool StartProgramOnX(QProcess& program, const QString& executable, const QStringList& arguments, const QString& display,
                     const QString& configHome, double scale = 0);
