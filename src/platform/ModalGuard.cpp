#include "platform/ModalGuard.h"

#include "platform/CloseRequests.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QShortcutEvent>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

const auto FilterName = QStringLiteral("gavelorModalGuard");

std::function<void(QWidget*)>& closeRequestHandler()
{
    static std::function<void(QWidget*)> handler;
    return handler;
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

// Drops input meant for a held window. It goes with the application, and with it the list of the
// guards that are up.
class HeldInput : public QObject
{
public:
    explicit HeldInput(QObject* parent) : QObject(parent)
    {
        setObjectName(FilterName);
        m_closeRequests = CloseRequests::ForPlatform([this](QWidget* window) {
            if (!IsHeld(window))
                return false;
            requestClose(window);
            return true;
        });
    }

    void Add(ModalGuard* guard) { m_guards.append(guard); }
    void Remove(ModalGuard* guard) { m_guards.removeOne(guard); }
    bool HasGuards() const { return !m_guards.isEmpty(); }

    bool IsHeld(const QWidget* widget) const
    {
        const QWidget* window = widget->window();
        return std::any_of(m_guards.begin(), m_guards.end(),
                           [window](const ModalGuard* guard) { return guard->Holds(window); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        if (event->type() == QEvent::Shortcut && !IsHeld(static_cast<QWidget*>(watched)))
            return pressAtOnce(watched, static_cast<QShortcutEvent*>(event));
        if (!HasGuards() || !isInput(event))
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!IsHeld(widget))
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

    QList<ModalGuard*> m_guards;
    std::unique_ptr<CloseRequests> m_closeRequests;
};

HeldInput* installedFilter()
{
    return qApp ? static_cast<HeldInput*>(qApp->findChild<QObject*>(FilterName, Qt::FindDirectChildrenOnly)) : nullptr;
}

HeldInput* filter()
{
    HeldInput* installed = installedFilter();
    if (!installed && qApp) {
        installed = new HeldInput(qApp);
        qApp->installEventFilter(installed);
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
    HeldInput* input = filter();
    if (!input)
        return;
    for (QWidget* window : QApplication::topLevelWidgets())
        m_held.append(window);
    input->Add(this);
}

ModalGuard::~ModalGuard()
{
    if (HeldInput* input = installedFilter())
        input->Remove(this);
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
    const HeldInput* input = installedFilter();
    return input && input->HasGuards();
}
