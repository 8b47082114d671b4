#include "records/NumberText.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <limits>

namespace NumberText {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Length of the longest prefix of text that forms a number (sign, digits, optional
// point and fraction, optional exponent), or 0 when there is none.
qsizetype numericPrefixLength(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < n && isDigit(text[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        qsizetype exponentDigits = 0;
        while (j < n && isDigit(text[j])) {
            ++j;
            ++exponentDigits;
        }
        if (exponentDigits > 0)
            i = j;
    }
    return i;
}

// Reads a text that numericPrefixLength accepted in full. Independent of the locale.
double parsePrefix(QStringView number)
{
    const QByteArray latin = number.toLatin1();
    const char* first = latin.constData();
    const char* last = first + latin.size();
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-')
        ++first;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to represent becomes 0, too large becomes infinity.
        const bool tiny = latin.contains("e-") || latin.contains("E-") || std::string_view(first, last).starts_with('0') ||
                          std::string_view(first, last).starts_with('.');
        value = tiny ? 0.0 : HUGE_VAL;
    }
    Q_UNUSED(ptr);
    return negative ? -value : value;
}

} // namespace

QString Plain(qint64 value) { return QString::number(value); }

QString SignReserving(qint64 value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

bool IsNumeric(QStringView text) { return ToNumber(text).has_value(); }

std::optional<double> ToNumber(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView core = text.sliced(begin, end - begin);
    if (core.isEmpty() || numericPrefixLength(core) != core.size())
        return std::nullopt;
    return parsePrefix(core);
}

std::optional<qint64> ToWholeNumber(QStringView text, qint64 minimum, qint64 maximum)
{
    const std::optional<double> number = ToNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = RoundHalfEven(*number);
    if (!std::isfinite(rounded) || rounded < static_cast<double>(minimum) || rounded > static_cast<double>(maximum))
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

qint32 Lenient(QStringView text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            compact.append(c);
    }
    const qsizetype length = numericPrefixLength(compact);
    if (length == 0)
        return 0;
    const double value = RoundHalfEven(parsePrefix(QStringView(compact).first(length)));
    constexpr double low = std::numeric_limits<qint32>::min();
    constexpr double high = std::numeric_limits<qint32>::max();
    if (std::isnan(value))
        return 0;
    if (value <= low)
        return std::numeric_limits<qint32>::min();
    if (value >= high)
        return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(value);
}

} // namespace NumberText
