#include "scoreboard/modLEDType.h"

#include <QByteArrayView>
#include <QMetaObject>
#include <QMetaProperty>
#include <QWidget>

#include <algorithm>
#include <array>

namespace {

bool IsLedDisplay(const QObject* control)
{
    static constexpr std::array<QByteArrayView, 3> LedTypes = {"TimeLED", "NumberLED", "PolyLED"};
    const QByteArrayView type(control->metaObject()->className());
    return std::find(LedTypes.begin(), LedTypes.end(), type) != LedTypes.end();
}

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
        if (IsLedDisplay(control))
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
