#include "common/WindowAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* CreateWindowInterface(const QString& className, QObject* object)
{
    // Asked once per class from the most derived up: only a window class of our own that derives
    // from QWidget itself, which Qt has no better interface for (dialogs and main windows it has).
    if (!object->isWidgetType() || object->metaObject()->superClass() != &QWidget::staticMetaObject ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void WindowAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateWindowInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
