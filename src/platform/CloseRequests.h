#pragma once

#include <functional>
#include <memory>

class QWidget;

// The window manager's requests to close a window (its close box, a logout session's
// WM_DELETE_WINDOW), read as the windowing system delivers them: once a modal dialog is up, Qt
// drops the request for the windows it blocks before any event filter sees it. On X11 they are read
// from the X server's events; elsewhere there is nothing to watch.
class CloseRequests
{
public:
    // Takes the request to close window; true when it goes no further.
    using Handler = std::function<bool(QWidget* window)>;

    virtual ~CloseRequests() = default;

    CloseRequests(const CloseRequests&) = delete;
    CloseRequests& operator=(const CloseRequests&) = delete;

    // Hands the application's close requests to handler until the watch ends: the X server's on
    // xcb; null where there is nothing to watch.
    static std::unique_ptr<CloseRequests> ForPlatform(Handler handler);

protected:
    CloseRequests() = default;
};
