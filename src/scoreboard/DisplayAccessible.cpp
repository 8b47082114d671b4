#include "scoreboard/DisplayAccessible.h"

#include "common/WindowAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

DisplayAccessible::Observer& CurrentObserver()
{
    static DisplayAccessible::Observer observer;
    return observer;
}

// A read-only text: what the display shows, as words. No value: Qt would offer a value's
// Increase and Decrease actions, and the sale is driven by the operator's keys, not by those.
class DisplayInterface : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DisplayInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        const QString shown = display()->shownText();
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

    // Text: the shown words, read-only, with no caret and no selection.
    QString text(int startOffset, int endOffset) const override
    {
        return display()->shownText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(display()->shownText().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const ShownText* display() const { return dynamic_cast<const ShownText*>(widget()); }
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
        WindowAccessible::Install();
        return true;
    }();
    Q_UNUSED(installed);
}

void DisplayAccessible::NotifyChanged(QWidget* display, const QString& before)
{
    const auto* shown = dynamic_cast<const ShownText*>(display);
    if (!shown)
        return;
    const QString text = shown->shownText();
    if (const Observer& observer = CurrentObserver())
        observer(display, text);
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent textChange(display, 0, before, text);
    QAccessible::updateAccessibility(&textChange);
}

void DisplayAccessible::SetObserver(Observer observer)
{
    CurrentObserver() = std::move(observer);
}
