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

// A read-only text (what the display shows, as words) and, where the display shows a
// number, a value. Screen readers read the text; the bus carries a change of either.
class DisplayInterface : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleValueInterface
{
public:
    explicit DisplayInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::ValueInterface && display()->shownNumber())
            return static_cast<QAccessibleValueInterface*>(this);
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

    // Value: the number on show.
    QVariant currentValue() const override
    {
        const std::optional<int> number = display()->shownNumber();
        return number ? QVariant(*number) : QVariant();
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 999999; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

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
    if (const std::optional<int> number = shown->shownNumber()) {
        QAccessibleValueChangeEvent valueChange(display, *number);
        QAccessible::updateAccessibility(&valueChange);
    }
    QAccessibleTextUpdateEvent textChange(display, 0, before, text);
    QAccessible::updateAccessibility(&textChange);
}

void DisplayAccessible::SetObserver(Observer observer)
{
    CurrentObserver() = std::move(observer);
}
