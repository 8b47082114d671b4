#include "help/RtfCharsets.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringDecoder>

#include <iconv.h>

#include <map>
#include <memory>

namespace Rtf {

namespace {

const char* const* IconvNames(int codePage)
{
    static const char* const cp874[] = {"CP874", "WINDOWS-874", "IBM874", nullptr};
    static const char* const cp437[] = {"CP437", nullptr};
    static const char* const cp850[] = {"CP850", nullptr};
    static const char* const mac[] = {"MACINTOSH", nullptr};
    static const char* const cp1250[] = {"CP1250", nullptr};
    static const char* const cp1251[] = {"CP1251", nullptr};
    static const char* const cp1252[] = {"CP1252", nullptr};
    static const char* const cp1253[] = {"CP1253", nullptr};
    static const char* const cp1254[] = {"CP1254", nullptr};
    static const char* const cp1255[] = {"CP1255", nullptr};
    static const char* const cp1256[] = {"CP1256", nullptr};
    static const char* const cp1257[] = {"CP1257", nullptr};
    static const char* const cp1258[] = {"CP1258", nullptr};
    switch (codePage) {
    case 874:
        return cp874;
    case 437:
        return cp437;
    case 850:
        return cp850;
    case 10000:
        return mac;
    case 1250:
        return cp1250;
    case 1251:
        return cp1251;
    case 1252:
        return cp1252;
    case 1253:
        return cp1253;
    case 1254:
        return cp1254;
    case 1255:
        return cp1255;
    case 1256:
        return cp1256;
    case 1257:
        return cp1257;
    case 1258:
        return cp1258;
    default:
        return nullptr;
    }
}

CodePageTable BuildTable(const char* const* names)
{
    CodePageTable table;
    // Latin-1 where the code page is unknown or the byte is undefined in it.
    for (int i = 0; i < 128; ++i)
        table[static_cast<size_t>(i)] = static_cast<char16_t>(0x80 + i);
    iconv_t cd = reinterpret_cast<iconv_t>(-1);
    for (; names && *names && cd == reinterpret_cast<iconv_t>(-1); ++names)
        cd = iconv_open("UTF-16LE", *names);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return table;
    for (int i = 0; i < 128; ++i) {
        char in = static_cast<char>(0x80 + i);
        char out[16] = {};
        char* inPtr = &in;
        size_t inLeft = 1;
        char* outPtr = out;
        size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        // Code pages that combine diacritics (1255, 1258) hold the character back until flushed.
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        const size_t written = sizeof out - outLeft;
        if (done == static_cast<size_t>(-1) || written < 2) {
            table[static_cast<size_t>(i)] = u'\uFFFD';
            continue;
        }
        const auto lo = static_cast<unsigned char>(out[0]);
        const auto hi = static_cast<unsigned char>(out[1]);
        table[static_cast<size_t>(i)] = static_cast<char16_t>(lo | (hi << 8));
    }
    iconv_close(cd);
    return table;
}

const char* DecoderName(int codePage)
{
    switch (codePage) {
    case 932:
        return "windows-932";
    case 936:
        return "windows-936";
    case 949:
        return "windows-949";
    case 950:
        return "windows-950";
    default:
        return nullptr;
    }
}

} // namespace

int CodePageForCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return documentCodePage;
    }
}

bool IsDoubleByte(int codePage)
{
    return DecoderName(codePage) != nullptr;
}

bool IsLeadByte(int codePage, unsigned char byte)
{
    if (codePage == 932)
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return IsDoubleByte(codePage) && byte >= 0x81 && byte <= 0xFE;
}

const CodePageTable& SingleByteTable(int codePage)
{
    static QMutex mutex;
    static std::map<int, std::unique_ptr<CodePageTable>> tables;
    const char* const* names = IconvNames(codePage);
    if (!names) {
        codePage = 1252;
        names = IconvNames(codePage);
    }
    QMutexLocker lock(&mutex);
    auto& slot = tables[codePage];
    if (!slot)
        slot = std::make_unique<CodePageTable>(BuildTable(names));
    return *slot;
}

QString DecodeDoubleByte(int codePage, const QByteArray& bytes)
{
    const char* name = DecoderName(codePage);
    QStringDecoder decoder(name ? name : "windows-1252");
    if (!decoder.isValid())
        return QString(bytes.size(), QChar(u'\uFFFD'));
    QString text = decoder.decode(bytes);
    return text;
}

char16_t SymbolCharacter(char16_t c)
{
    if (c < 0xF020 || c > 0xF0FF)
        return c;
    switch (c) {
    case 0xF0B7: // Symbol: bullet
        return u'\u2022';
    case 0xF0A7: // Wingdings: small square
        return u'\u25AA';
    case 0xF06C: // Wingdings: black circle
        return u'\u25CF';
    case 0xF06E: // Wingdings: black square
        return u'\u25A0';
    case 0xF071: // Wingdings: shadowed square
        return u'\u2751';
    case 0xF076: // Wingdings: diamond of four
        return u'\u2756';
    case 0xF0D8: // Wingdings: arrowhead
        return u'\u27A2';
    case 0xF0FC: // Wingdings: check mark
        return u'\u2713';
    case 0xF0E0: // Symbol: diamond
        return u'\u25CA';
    default:
        return c;
    }
}

} // namespace Rtf
