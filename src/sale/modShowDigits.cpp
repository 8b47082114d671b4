#include "sale/modShowDigits.h"

#include <algorithm>
#include <optional>

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsSign(QChar c)
{
    return c == u'+' || c == u'-';
}

// Above every 16-bit limit; reading stops growing here so that a long run of digits
// cannot overflow and still reads as out of range.
constexpr qint32 Saturated = 1000000;

// The whole number at the start of the text, up to the first character that is not a digit.
qint32 LeadingNumber(QStringView text)
{
    qint32 value = 0;
    for (QChar c : text) {
        if (!IsDigit(c))
            break;
        value = std::min(Saturated, value * 10 + (c.unicode() - u'0'));
    }
    return value;
}

} // namespace

void modShowDigits::TypeIntoDisplay(DigitDisplay& display, qint16 characterCode, qint16 minimum, qint16 maximum)
{
    const QString name = display.Name();
    if (name != m_displayName) {
        m_pending.clear();
        m_displayName = name;
    }

    if ((characterCode >= '0' && characterCode <= '9') || characterCode == '+' || characterCode == '-')
        Append(QChar(characterCode));
    if (characterCode == ' ')
        m_pending.clear();

    // A sign followed by one digit is a step, applied at once.
    if (m_pending.size() >= 2 && IsSign(m_pending[0]) && IsDigit(m_pending[1])) {
        SetDisplayValue(display, m_pending, minimum, maximum);
        m_pending.clear();
    }

    if (characterCode == 13) {
        SetDisplayValue(display, m_pending, minimum, maximum);
        m_pending.clear();
    }
}

void modShowDigits::Append(QChar character)
{
    m_pending.append(character);

    // Only the number at the start of the text decides what Enter does, so the text is
    // kept in a short form with the same meaning: a key held down for hours must not
    // grow it. Leading zeros carry no value; past six significant digits a number is
    // above every 16-bit maximum already; after the number, or after a sign that is not
    // followed by a digit, one character stands for all that follow.
    if (IsSign(m_pending[0])) {
        if (m_pending.size() > 2)
            m_pending.truncate(2);
        return;
    }
    qsizetype digits = 0;
    while (digits < m_pending.size() && IsDigit(m_pending[digits]))
        ++digits;
    if (digits > 1 && m_pending[0] == u'0') {
        qsizetype zeros = 0;
        while (zeros < digits - 1 && m_pending[zeros] == u'0')
            ++zeros;
        m_pending.remove(0, zeros);
        digits -= zeros;
    }
    constexpr qsizetype MaxSignificantDigits = 6;
    if (digits > MaxSignificantDigits) {
        m_pending.remove(MaxSignificantDigits, digits - MaxSignificantDigits);
        digits = MaxSignificantDigits;
    }
    if (m_pending.size() > digits + 1)
        m_pending.truncate(digits + 1);
}

void modShowDigits::SetDisplayValue(DigitDisplay& display, const QString& text, qint16 minimum, qint16 maximum)
{
    if (text.isEmpty())
        return;
    const qint64 current = display.Caption() == -1 ? 0 : display.Caption();
    const QChar first = text[0];

    std::optional<qint64> value;
    if (IsDigit(first))
        value = LeadingNumber(text);
    else if (first == u'+')
        value = current + LeadingNumber(QStringView(text).mid(1));
    else if (first == u'-')
        value = current - LeadingNumber(QStringView(text).mid(1));

    if (value && *value >= minimum && *value <= maximum)
        display.SetCaption(static_cast<int>(*value));
}
