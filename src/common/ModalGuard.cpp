#include "common/ModalGuard.h"

#include <QAbstractButton>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QShortcutEvent>
#include <QTimer>

#include <algorithm>

#if GAVELOR_HAVE_X11 && QT_CONFIG(xcb)
#define GAVELOR_WATCH_XCB_CLOSE 1
#endif

namespace {

QList<ModalGuard*>& guards()
{
    static QList<ModalGuard*> list;
    return list;
}

std::function<void(QWidget*)>& closeRequestHandler()
{
    static std::function<void(QWidget*)> handler;
    return handler;
}

bool isHeld(const QWidget* widget)
{
    const QWidget* window = widget->window();
    return std::any_of(guards().begin(), guards().end(),
                       [window](const ModalGuard* guard) { return guard->Holds(window); });
}

// Handed on from the event loop: the handler may close dialogs, which must not happen inside the
// dispatch of the request itself.
void requestClose(QWidget* window)
{
    QTimer::singleShot(0, window, [window] {
        if (closeRequestHandler())
            closeRequestHandler()(window);
    });
}

bool isInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    case QEvent::Close:
        // The window manager's close box; a close the program asks for itself goes through.
        return event->spontaneous();
    default:
        return false;
    }
}

// Drops input meant for a held window.
class HeldInput : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        if (event->type() == QEvent::Shortcut && !isHeld(static_cast<QWidget*>(watched)))
            return pressAtOnce(watched, static_cast<QShortcutEvent*>(event));
        if (guards().isEmpty() || !isInput(event))
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!isHeld(widget))
            return false;
        if (event->type() == QEvent::Close) {
            // The window stays until the handler has closed what is open over it.
            event->ignore();
            if (widget->isWindow())
                requestClose(widget);
            return true;
        }
        event->accept();
        return true;
    }

private:
    // Qt presses a button for its access key only after a 100 ms animation, so a second access key
    // typed within that time still ran its command, even once the first one had opened a dialog.
    // Pressed at once, each command runs (and opens its dialog, holding the window) before the next
    // key is read.
    static bool pressAtOnce(QObject* watched, QShortcutEvent* event)
    {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || event->isAmbiguous() || !button->isEnabled())
            return false;
        button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        return true;
    }
};

#ifdef GAVELOR_WATCH_XCB_CLOSE
// The window manager's close requests on X, read before Qt drops them (defined at the end, where
// Xlib's macros can no longer clash with names here).
QAbstractNativeEventFilter* newHeldCloseRequests();
#endif

HeldInput* filter()
{
    static QPointer<HeldInput> installed;
    if (!installed && qApp) {
        installed = new HeldInput(qApp);
        qApp->installEventFilter(installed);
#ifdef GAVELOR_WATCH_XCB_CLOSE
        if (QAbstractNativeEventFilter* native = newHeldCloseRequests()) {
            // Goes with the application, as the input filter does.
            qApp->installNativeEventFilter(native);
            QObject::connect(installed, &QObject::destroyed, [native] { delete native; });
        }
#endif
    }
    return installed;
}

} // namespace

void ModalGuard::Install()
{
    filter();
}

ModalGuard::ModalGuard()
{
    if (!filter())
        return;
    for (QWidget* window : QApplication::topLevelWidgets())
        m_held.append(window);
    guards().append(this);
}

ModalGuard::~ModalGuard()
{
    guards().removeOne(this);
}

bool ModalGuard::Holds(const QWidget* window) const
{
    return std::any_of(m_held.begin(), m_held.end(),
                       [window](const QPointer<QWidget>& held) { return held == window; });
}

void ModalGuard::setCloseRequestHandler(std::function<void(QWidget*)> handler)
{
    closeRequestHandler() = std::move(handler);
}

bool ModalGuard::Active()
{
    return !guards().isEmpty();
}

#ifdef GAVELOR_WATCH_XCB_CLOSE
#include <QtGui/qguiapplication_platform.h>

// Xlib last: its macros (KeyPress, None, Bool, ...) would clash with names in Qt's headers.
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace {

// Once a modal dialog is up, Qt drops the window manager's close request for the windows it
// blocks before any event filter sees it; it is read here, as the X server sends it.
class HeldCloseRequests : public QAbstractNativeEventFilter
{
public:
    explicit HeldCloseRequests(Display* display)
        : m_protocols(static_cast<quint32>(XInternAtom(display, "WM_PROTOCOLS", False))),
          m_deleteWindow(static_cast<quint32>(XInternAtom(display, "WM_DELETE_WINDOW", False)))
    {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (guards().isEmpty() || eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->format != 32 || client->type != m_protocols || client->data.data32[0] != m_deleteWindow)
            return false;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->internalWinId() == client->window && isHeld(window)) {
                requestClose(window);
                return true;
            }
        }
        return false;
    }

private:
    quint32 m_protocols;
    quint32 m_deleteWindow;
};

QAbstractNativeEventFilter* newHeldCloseRequests()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return nullptr;
    return new HeldCloseRequests(x11->display());
}

} // namespace
#endif
