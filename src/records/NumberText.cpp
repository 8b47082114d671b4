#include "records/NumberText.h"

#include <QVarLengthArray>

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>

namespace NumberText {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
bool isNumberChar(char16_t c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' || c == u'E';
}

using NumberChars = QVarLengthArray<char, 64>;

// Length of the longest prefix of text that forms a number (sign, digits, optional
// point and fraction, optional exponent), or 0 when there is none.
qsizetype numericPrefixLength(std::string_view text)
{
    size_t i = 0;
    const size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        size_t j = i + 1;
        size_t fraction = 0;
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
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        size_t exponentDigits = 0;
        while (j < n && isDigit(text[j])) {
            ++j;
            ++exponentDigits;
        }
        if (exponentDigits > 0)
            i = j;
    }
    return static_cast<qsizetype>(i);
}

// For a number too large or too small for a double: true when it is too large. Decided by the
// decimal order of its first significant digit, which is far below zero for the tiny ones.
bool isTooLarge(std::string_view unsignedNumber)
{
    const size_t exponentAt = unsignedNumber.find_first_of("eE");
    const std::string_view mantissa = unsignedNumber.substr(0, exponentAt);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t lead = mantissa.find_first_of("123456789");
    if (lead == std::string_view::npos)
        return false;
    qint64 order = lead < point ? static_cast<qint64>(point - lead - 1) : -static_cast<qint64>(lead - point);
    if (exponentAt != std::string_view::npos) {
        std::string_view exponent = unsignedNumber.substr(exponentAt + 1);
        const bool negative = !exponent.empty() && exponent.front() == '-';
        if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
            exponent.remove_prefix(1);
        qint64 value = 0;
        for (char c : exponent)
            value = std::min<qint64>(value * 10 + (c - '0'), qint64(1) << 40); // saturate far beyond any double
        order += negative ? -value : value;
    }
    return order >= 0;
}

// Reads a text that numericPrefixLength accepted in full. Independent of the locale.
double readNumber(std::string_view number)
{
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = isTooLarge(number) ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

} // namespace

QString Plain(qint64 value)
{
    return QString::number(value);
}

QString SignReserving(qint64 value)
{
    // Built in place: every stored lot takes three of these.
    char text[24];
    char* first = text + 1;
    char* last = std::to_chars(first, std::end(text), value).ptr;
    if (value >= 0)
        *--first = ' ';
    return QString::fromLatin1(first, last - first);
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

bool IsNumeric(QStringView text)
{
    return ToNumber(text).has_value();
}

std::optional<double> ToNumber(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    NumberChars chars;
    for (QChar c : text.sliced(begin, end - begin)) {
        if (!isNumberChar(c.unicode()))
            return std::nullopt;
        chars.append(static_cast<char>(c.unicode()));
    }
    const std::string_view core(chars.data(), static_cast<size_t>(chars.size()));
    if (core.empty() || numericPrefixLength(core) != chars.size())
        return std::nullopt;
    return readNumber(core);
}

std::optional<qint64> ToWholeNumber(QStringView text, qint64 minimum, qint64 maximum)
{
    const std::optional<double> number = ToNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = RoundHalfEven(*number);
    // 2^63 itself is not a qint64; everything below it converts exactly after rounding.
    constexpr double Int64Limit = 9223372036854775808.0;
    if (!std::isfinite(rounded) || rounded < -Int64Limit || rounded >= Int64Limit)
        return std::nullopt;
    const auto whole = static_cast<qint64>(rounded);
    if (whole < minimum || whole > maximum)
        return std::nullopt;
    return whole;
}

qint32 Lenient(QStringView text)
{
    // Blanks, tabs and line feeds are dropped; the first other character that cannot be part
    // of a number ends the prefix.
    NumberChars chars;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        if (!isNumberChar(c.unicode()))
            break;
        chars.append(static_cast<char>(c.unicode()));
    }
    const qsizetype length = numericPrefixLength(std::string_view(chars.data(), static_cast<size_t>(chars.size())));
    if (length == 0)
        return 0;
    const double value = RoundHalfEven(readNumber(std::string_view(chars.data(), static_cast<size_t>(length))));
    constexpr double low = std::numeric_limits<qint32>::min();
    constexpr double high = std::numeric_limits<qint32>::max();
    if (value <= low)
        return std::numeric_limits<qint32>::min();
    if (value >= high)
        return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(value);
}

} // namespace NumberText
