#include "scoreboard/DisplayAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

DisplayAccessible::Observer& CurrentObserver()
{
    static DisplayAccessible::Observer observer;
    return observer;
}

class DisplayInterface : public QAccessibleWidget
{
public:
    explicit DisplayInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QString text(QAccessible::Text type) const override
    {
        const QString shown = dynamic_cast<const ShownText*>(widget())->shownText();
        switch (type) {
        case QAccessible::Value:
            return shown;
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? shown : name;
        }
        default:
            return QAccessibleWidget::text(type);
        }
    }
};

QAccessibleInterface* CreateDisplayInterface(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && dynamic_cast<ShownText*>(widget))
        return new DisplayInterface(widget);
    return nullptr;
}

} // namespace

void DisplayAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateDisplayInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void DisplayAccessible::NotifyChanged(QWidget* display)
{
    const auto* shown = dynamic_cast<const ShownText*>(display);
    if (!shown)
        return;
    const QString text = shown->shownText();
    if (const Observer& observer = CurrentObserver())
        observer(display, text);
    QAccessibleValueChangeEvent event(display, text);
    QAccessible::updateAccessibility(&event);
}

void DisplayAccessible::SetObserver(Observer observer)
{
    CurrentObserver() = std::move(observer);
}
