#include "platform/CloseRequests.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

// Xlib last: its macros (KeyPress, None, Bool, ...) would clash with names in Qt's headers.
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace {

// The WM_DELETE_WINDOW client messages, read as the X server sends them.
class X11CloseRequests : public CloseRequests, public QAbstractNativeEventFilter
{
public:
    X11CloseRequests(Display* display, Handler handler)
        : m_protocols(static_cast<quint32>(XInternAtom(display, "WM_PROTOCOLS", False))),
          m_deleteWindow(static_cast<quint32>(XInternAtom(display, "WM_DELETE_WINDOW", False))),
          m_handler(std::move(handler))
    {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->format != 32 || client->type != m_protocols || client->data.data32[0] != m_deleteWindow)
            return false;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->internalWinId() == client->window)
                return m_handler(window);
        }
        return false;
    }

private:
    quint32 m_protocols;
    quint32 m_deleteWindow;
    Handler m_handler;
};

} // namespace
#endif

std::unique_ptr<CloseRequests> CloseRequests::ForPlatform(Handler handler)
{
#if QT_CONFIG(xcb)
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (x11 && x11->display()) {
            auto requests = std::make_unique<X11CloseRequests>(x11->display(), std::move(handler));
            qApp->installNativeEventFilter(requests.get());
            return requests;
        }
    }
#else
    Q_UNUSED(handler);
#endif
    return nullptr;
}
