#include "platform/DisplayLoss.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/socket.h>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

// Xlib last: its macros (None, Bool, Status, ...) would clash with names in Qt's headers.
#include <X11/Xlib.h>

namespace {

// Watches the socket of Qt's own connection to the X server.
class X11DisplayLoss : public DisplayLoss
{
public:
    explicit X11DisplayLoss(Display* display)
        // Qt's reader thread takes the events off this socket; the loop here only sees it become
        // readable, in the same pass in which Qt would notice the end of the connection, and before
        // Qt acts on it.
        : m_notifier(new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, this))
    {
        connect(m_notifier, &QSocketNotifier::activated, this, &X11DisplayLoss::check);
    }

private:
    void check()
    {
        if (m_lost)
            return;
        char byte = 0;
        const ssize_t peeked = ::recv(static_cast<int>(m_notifier->socket()), &byte, 1, MSG_PEEK | MSG_DONTWAIT);
        // Events waiting for the reader thread, or none any more: the connection is still there.
        if (peeked > 0 || (peeked < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)))
            return;
        m_lost = true;
        m_notifier->setEnabled(false);
        emit Lost();
    }

    QSocketNotifier* m_notifier;
    bool m_lost = false;
};

} // namespace
#endif

std::unique_ptr<DisplayLoss> DisplayLoss::ForPlatform()
{
#if QT_CONFIG(xcb)
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (x11 && x11->display())
            return std::make_unique<X11DisplayLoss>(x11->display());
    }
#endif
    return std::unique_ptr<DisplayLoss>(new DisplayLoss());
}
