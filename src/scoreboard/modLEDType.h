#pragma once

#include <QList>

class QObject;
class QWidget;

// Pushes the digit style and the colours into a window's LED displays.

// Sets LedType on every LED display (each kind of LedType) among the window's descendants, in the
// window's control order. Every other control is left alone.
void ApplyLEDType(QWidget* window, int ledType);

// Sets BackColor to ledBackColor, then LitColor to litColor, on one display or on each display of a
// group in the group's order. Colours in the 24-bit encoding. Objects without both properties are
// left alone rather than given new ones.
void ApplyDigitColors(QObject* target, int litColor, int ledBackColor);
void ApplyDigitColors(const QList<QObject*>& group, int litColor, int ledBackColor);
