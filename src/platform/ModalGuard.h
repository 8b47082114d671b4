#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// While a modal dialog or question is open, or still opening, the windows that were there before
// it take no input: a fast typist's next keys reach the dialog or nothing. Qt blocks the windows
// behind a modal dialog only once that dialog is up, and never behind a dialog of the desktop's
// own (a native file dialog), so the keys pressed in between would still run commands there.
class ModalGuard
{
public:
    // Watches the application's input from now on; the first guard does it otherwise. Access keys
    // then press their buttons at once.
    static void Install();

    // Holds every window that exists now until the guard ends.
    ModalGuard();
    ~ModalGuard();

    ModalGuard(const ModalGuard&) = delete;
    ModalGuard& operator=(const ModalGuard&) = delete;

    // Whether a guard is holding windows.
    static bool Active();
    bool Holds(const QWidget* window) const;

    // What to do when the window manager asks to close a held window (its close box, a logout
    // session's WM_DELETE_WINDOW): asked later from the event loop, never from inside the request.
    // Without a handler, or for a window it declines, the request is dropped.
    static void setCloseRequestHandler(std::function<void(QWidget* window)> handler);

private:
    QList<QPointer<QWidget>> m_held;
};
