#pragma once

#include <QString>
#include <QtGlobal>

// A digit display that a number can be typed onto: its name and the number it shows
// (-1 for an empty display).
class DigitDisplay
{
public:
    virtual ~DigitDisplay() = default;
    virtual QString Name() const = 0;
    virtual int Caption() const = 0;
    virtual void SetCaption(int value) = 0;
};

// Typing a number straight onto a digit display: digits confirmed with Enter, or a sign
// and one digit as a step up or down. The pending text belongs to one display at a time
// and survives everything but Space, an application and a move to another display.
class modShowDigits
{
public:
    // characterCode comes from KeyCodeToAsci; the display keeps its value unless the
    // result lies within minimum..maximum.
    void TypeIntoDisplay(DigitDisplay& display, qint16 characterCode, qint16 minimum, qint16 maximum);

    // Applies a typed text: a number sets the value, "+n" / "-n" step from it.
    static void SetDisplayValue(DigitDisplay& display, const QString& text, qint16 minimum, qint16 maximum);

    const QString& PendingText() const { return m_pending; }
    const QString& DisplayName() const { return m_displayName; }

private:
    void Append(QChar character);

    QString m_pending;
    QString m_displayName;
};
