// The text form of the settings file: JSON written and read in one pass.
//
// Both directions are written out here rather than through QJsonDocument, which builds a whole
// tree of values first: for a long lot list that tree cost more than the rest of start-up and of
// a save together. The reader is strict JSON (plus a leading byte order mark) with a nesting limit.
// It also notes whether it took the document whole: a file from which it had to drop or change
// anything is kept aside before a save writes over it.
#include "records/JsonSettingsStore.h"

#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

namespace {

constexpr int FormatVersion = 1;
// Nesting deeper than this is no settings document; the limit keeps hostile files off the stack.
constexpr int MaxDepth = 256;

char* putUtf8(char* p, char32_t code)
{
    if (code < 0x80) {
        *p++ = static_cast<char>(code);
        return p;
    }
    if (code < 0x800) {
        *p++ = static_cast<char>(0xc0 | (code >> 6));
    } else if (code < 0x10000) {
        *p++ = static_cast<char>(0xe0 | (code >> 12));
        *p++ = static_cast<char>(0x80 | ((code >> 6) & 0x3f));
    } else {
        *p++ = static_cast<char>(0xf0 | (code >> 18));
        *p++ = static_cast<char>(0x80 | ((code >> 12) & 0x3f));
        *p++ = static_cast<char>(0x80 | ((code >> 6) & 0x3f));
    }
    *p++ = static_cast<char>(0x80 | (code & 0x3f));
    return p;
}

// Appends text as a JSON string: UTF-8, with quotes, backslashes and control characters escaped.
void appendJsonString(QByteArray& out, QStringView text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    const qsizetype start = out.size();
    const qsizetype worst = start + 2 + 6 * text.size(); // "\u0005" is the longest form of one UTF-16 unit
    if (worst > out.capacity())
        out.reserve(std::max(worst, 2 * out.capacity()));
    out.resize(worst);
    char* p = out.data() + start;
    *p++ = '"';
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x80 && c != u'"' && c != u'\\') {
            *p++ = static_cast<char>(c);
            continue;
        }
        if (c < 0x80) {
            *p++ = '\\';
            switch (c) {
            case u'"':
            case u'\\':
                *p++ = static_cast<char>(c);
                break;
            case u'\n':
                *p++ = 'n';
                break;
            case u'\r':
                *p++ = 'r';
                break;
            case u'\t':
                *p++ = 't';
                break;
            default:
                *p++ = 'u';
                *p++ = '0';
                *p++ = '0';
                *p++ = Hex[c >> 4];
                *p++ = Hex[c & 0xf];
            }
            continue;
        }
        if (c == 0xfeff) { // invisible in an editor, and UTF-8 readers drop it at the start of a text
            std::memcpy(p, "\\ufeff", 6);
            p += 6;
            continue;
        }
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode()))
            code = QChar::surrogateToUcs4(c, text[++i].unicode());
        else if (QChar::isSurrogate(c))
            code = QChar::ReplacementCharacter; // half a pair is not text, and UTF-8 cannot hold it
        p = putUtf8(p, code);
    }
    *p++ = '"';
    out.truncate(p - out.constData());
}

class DocumentReader
{
public:
    explicit DocumentReader(const QByteArray& text) : m_p(text.constData()), m_end(m_p + text.size()) {}

    std::optional<SettingsSections> read()
    {
        if (m_end - m_p >= 3 && std::memcmp(m_p, "\xEF\xBB\xBF", 3) == 0)
            m_p += 3;
        // Bytes that are not UTF-8 can only stand inside strings, where they would come back as U+FFFD.
        if (!QByteArrayView(m_p, m_end - m_p).isValidUtf8())
            m_whole = false;
        std::optional<SettingsSections> result;
        QSet<QString> seen;
        const bool valid = readObject(1, [&](const QString& key) {
            if (seen.contains(key))
                m_whole = false; // of two members with one name only the later one is kept
            seen.insert(key);
            if (key == QLatin1String("application"))
                return readApplication();
            if (key == QLatin1String("version"))
                return readVersion();
            if (key != QLatin1String("sections")) {
                m_whole = false; // nothing this program knows, and the next save would not write it
                return skipValue(2);
            }
            SettingsSections sections;
            if (!readSections(sections))
                return false;
            result = std::move(sections);
            return true;
        });
        skipSpace();
        if (!valid || m_p != m_end)
            return std::nullopt;
        return result;
    }

