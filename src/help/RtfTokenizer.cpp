#include "help/RtfTokenizer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace Rtf {

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

void Tokenize(const QByteArray& input, TokenSink& sink)
{
    const char* p = input.constData();
    const char* const end = p + input.size();
    while (p < end && !sink.Finished()) {
        const char c = *p;
        if (c == '{') {
            ++p;
            sink.OpenGroup();
            continue;
        }
        if (c == '}') {
            ++p;
            sink.CloseGroup();
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++p;
            continue;
        }
        if (c != '\\') {
            // Plain text up to the next character with a meaning of its own.
            const char* q = p;
            while (q < end && *q != '\\' && *q != '{' && *q != '}' && *q != '\r' && *q != '\n')
                ++q;
            sink.Text(p, q);
            p = q;
            continue;
        }
        ++p;
        if (p >= end)
            break;
        if (!IsLetter(*p)) {
            const char symbol = *p++;
            if (symbol != '\'') {
                sink.ControlSymbol(symbol);
                continue;
            }
            const int hi = p < end ? HexValue(*p) : -1;
            const int lo = p + 1 < end ? HexValue(p[1]) : -1;
            if (hi < 0 || lo < 0)
                continue;
            p += 2;
            sink.HexByte(static_cast<unsigned char>(hi * 16 + lo));
            continue;
        }
        const char* nameBegin = p;
        while (p < end && IsLetter(*p))
            ++p;
        const auto nameLength = static_cast<size_t>(p - nameBegin);
        bool negative = false;
        if (p < end && *p == '-' && p + 1 < end && IsDigit(p[1])) {
            negative = true;
            ++p;
        }
        bool hasParameter = false;
        std::int64_t value = 0;
        while (p < end && IsDigit(*p)) {
            hasParameter = true;
            // Past the range of a 32-bit parameter every further digit is read and dropped.
            if (value <= std::numeric_limits<int>::max())
                value = value * 10 + (*p - '0');
            ++p;
        }
        if (p < end && *p == ' ')
            ++p;
        value = std::min<std::int64_t>(value, std::numeric_limits<int>::max());
        const int parameter = static_cast<int>(negative ? -value : value);
        const std::string_view name(nameBegin, nameLength);
        if (name == "bin") {
            // Raw bytes: never read as text or as control words.
            const qsizetype count = hasParameter && parameter > 0 ? parameter : 0;
            const qsizetype taken = std::min<qsizetype>(count, end - p);
            sink.Binary(p, taken);
            p += taken;
            continue;
        }
        if (nameLength <= MaxWordLength)
            sink.ControlWord(name, hasParameter, parameter);
    }
}

} // namespace Rtf

int Rtf::HexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
