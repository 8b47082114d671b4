#include "common/ComboAccessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

#include <algorithm>

namespace {

class ComboInterface : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboInterface(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox), m_said(shown())
    {
        // Qt tells of a new entry by a name change and a selection change, both of which Orca passes
        // over for a combo box. Selected text coming in it speaks at once; the old text going out
        // would be "selection deleted" first, so only the new entry is told.
        QObject::connect(combo, &QComboBox::currentTextChanged, combo, [this](const QString& now) {
            if (now == m_said)
                return;
            m_said = now;
            QAccessibleTextInsertEvent event(this, 0, now);
            QAccessible::updateAccessibility(&event);
        });
    }

    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
    QString shown() const { return combo()->currentText(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return shown();
        if (type == QAccessible::Name) {
            // Without a name of its own a combo is at least named by what it shows.
            const QString name = QAccessibleWidget::text(type);
            return name.isEmpty() ? shown() : name;
        }
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view() && combo()->view()->isVisible();
        return state;
    }

    // The shown entry as a read-only text: where Orca looks for a list-only combo's value.
    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, std::max(0, endOffset - startOffset));
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    // The shown entry is the one selected in the list.
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
    }
    int selectionCount() const override { return shown().isEmpty() ? 0 : 1; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString m_said;
};

QAccessibleInterface* CreateComboInterface(const QString& className, QObject* object)
{
    // Asked once per class from the most derived up: answer for QComboBox itself, so that a
    // subclass with an interface of its own keeps it.
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto* combo = qobject_cast<QComboBox*>(object);
    if (!combo || combo->isEditable())
        return nullptr;
    return new ComboInterface(combo);
}

} // namespace

void ComboAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateComboInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