    // False once anything of the document was skipped or changed on reading.
    bool readWhole() const { return m_whole; }

private:
    void skipSpace()
    {
        while (m_p != m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\r' || *m_p == '\t'))
            ++m_p;
    }

    // Skips blanks, then takes c if it comes next.
    bool take(char c)
    {
        skipSpace();
        if (m_p == m_end || *m_p != c)
            return false;
        ++m_p;
        return true;
    }

    bool comesNext(char c)
    {
        skipSpace();
        return m_p != m_end && *m_p == c;
    }

    // Another program's file, or a newer Gavelor's, is read for what it shares with this one.
    bool readApplication()
    {
        QString name;
        if (!comesNext('"'))
            return notWhole(skipValue(2));
        if (!readString(name))
            return false;
        if (name != QLatin1String("Gavelor"))
            m_whole = false;
        return true;
    }

    bool readVersion()
    {
        skipSpace();
        const char* start = m_p;
        if (m_p == m_end || !(*m_p == '-' || (*m_p >= '0' && *m_p <= '9')))
            return notWhole(skipValue(2));
        if (!skipNumber())
            return false;
        if (QByteArray(start, m_p - start).toDouble() != FormatVersion)
            m_whole = false;
        return true;
    }

    bool notWhole(bool valid)
    {
        m_whole = false;
        return valid;
    }

    // {"key": value, ...}; readMember(key) reads each value.
    template <typename ReadMember> bool readObject(int depth, ReadMember readMember)
    {
        if (depth > MaxDepth || !take('{'))
            return false;
        if (take('}'))
            return true;
        do {
            QString key;
            if (!readString(key) || !take(':') || !readMember(key))
                return false;
        } while (take(','));
        return take('}');
    }

    // [value, ...]; readElement() reads each value.
    template <typename ReadElement> bool readArray(int depth, ReadElement readElement)
    {
        if (depth > MaxDepth || !take('['))
            return false;
        if (take(']'))
            return true;
        do {
            if (!readElement())
                return false;
        } while (take(','));
        return take(']');
    }

    // The "sections" object: a member whose value is not an array is skipped, and of two
    // members with the same name the later one counts.
    bool readSections(SettingsSections& sections)
    {
        QHash<QString, qsizetype> positions;
        return readObject(2, [&](const QString& name) {
            if (!comesNext('['))
                return notWhole(skipValue(3));
            SettingsPairs pairs;
            if (!readPairs(pairs))
                return false;
            auto& list = sections.sections();
            const auto known = positions.constFind(name);
            if (known != positions.cend()) {
                m_whole = false;
                list[*known].second = std::move(pairs);
            } else {
                positions.insert(name, list.size());
                list.append({name, std::move(pairs)});
            }
            return true;
        });
    }

    // A section: [[key, value], ...]; entries that are not two strings are skipped.
    bool readPairs(SettingsPairs& pairs)
    {
        return readArray(3, [&] {
            if (!comesNext('['))
                return notWhole(skipValue(4));
            QString texts[2];
            int count = 0;
            bool allTexts = true;
            const bool valid = readArray(4, [&] {
                if (count < 2 && comesNext('"'))
                    return readString(texts[count++]);
                allTexts = false;
                ++count;
                return skipValue(5);
            });
            if (valid && allTexts && count == 2)
                pairs.append({std::move(texts[0]), std::move(texts[1])});
            else
                m_whole = false;
            return valid;
        });
    }

    bool skipValue(int depth)
    {
        skipSpace();
        if (m_p == m_end)
            return false;
        switch (*m_p) {
        case '{':
            return readObject(depth, [&](const QString&) { return skipValue(depth + 1); });
        case '[':
            return readArray(depth, [&] { return skipValue(depth + 1); });
        case '"': {
            QString ignored;
            return readString(ignored);
        }
        case 't':
            return skipLiteral("true");
        case 'f':
            return skipLiteral("false");
        case 'n':
            return skipLiteral("null");
        default:
            return skipNumber();
        }
    }

    bool skipLiteral(const char* word)
    {
        const size_t length = std::strlen(word);
        if (static_cast<size_t>(m_end - m_p) < length || std::memcmp(m_p, word, length) != 0)
            return false;
        m_p += length;
        return true;
    }

    bool skipDigits()
    {
        const char* start = m_p;
        while (m_p != m_end && *m_p >= '0' && *m_p <= '9')
            ++m_p;
        return m_p != start;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
    bool skipNumber()
    {
        if (m_p != m_end && *m_p == '-')
            ++m_p;
        if (m_p != m_end && *m_p == '0')
            ++m_p;
        else if (!skipDigits())
            return false;
        if (m_p != m_end && *m_p == '.') {
            ++m_p;
            if (!skipDigits())
                return false;
        }
        if (m_p != m_end && (*m_p == 'e' || *m_p == 'E')) {
            ++m_p;
            if (m_p != m_end && (*m_p == '+' || *m_p == '-'))
                ++m_p;
            if (!skipDigits())
                return false;
        }
        return true;
    }

    bool readHex4(char32_t& code)
    {
        if (m_end - m_p < 4)
            return false;
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = *m_p++;
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return false;
            code = code * 16 + static_cast<char32_t>(digit);
        }
        return true;
    }

    // A JSON string. Bytes that are not UTF-8 and halves of surrogate pairs become U+FFFD.
    bool readString(QString& text)
    {
        if (!take('"'))
            return false;
        QVarLengthArray<char, 256> utf8;
        bool escaped = false;
        for (;;) {
            const char* run = m_p;
            while (m_p != m_end && *m_p != '"' && *m_p != '\\')
                ++m_p;
            if (m_p == m_end)
                return false;
            if (!escaped && *m_p == '"') { // the usual case: nothing to unescape
                text = fromUtf8(run, m_p - run);
                ++m_p;
                return true;
            }
            escaped = true;
            utf8.append(run, m_p - run);
            if (*m_p++ == '"')
                break;
            if (m_p == m_end)
                return false;
            switch (const char c = *m_p++) {
            case '"':
            case '\\':
            case '/':
                utf8.append(c);
                break;
            case 'b':
                utf8.append('\b');
                break;
            case 'f':
                utf8.append('\f');
                break;
            case 'n':
                utf8.append('\n');
                break;
            case 'r':
                utf8.append('\r');
                break;
            case 't':
                utf8.append('\t');
                break;
            case 'u': {
                char32_t code;
                if (!readHex4(code))
                    return false;
                if (QChar::isHighSurrogate(code) && m_end - m_p >= 6 && m_p[0] == '\\' && m_p[1] == 'u') {
                    const char* pairStart = m_p;
                    m_p += 2;
                    char32_t low;
                    if (readHex4(low) && QChar::isLowSurrogate(low)) {
                        code = QChar::surrogateToUcs4(static_cast<char16_t>(code), static_cast<char16_t>(low));
                    } else {
                        m_p = pairStart;
                        code = QChar::ReplacementCharacter;
                        m_whole = false;
                    }
                } else if (QChar::isSurrogate(code)) {
                    code = QChar::ReplacementCharacter;
                    m_whole = false;
                }
                char encoded[4];
                utf8.append(encoded, putUtf8(encoded, code) - encoded);
                break;
            }
            default:
                return false;
            }
        }
        text = fromUtf8(utf8.constData(), utf8.size());
        return true;
    }

    // QString::fromUtf8 drops a leading byte order mark, which here is part of the text.
    static QString fromUtf8(const char* utf8, qsizetype size)
    {
        if (size >= 3 && std::memcmp(utf8, "\xEF\xBB\xBF", 3) == 0)
            return QChar(0xfeff) + QString::fromUtf8(utf8 + 3, size - 3);
        return QString::fromUtf8(utf8, size);
    }

    const char* m_p;
    const char* m_end;
    bool m_whole = true;
};

} // namespace

