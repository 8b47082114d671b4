#include "scoreboard/modLEDType.h"

#include "scoreboard/LedDisplay.h"

#include <QMetaObject>
#include <QMetaProperty>
#include <QWidget>

namespace {

// Writes a declared property only: QObject::setProperty would quietly attach a dynamic property to
// an object that lacks it.
void WriteDeclared(QObject* target, const char* name, int value)
{
    const QMetaObject* meta = target->metaObject();
    const int index = meta->indexOfProperty(name);
    if (index >= 0)
        meta->property(index).write(target, value);
}

} // namespace

void ApplyLEDType(QWidget* window, int ledType)
{
    if (!window)
        return;
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (LedTypeOf(control))
            WriteDeclared(control, "LedType", ledType);
    }
}

void ApplyDigitColors(QObject* target, int litColor, int ledBackColor)
{
    if (!target)
        return;
    const QMetaObject* meta = target->metaObject();
    if (meta->indexOfProperty("BackColor") < 0 || meta->indexOfProperty("LitColor") < 0)
        return;
    WriteDeclared(target, "BackColor", ledBackColor);
    WriteDeclared(target, "LitColor", litColor);
}

void ApplyDigitColors(const QList<QObject*>& group, int litColor, int ledBackColor)
{
    for (QObject* member : group)
        ApplyDigitColors(member, litColor, ledBackColor);
}
