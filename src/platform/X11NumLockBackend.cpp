#include "platform/X11NumLockBackend.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#endif

// Xlib last: its macros (None, Bool, Status, ...) would clash with names in Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

X11NumLockBackend::X11NumLockBackend(_XDisplay* display, bool ownsDisplay)
    : m_display(display), m_ownsDisplay(ownsDisplay)
{
    int opcode = 0, event = 0, error = 0;
    int major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!m_display || !XkbQueryExtension(m_display, &opcode, &event, &error, &major, &minor))
        return;
    m_mask = XkbKeysymToModifiers(m_display, XK_Num_Lock);
}

X11NumLockBackend::~X11NumLockBackend()
{
    if (m_ownsDisplay && m_display)
        XCloseDisplay(m_display);
}

std::optional<bool> X11NumLockBackend::IsNumLockOn() const
{
    if (!m_mask)
        return std::nullopt;
    XkbStateRec state{};
    if (XkbGetState(m_display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return (state.locked_mods & m_mask) != 0;
}

bool X11NumLockBackend::LockNumLock(bool on)
{
    if (!m_mask)
        return false;
    if (!XkbLockModifiers(m_display, XkbUseCoreKbd, m_mask, on ? m_mask : 0))
        return false;
    // The server has the new lock before anyone reads the state again.
    XSync(m_display, False);
    return true;
}

std::unique_ptr<NumLockBackend> NumLockBackend::ForPlatform()
{
    const QString platform = QGuiApplication::platformName();
#if QT_CONFIG(xcb)
    if (platform == QLatin1String("xcb")) {
        if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
            auto backend = std::make_unique<X11NumLockBackend>(x11->display(), false);
            if (backend->IsAvailable())
                return backend;
        }
        return std::make_unique<NoNumLockBackend>();
    }
#endif
    // On Wayland the X server of XWayland holds the keyboard state that X programs see.
    if (platform.startsWith(QLatin1String("wayland"))) {
        if (_XDisplay* display = XOpenDisplay(nullptr)) {
            auto backend = std::make_unique<X11NumLockBackend>(display, true);
            if (backend->IsAvailable())
                return backend;
        }
    }
    return std::make_unique<NoNumLockBackend>();
}
