#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// The number texts of the settings store and the number checks of the editors.
namespace NumberText {

// "4210752", "-1", "0".
QString Plain(qint64 value);
// One leading blank for zero and positive numbers, a "-" for negative ones: " 250", " 0", "-5".
QString SignReserving(qint64 value);

// Nearest whole number, a half going to the even neighbour (12.5 -> 12, 13.5 -> 14).
double RoundHalfEven(double value);

// The numeric test: optional sign, digits with an optional decimal point and fraction,
// an optional exponent, blanks allowed around it. An empty text is not a number.
bool IsNumeric(QStringView text);
// The value of a text that passes IsNumeric, or nothing.
std::optional<double> ToNumber(QStringView text);

// A text that passes IsNumeric, rounded halves to even, when the result lies in
// [minimum, maximum]; otherwise nothing.
std::optional<qint64> ToWholeNumber(QStringView text, qint64 minimum, qint64 maximum);

// The lenient reading of stored lot fields: blanks, tabs and line feeds anywhere are
// ignored, the longest numeric prefix is read (0 when there is none), rounded halves to
// even and clamped to the 32-bit range.
qint32 Lenient(QStringView text);

} // namespace NumberText