std::optional<SettingsSections> JsonSettingsStore::Parse(const QByteArray& text, bool* readWhole)
{
    DocumentReader reader(text);
    std::optional<SettingsSections> sections = reader.read();
    if (readWhole)
        *readWhole = sections && reader.readWhole();
    return sections;
}

// One pair per line: the file reads and diffs well.
QByteArray JsonSettingsStore::Serialize(const SettingsSections& sections)
{
    qsizetype estimate = 128;
    for (const auto& [name, pairs] : sections.sections()) {
        estimate += 16 + name.size();
        for (const SettingsPair& pair : pairs)
            estimate += 24 + pair.first.size() + 2 * pair.second.size();
    }
    QByteArray out;
    out.reserve(estimate);
    out += "{\n    \"application\": \"Gavelor\",\n    \"version\": " + QByteArray::number(FormatVersion) +
           ",\n    \"sections\": {";
    bool firstSection = true;
    for (const auto& [name, pairs] : sections.sections()) {
        out += firstSection ? "\n        " : ",\n        ";
        firstSection = false;
        appendJsonString(out, name);
        out += ": [";
        bool firstPair = true;
        for (const SettingsPair& pair : pairs) {
            out += firstPair ? "\n            [" : ",\n            [";
            firstPair = false;
            appendJsonString(out, pair.first);
            out += ", ";
            appendJsonString(out, pair.second);
            out += ']';
        }
        out += firstPair ? "]" : "\n        ]";
    }
    out += firstSection ? "}\n}\n" : "\n    }\n}\n";
    return out;
}
