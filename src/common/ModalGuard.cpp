#include "common/ModalGuard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QShortcutEvent>

#include <algorithm>

namespace {

QList<ModalGuard*>& guards()
{
    static QList<ModalGuard*> list;
    return list;
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
        if (!isHeld(static_cast<QWidget*>(watched)))
            return false;
        event->accept();
        return true;
    }

private:
    static bool isHeld(const QWidget* widget)
    {
        const QWidget* window = widget->window();
        return std::any_of(guards().begin(), guards().end(),
                           [window](const ModalGuard* guard) { return guard->Holds(window); });
    }

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

HeldInput* filter()
{
    static QPointer<HeldInput> installed;
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

bool ModalGuard::Active()
{
    return !guards().isEmpty();
}
