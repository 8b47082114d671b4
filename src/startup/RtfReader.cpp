#include "startup/RtfReader.h"

#include <QBrush>
#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextLength>
#include <QTextTable>
#include <QTextTableCell>
#include <QTextTableFormat>
#include <QUrl>

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Layout lengths are written in twips; the document measures in pixels at 96 dpi.
constexpr double TwipsPerPixel = 15.0;
// Lengths and sizes beyond these are hostile; they are clamped, not refused.
constexpr int MaxTwips = 31680; // 22 inches
constexpr int MaxHalfPoints = 3276;
constexpr int MaxShownPixels = 8000;
constexpr int MaxFields = 64;

double PixelsFromTwips(int twips)
{
    return std::clamp(twips, -MaxTwips, MaxTwips) / TwipsPerPixel;
}

// ---------------------------------------------------------------------------------------------
// Code pages: the upper half of each single-byte code page, built once through iconv.

using CodePageTable = std::array<char16_t, 128>;

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

const CodePageTable& TableFor(int codePage)
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

int CodePageForCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 77:
        return 10000;
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

// ---------------------------------------------------------------------------------------------
// Control words.

enum class Word : std::uint8_t
{
    Unknown,
    Ignored, // known, no effect; keeps a \* group that starts with it
    Skip,    // a destination whose content never shows
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    Uc,
    U,
    Upr,
    Ud,
    FontTable,
    ColorTable,
    Font,
    Charset,
    FontCodePage,
    Red,
    Green,
    Blue,
    Field,
    FieldInstruction,
    FieldResult,
    Picture,
    PngBlip,
    JpegBlip,
    OtherBlip,
    PicW,
    PicH,
    PicWGoal,
    PicHGoal,
    PicScaleX,
    PicScaleY,
    Bin,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Foreground,
    Background,
    Super,
    Sub,
    NoSuperSub,
    Hidden,
    Par,
    Pard,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    Line,
    Tab,
    Break,
    InTable,
    Itap,
    RowDefaults,
    CellX,
    RowLeft,
    Cell,
    Row,
    NestCell,
    NestRow,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QmSpace,
    Bullet,
    LQuote,
    RQuote,
    LDblQuote,
    RDblQuote,
    Zwj,
    Zwnj,
};

const std::unordered_map<std::string_view, Word>& Words()
{
    static const std::unordered_map<std::string_view, Word> words = [] {
        std::unordered_map<std::string_view, Word> w = {
            {"rtf", Word::Rtf},
            {"ansi", Word::Ansi},
            {"mac", Word::Mac},
            {"pc", Word::Pc},
            {"pca", Word::Pca},
            {"ansicpg", Word::AnsiCpg},
            {"deff", Word::Deff},
            {"uc", Word::Uc},
            {"u", Word::U},
            {"upr", Word::Upr},
            {"ud", Word::Ud},
            {"fonttbl", Word::FontTable},
            {"colortbl", Word::ColorTable},
            {"f", Word::Font},
            {"fcharset", Word::Charset},
            {"cpg", Word::FontCodePage},
            {"red", Word::Red},
            {"green", Word::Green},
            {"blue", Word::Blue},
            {"field", Word::Field},
            {"fldinst", Word::FieldInstruction},
            {"fldrslt", Word::FieldResult},
            {"pict", Word::Picture},
            {"pngblip", Word::PngBlip},
            {"jpegblip", Word::JpegBlip},
            {"wmetafile", Word::OtherBlip},
            {"emfblip", Word::OtherBlip},
            {"macpict", Word::OtherBlip},
            {"pmmetafile", Word::OtherBlip},
            {"dibitmap", Word::OtherBlip},
            {"wbitmap", Word::OtherBlip},
            {"picw", Word::PicW},
            {"pich", Word::PicH},
            {"picwgoal", Word::PicWGoal},
            {"pichgoal", Word::PicHGoal},
            {"picscalex", Word::PicScaleX},
            {"picscaley", Word::PicScaleY},
            {"bin", Word::Bin},
            {"plain", Word::Plain},
            {"b", Word::Bold},
            {"i", Word::Italic},
            {"ul", Word::Underline},
            {"uld", Word::Underline},
            {"uldb", Word::Underline},
            {"ulw", Word::Underline},
            {"ulwave", Word::Underline},
            {"uldash", Word::Underline},
            {"uldashd", Word::Underline},
            {"uldashdd", Word::Underline},
            {"ulth", Word::Underline},
            {"ulhwave", Word::Underline},
            {"ululdbwave", Word::Underline},
            {"ulnone", Word::UnderlineNone},
            {"strike", Word::Strike},
            {"striked", Word::Strike},
            {"fs", Word::FontSize},
            {"cf", Word::Foreground},
            {"cb", Word::Background},
            {"highlight", Word::Background},
            {"chcbpat", Word::Background},
            {"super", Word::Super},
            {"sub", Word::Sub},
            {"nosupersub", Word::NoSuperSub},
            {"v", Word::Hidden},
            {"par", Word::Par},
            {"pard", Word::Pard},
            {"ql", Word::AlignLeft},
            {"qc", Word::AlignCentre},
            {"qr", Word::AlignRight},
            {"qj", Word::AlignJustify},
            {"qd", Word::AlignJustify},
            {"li", Word::LeftIndent},
            {"lin", Word::LeftIndent},
            {"ri", Word::RightIndent},
            {"rin", Word::RightIndent},
            {"fi", Word::FirstIndent},
            {"sb", Word::SpaceBefore},
            {"sa", Word::SpaceAfter},
            {"line", Word::Line},
            {"tab", Word::Tab},
            {"page", Word::Break},
            {"sect", Word::Break},
            {"column", Word::Break},
            {"intbl", Word::InTable},
            {"itap", Word::Itap},
            {"trowd", Word::RowDefaults},
            {"cellx", Word::CellX},
            {"trleft", Word::RowLeft},
            {"cell", Word::Cell},
            {"row", Word::Row},
            {"nestcell", Word::NestCell},
            {"nestrow", Word::NestRow},
            {"emdash", Word::EmDash},
            {"endash", Word::EnDash},
            {"emspace", Word::EmSpace},
            {"enspace", Word::EnSpace},
            {"qmspace", Word::QmSpace},
            {"bullet", Word::Bullet},
            {"lquote", Word::LQuote},
            {"rquote", Word::RQuote},
            {"ldblquote", Word::LDblQuote},
            {"rdblquote", Word::RDblQuote},
            {"zwj", Word::Zwj},
            {"zwnj", Word::Zwnj},
            // Groups that hold what a reader shows, or settings without an effect here.
            {"nesttableprops", Word::Ignored},
            {"shppict", Word::Ignored},
            {"shp", Word::Ignored},
            {"shprslt", Word::Ignored},
            {"object", Word::Ignored},
            {"result", Word::Ignored},
            {"pntext", Word::Ignored},
            {"listtext", Word::Ignored},
            {"sectd", Word::Ignored},
            {"ls", Word::Ignored},
            {"ilvl", Word::Ignored},
            {"cs", Word::Ignored},
            {"s", Word::Ignored},
        };
        for (std::string_view skipped : {"info",
                                         "stylesheet",
                                         "header",
                                         "headerl",
                                         "headerr",
                                         "headerf",
                                         "footer",
                                         "footerl",
                                         "footerr",
                                         "footerf",
                                         "footnote",
                                         "nonshppict",
                                         "nonesttables",
                                         "objdata",
                                         "objclass",
                                         "objname",
                                         "pn",
                                         "pntxta",
                                         "pntxtb",
                                         "listtable",
                                         "listoverridetable",
                                         "revtbl",
                                         "rsidtbl",
                                         "xmlnstbl",
                                         "generator",
                                         "themedata",
                                         "colorschememapping",
                                         "latentstyles",
                                         "datastore",
                                         "pgdsctbl",
                                         "filetbl",
                                         "annotation",
                                         "atnid",
                                         "atnauthor",
                                         "bkmkstart",
                                         "bkmkend",
                                         "xe",
                                         "tc",
                                         "txe",
                                         "rxe",
                                         "private",
                                         "userprops",
                                         "docvar",
                                         "ftnsep",
                                         "ftnsepc",
                                         "ftncn",
                                         "aftnsep",
                                         "aftnsepc",
                                         "aftncn",
                                         "template",
                                         "shpinst",
                                         "sp",
                                         "comment",
                                         "listpicture",
                                         "passwordhash",
                                         "wgrffmtfilter",
                                         "fchars",
                                         "lchars",
                                         "panose",
                                         "falt",
                                         "blipuid",
                                         "picprop",
                                         "mmathPr",
                                         "protusertbl",
                                         "formfield",
                                         "ffname",
                                         "datafield"})
            w.emplace(skipped, Word::Skip);
        return w;
    }();
    return words;
}

// ---------------------------------------------------------------------------------------------
// Group state.

enum class Destination : std::uint8_t
{
    Text,
    Skip,
    FontTable,
    ColorTable,
    FieldInstruction,
    Picture,
};

struct CharState
{
    int font = -1;
    int halfPoints = 24;
    int foreground = 0; // colour table index; 0 is the automatic colour
    int background = 0;
    int link = -1; // index into the reader's links
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    std::int8_t vertical = 0; // 1 superscript, -1 subscript

    bool operator==(const CharState&) const = default;
};

struct ParaState
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0;
    bool inTable = false;
    int itap = 0;

    int Level() const
    {
        const int level = itap > 0 ? itap : (inTable ? 1 : 0);
        return std::min(level, RtfReader::MaxTableDepth);
    }
};

struct GroupState
{
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    std::uint8_t uc = 1;
    bool startsPicture = false;
    bool ownsField = false;
    bool inUpr = false;
};

struct FontEntry
{
    QString name;
    int charset = 0;
    int codePage = 0;
};

struct Field
{
    QString instruction;
};

struct Picture
{
    enum Kind
    {
        None,
        Png,
        Jpeg,
        Other
    } kind = None;
    QByteArray data;
    int nibble = -1;
    bool tooLarge = false;
    int picW = 0, picH = 0, goalW = 0, goalH = 0, scaleX = 100, scaleY = 100;
};

struct TableLevel
{
    QTextTable* table = nullptr;
    int row = 0;
    int column = 0;
    bool rowEnded = false;
    bool cellEnded = false;
};

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The target of a HYPERLINK field instruction, or nothing for other fields.
QString HyperlinkTarget(const QString& instruction)
{
    const QString text = instruction.trimmed();
    if (!text.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    const QString rest = text.mid(9);
    QString target;
    const qsizetype open = rest.indexOf(QLatin1Char('"'));
    if (open >= 0) {
        const qsizetype close = rest.indexOf(QLatin1Char('"'), open + 1);
        target = rest.mid(open + 1, close < 0 ? -1 : close - open - 1);
    } else {
        target = rest.trimmed().section(QLatin1Char(' '), 0, 0);
    }
    // \l names a place inside the document.
    if (rest.contains(QLatin1String("\\l")) && !target.startsWith(QLatin1Char('#')))
        target.prepend(QLatin1Char('#'));
    return target;
}

class Reader
{
public:
    Reader(const QByteArray& input, QTextDocument& document) : m_in(input), m_document(document), m_cursor(&document) {}

    bool Run();

private:
    GroupState& state() { return m_stack.back(); }

    void OpenGroup();
    void CloseGroup();
    void ControlWord(std::string_view name, bool hasParameter, int parameter);
    void ControlSymbol(char symbol);
    void Text(const char* begin, const char* end);
    void Character(char16_t c);
    void CodePageByte(unsigned char byte);
    void DestinationByte(unsigned char byte);

    const CodePageTable& CurrentTable();
    void FlushRun();
    QTextCharFormat CharFormat(const CharState& chars) const;
    QTextBlockFormat BlockFormat(const ParaState& para) const;
    void EnsureLevel(int level);
    void OpenTable();
    void CloseTable();
    void EndParagraph();
    void EndCell(int level);
    void EndRow(int level);
    void ApplyColumnWidths(QTextTable* table);
    void FinishPicture();
    void CommitFont();
    void CommitColor();

    const QByteArray& m_in;
    QTextDocument& m_document;
    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    qsizetype m_overflowDepth = 0;
    bool m_sawHeader = false;
    bool m_finished = false;

    int m_documentCodePage = 1252;
    int m_defaultFont = -1;
    std::map<int, FontEntry> m_fonts;
    FontEntry m_pendingFont;
    int m_pendingFontNumber = -1;
    QList<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;
    std::vector<Field> m_fields;
    QStringList m_links;
    Picture m_picture;
    int m_pictureCount = 0;

    // Characters waiting to be written with one format.
    QString m_run;
    CharState m_runChars;
    int m_runLevel = 0;
    char16_t m_highSurrogate = 0;
    int m_skipAfterUnicode = 0;

    const CodePageTable* m_table = nullptr;
    int m_tableFont = std::numeric_limits<int>::min();
    int m_tableDocumentCodePage = 0;

    std::vector<TableLevel> m_tables;
    std::vector<int> m_cellRights;
    int m_rowLeft = 0;
};

bool Reader::Run()
{
    const char* p = m_in.constData();
    const char* const end = p + m_in.size();
    m_stack.reserve(64);
    m_stack.emplace_back();
    m_stack.back().destination = Destination::Skip; // nothing outside the document's group shows
    bool inDocument = false;

    while (p < end && !m_finished) {
        const char c = *p;
        if (c == '{') {
            ++p;
            m_skipAfterUnicode = 0;
            OpenGroup();
            if (!inDocument) {
                inDocument = true;
                state().destination = Destination::Text;
            }
            // "{\*\word": a group that readers which do not know the word leave out.
            if (end - p >= 2 && p[0] == '\\' && p[1] == '*') {
                p += 2;
                while (p < end && (*p == '\r' || *p == '\n'))
                    ++p;
                const char* nameBegin = p + 1;
                if (p < end && *p == '\\' && nameBegin < end && IsLetter(*nameBegin)) {
                    const char* q = nameBegin;
                    while (q < end && IsLetter(*q) && q - nameBegin < 32)
                        ++q;
                    if (Words().find(std::string_view(nameBegin, static_cast<size_t>(q - nameBegin))) == Words().end())
                        state().destination = Destination::Skip;
                } else {
                    state().destination = Destination::Skip;
                }
            }
            continue;
        }
        if (c == '}') {
            ++p;
            m_skipAfterUnicode = 0;
            CloseGroup();
            continue;
        }
        if (c == '\\') {
            ++p;
            if (p >= end)
                break;
            if (!IsLetter(*p)) {
                const char symbol = *p++;
                if (symbol == '\'') {
                    const int hi = p < end ? HexValue(*p) : -1;
                    const int lo = p + 1 < end ? HexValue(p[1]) : -1;
                    if (hi < 0 || lo < 0)
                        continue;
                    p += 2;
                    if (m_skipAfterUnicode > 0) {
                        --m_skipAfterUnicode;
                        continue;
                    }
                    const auto byte = static_cast<unsigned char>(hi * 16 + lo);
                    if (state().destination == Destination::Text)
                        CodePageByte(byte);
                    else
                        DestinationByte(byte);
                    continue;
                }
                if (m_skipAfterUnicode > 0) {
                    --m_skipAfterUnicode;
                    continue;
                }
                ControlSymbol(symbol);
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
                if (m_skipAfterUnicode > 0) {
                    --m_skipAfterUnicode;
                } else if (state().destination == Destination::Picture && !m_picture.tooLarge) {
                    if (m_picture.data.size() + taken > RtfReader::MaxPictureBytes)
                        m_picture.tooLarge = true;
                    else
                        m_picture.data.append(p, taken);
                }
                p += taken;
                continue;
            }
            if (m_skipAfterUnicode > 0) {
                --m_skipAfterUnicode;
                continue;
            }
            if (nameLength <= 32)
                ControlWord(name, hasParameter, parameter);
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++p;
            continue;
        }
        // Plain text up to the next character with a meaning of its own.
        const char* q = p;
        while (q < end && *q != '\\' && *q != '{' && *q != '}' && *q != '\r' && *q != '\n')
            ++q;
        Text(p, q);
        p = q;
    }

    if (!m_finished) {
        // Cut short: what was read so far still shows.
        FlushRun();
        m_cursor.setBlockFormat(BlockFormat(state().para));
    }
    return m_sawHeader && m_finished;
}

void Reader::OpenGroup()
{
    if (m_stack.size() >= static_cast<size_t>(RtfReader::MaxGroupDepth)) {
        ++m_overflowDepth;
        return;
    }
    GroupState copy = m_stack.back();
    copy.startsPicture = false;
    copy.ownsField = false;
    m_stack.push_back(copy);
}

void Reader::CloseGroup()
{
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1)
        return; // a closing brace too many
    const GroupState closing = m_stack.back();
    if (closing.destination == Destination::FontTable)
        CommitFont();
    if (m_stack.size() == 2) {
        // The document's own group: its last paragraph may end without \par.
        FlushRun();
        m_cursor.setBlockFormat(BlockFormat(closing.para));
    }
    m_stack.pop_back();
    m_finished = m_stack.size() == 1;
    if (closing.startsPicture)
        FinishPicture();
    if (closing.ownsField && !m_fields.empty())
        m_fields.pop_back();
}

void Reader::ControlSymbol(char symbol)
{
    if (state().destination != Destination::Text) {
        if (symbol == '\\' || symbol == '{' || symbol == '}')
            DestinationByte(static_cast<unsigned char>(symbol));
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        Character(static_cast<char16_t>(symbol));
        break;
    case '~':
        Character(u'\u00A0');
        break;
    case '-':
        Character(u'\u00AD');
        break;
    case '_':
        Character(u'\u2011');
        break;
    case '\r':
    case '\n':
        EndParagraph();
        break;
    default:
        break;
    }
}

void Reader::ControlWord(std::string_view name, bool hasParameter, int parameter)
{
    const auto found = Words().find(name);
    const Word word = found == Words().end() ? Word::Unknown : found->second;
    GroupState& s = state();
    const bool on = !hasParameter || parameter != 0;

    // Words that open a destination or matter in any destination.
    switch (word) {
    case Word::Skip:
        s.destination = Destination::Skip;
        return;
    case Word::Rtf:
        if (m_stack.size() == 2)
            m_sawHeader = true;
        return;
    case Word::FontTable:
        s.destination = Destination::FontTable;
        return;
    case Word::ColorTable:
        s.destination = Destination::ColorTable;
        return;
    case Word::Upr:
        // Two forms of the same text follow: the code-page one, then {\*\ud} in Unicode.
        s.destination = Destination::Skip;
        s.inUpr = true;
        return;
    case Word::Ud:
        if (s.inUpr && m_stack.size() >= 2 && m_stack[m_stack.size() - 2].inUpr &&
            m_stack[m_stack.size() - 2].destination == Destination::Skip) {
            s.inUpr = false;
            s.destination = m_stack.size() >= 3 ? m_stack[m_stack.size() - 3].destination : Destination::Text;
        }
        return;
    default:
        break;
    }

    switch (s.destination) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        switch (word) {
        case Word::Font:
            CommitFont();
            m_pendingFontNumber = parameter;
            break;
        case Word::Charset:
            m_pendingFont.charset = parameter;
            break;
        case Word::FontCodePage:
            m_pendingFont.codePage = parameter;
            break;
        default:
            break;
        }
        return;
    case Destination::ColorTable:
        switch (word) {
        case Word::Red:
            m_red = std::clamp(parameter, 0, 255);
            break;
        case Word::Green:
            m_green = std::clamp(parameter, 0, 255);
            break;
        case Word::Blue:
            m_blue = std::clamp(parameter, 0, 255);
            break;
        default:
            return;
        }
        m_colorSet = true;
        return;
    case Destination::FieldInstruction:
        return;
    case Destination::Picture:
        switch (word) {
        case Word::PngBlip:
            m_picture.kind = Picture::Png;
            break;
        case Word::JpegBlip:
            m_picture.kind = Picture::Jpeg;
            break;
        case Word::OtherBlip:
            m_picture.kind = Picture::Other;
            break;
        case Word::PicW:
            m_picture.picW = parameter;
            break;
        case Word::PicH:
            m_picture.picH = parameter;
            break;
        case Word::PicWGoal:
            m_picture.goalW = parameter;
            break;
        case Word::PicHGoal:
            m_picture.goalH = parameter;
            break;
        case Word::PicScaleX:
            m_picture.scaleX = parameter;
            break;
        case Word::PicScaleY:
            m_picture.scaleY = parameter;
            break;
        default:
            break;
        }
        return;
    case Destination::Text:
        break;
    }

    CharState& chars = s.chars;
    ParaState& para = s.para;
    switch (word) {
    case Word::Unknown:
    case Word::Ignored:
    case Word::Skip:
    case Word::Rtf:
    case Word::FontTable:
    case Word::ColorTable:
    case Word::Upr:
    case Word::Ud:
    case Word::Charset:
    case Word::FontCodePage:
    case Word::Red:
    case Word::Green:
    case Word::Blue:
    case Word::PngBlip:
    case Word::JpegBlip:
    case Word::OtherBlip:
    case Word::PicW:
    case Word::PicH:
    case Word::PicWGoal:
    case Word::PicHGoal:
    case Word::PicScaleX:
    case Word::PicScaleY:
    case Word::Bin:
        break;
    case Word::Ansi:
        m_documentCodePage = 1252;
        break;
    case Word::Mac:
        m_documentCodePage = 10000;
        break;
    case Word::Pc:
        m_documentCodePage = 437;
        break;
    case Word::Pca:
        m_documentCodePage = 850;
        break;
    case Word::AnsiCpg:
        m_documentCodePage = parameter;
        break;
    case Word::Deff:
        m_defaultFont = parameter;
        if (chars.font < 0)
            chars.font = parameter;
        break;
    case Word::Uc:
        s.uc = static_cast<std::uint8_t>(std::clamp(parameter, 0, 8));
        break;
    case Word::U: {
        const int unit = parameter < 0 ? parameter + 65536 : parameter;
        Character(unit >= 0 && unit <= 0xFFFF ? static_cast<char16_t>(unit) : u'\uFFFD');
        m_skipAfterUnicode = s.uc;
        break;
    }
    case Word::Field:
        if (m_fields.size() < static_cast<size_t>(MaxFields)) {
            m_fields.emplace_back();
            s.ownsField = true;
        }
        break;
    case Word::FieldInstruction:
        s.destination = Destination::FieldInstruction;
        break;
    case Word::FieldResult:
        if (!m_fields.empty()) {
            const QString target = HyperlinkTarget(m_fields.back().instruction);
            if (!target.isEmpty()) {
                m_links.append(target);
                chars.link = static_cast<int>(m_links.size() - 1);
            }
        }
        break;
    case Word::Picture:
        FlushRun();
        s.destination = Destination::Picture;
        s.startsPicture = true;
        m_picture = Picture();
        break;
    case Word::Plain: {
        const int link = chars.link;
        chars = CharState();
        chars.font = m_defaultFont;
        chars.link = link;
        break;
    }
    case Word::Font:
        chars.font = parameter;
        break;
    case Word::Bold:
        chars.bold = on;
        break;
    case Word::Italic:
        chars.italic = on;
        break;
    case Word::Underline:
        chars.underline = on;
        break;
    case Word::UnderlineNone:
        chars.underline = false;
        break;
    case Word::Strike:
        chars.strike = on;
        break;
    case Word::FontSize:
        chars.halfPoints = hasParameter ? std::clamp(parameter, 1, MaxHalfPoints) : 24;
        break;
    case Word::Foreground:
        chars.foreground = parameter;
        break;
    case Word::Background:
        chars.background = parameter;
        break;
    case Word::Super:
        chars.vertical = on ? 1 : 0;
        break;
    case Word::Sub:
        chars.vertical = on ? -1 : 0;
        break;
    case Word::NoSuperSub:
        chars.vertical = 0;
        break;
    case Word::Hidden:
        chars.hidden = on;
        break;
    case Word::Par:
    case Word::Break:
        EndParagraph();
        break;
    case Word::Pard:
        para = ParaState();
        break;
    case Word::AlignLeft:
        para.alignment = Qt::AlignLeft;
        break;
    case Word::AlignCentre:
        para.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        para.alignment = Qt::AlignRight;
        break;
    case Word::AlignJustify:
        para.alignment = Qt::AlignJustify;
        break;
    case Word::LeftIndent:
        para.left = parameter;
        break;
    case Word::RightIndent:
        para.right = parameter;
        break;
    case Word::FirstIndent:
        para.first = parameter;
        break;
    case Word::SpaceBefore:
        para.before = parameter;
        break;
    case Word::SpaceAfter:
        para.after = parameter;
        break;
    case Word::Line:
        Character(u'\u2028');
        break;
    case Word::Tab:
        Character(u'\t');
        break;
    case Word::InTable:
        para.inTable = on;
        break;
    case Word::Itap:
        para.itap = std::clamp(parameter, 0, RtfReader::MaxTableDepth);
        break;
    case Word::RowDefaults:
        m_cellRights.clear();
        m_rowLeft = 0;
        break;
    case Word::CellX:
        if (m_cellRights.size() < 64)
            m_cellRights.push_back(std::clamp(parameter, -MaxTwips, MaxTwips));
        break;
    case Word::RowLeft:
        m_rowLeft = std::clamp(parameter, -MaxTwips, MaxTwips);
        break;
    case Word::Cell:
        EndCell(1);
        break;
    case Word::NestCell:
        EndCell(std::max(2, para.Level()));
        break;
    case Word::Row:
        EndRow(1);
        break;
    case Word::NestRow:
        EndRow(std::max(2, para.Level()));
        break;
    case Word::EmDash:
        Character(u'\u2014');
        break;
    case Word::EnDash:
        Character(u'\u2013');
        break;
    case Word::EmSpace:
        Character(u'\u2003');
        break;
    case Word::EnSpace:
        Character(u'\u2002');
        break;
    case Word::QmSpace:
        Character(u'\u2005');
        break;
    case Word::Bullet:
        Character(u'\u2022');
        break;
    case Word::LQuote:
        Character(u'\u2018');
        break;
    case Word::RQuote:
        Character(u'\u2019');
        break;
    case Word::LDblQuote:
        Character(u'\u201C');
        break;
    case Word::RDblQuote:
        Character(u'\u201D');
        break;
    case Word::Zwj:
        Character(u'\u200D');
        break;
    case Word::Zwnj:
        Character(u'\u200C');
        break;
    }
}

void Reader::Text(const char* begin, const char* end)
{
    GroupState& s = state();
    if (s.destination != Destination::Text) {
        if (s.destination != Destination::Skip)
            for (const char* p = begin; p < end; ++p)
                DestinationByte(static_cast<unsigned char>(*p));
        return;
    }
    const char* p = begin;
    while (m_skipAfterUnicode > 0 && p < end) {
        --m_skipAfterUnicode;
        ++p;
    }
    if (p == end || s.chars.hidden)
        return;
    if (s.chars != m_runChars || s.para.Level() != m_runLevel) {
        FlushRun();
        m_runChars = s.chars;
        m_runLevel = s.para.Level();
    }
    if (m_highSurrogate) {
        m_run.append(QChar(u'\uFFFD'));
        m_highSurrogate = 0;
    }
    // ASCII goes straight in; the upper half through the code page in force.
    while (p < end) {
        const char* q = p;
        while (q < end && static_cast<unsigned char>(*q) < 0x80 && *q != '\0')
            ++q;
        if (q > p)
            m_run.append(QLatin1StringView(p, q - p));
        if (q < end) {
            const auto byte = static_cast<unsigned char>(*q);
            if (byte >= 0x80)
                m_run.append(QChar(CurrentTable()[byte - 0x80]));
            ++q;
        }
        p = q;
    }
}

void Reader::CodePageByte(unsigned char byte)
{
    if (byte < 0x80) {
        if (byte >= 0x20 || byte == '\t')
            Character(byte);
        return;
    }
    Character(CurrentTable()[byte - 0x80]);
}

void Reader::DestinationByte(unsigned char byte)
{
    GroupState& s = state();
    switch (s.destination) {
    case Destination::FontTable:
        if (byte == ';')
            CommitFont();
        else if (m_pendingFont.name.size() < 256)
            m_pendingFont.name.append(QChar(byte < 0x80 ? byte : TableFor(m_documentCodePage)[byte - 0x80]));
        break;
    case Destination::ColorTable:
        if (byte == ';')
            CommitColor();
        break;
    case Destination::FieldInstruction:
        if (!m_fields.empty() && m_fields.back().instruction.size() < 4096)
            m_fields.back().instruction.append(QLatin1Char(static_cast<char>(byte)));
        break;
    case Destination::Picture: {
        if (m_picture.tooLarge || m_picture.kind == Picture::Other)
            break;
        const int value = HexValue(static_cast<char>(byte));
        if (value < 0)
            break;
        if (m_picture.nibble < 0) {
            m_picture.nibble = value;
        } else {
            if (m_picture.data.size() >= RtfReader::MaxPictureBytes) {
                m_picture.tooLarge = true;
                m_picture.data.clear();
                break;
            }
            m_picture.data.append(static_cast<char>(m_picture.nibble * 16 + value));
            m_picture.nibble = -1;
        }
        break;
    }
    case Destination::Text:
    case Destination::Skip:
        break;
    }
}

void Reader::Character(char16_t c)
{
    GroupState& s = state();
    if (s.destination != Destination::Text || s.chars.hidden)
        return;
    if (s.chars != m_runChars || s.para.Level() != m_runLevel) {
        FlushRun();
        m_runChars = s.chars;
        m_runLevel = s.para.Level();
    }
    if (QChar::isHighSurrogate(c)) {
        if (m_highSurrogate)
            m_run.append(QChar(u'\uFFFD'));
        m_highSurrogate = c;
        return;
    }
    if (QChar::isLowSurrogate(c)) {
        if (m_highSurrogate) {
            m_run.append(QChar(m_highSurrogate));
            m_run.append(QChar(c));
        } else {
            m_run.append(QChar(u'\uFFFD'));
        }
        m_highSurrogate = 0;
        return;
    }
    if (m_highSurrogate) {
        m_run.append(QChar(u'\uFFFD'));
        m_highSurrogate = 0;
    }
    m_run.append(QChar(c));
}

const CodePageTable& Reader::CurrentTable()
{
    const int font = state().chars.font;
    if (!m_table || font != m_tableFont || m_documentCodePage != m_tableDocumentCodePage) {
        int codePage = m_documentCodePage;
        const auto entry = m_fonts.find(font);
        if (entry != m_fonts.end())
            codePage = entry->second.codePage > 0 ? entry->second.codePage
                                                  : CodePageForCharset(entry->second.charset, m_documentCodePage);
        m_table = &TableFor(codePage);
        m_tableFont = font;
        m_tableDocumentCodePage = m_documentCodePage;
    }
    return *m_table;
}

QTextCharFormat Reader::CharFormat(const CharState& chars) const
{
    QTextCharFormat format;
    const auto font = m_fonts.find(chars.font);
    if (font != m_fonts.end() && !font->second.name.isEmpty())
        format.setFontFamilies({font->second.name});
    format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline)
        format.setFontUnderline(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (chars.vertical)
        format.setVerticalAlignment(chars.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                       : QTextCharFormat::AlignSubScript);
    const auto color = [this](int index) {
        return index > 0 && index < m_colors.size() ? m_colors[index] : QColor();
    };
    if (const QColor fg = color(chars.foreground); fg.isValid())
        format.setForeground(fg);
    if (const QColor bg = color(chars.background); bg.isValid())
        format.setBackground(bg);
    if (chars.link >= 0 && chars.link < m_links.size()) {
        format.setAnchor(true);
        format.setAnchorHref(m_links[chars.link]);
    }
    return format;
}

QTextBlockFormat Reader::BlockFormat(const ParaState& para) const
{
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    if (para.left)
        format.setLeftMargin(PixelsFromTwips(para.left));
    if (para.right)
        format.setRightMargin(PixelsFromTwips(para.right));
    if (para.first)
        format.setTextIndent(PixelsFromTwips(para.first));
    if (para.before)
        format.setTopMargin(PixelsFromTwips(para.before));
    if (para.after)
        format.setBottomMargin(PixelsFromTwips(para.after));
    return format;
}

void Reader::FlushRun()
{
    if (m_highSurrogate) {
        m_run.append(QChar(u'\uFFFD'));
        m_highSurrogate = 0;
    }
    if (m_run.isEmpty())
        return;
    EnsureLevel(m_runLevel);
    m_cursor.insertText(m_run, CharFormat(m_runChars));
    m_run.clear();
}

void Reader::EnsureLevel(int level)
{
    while (static_cast<int>(m_tables.size()) > level)
        CloseTable();
    if (level == 0)
        return;
    // A row or cell that ended in the innermost open table: go on in the next one first.
    if (!m_tables.empty()) {
        TableLevel& t = m_tables.back();
        if (t.rowEnded) {
            t.table->appendRows(1);
            t.row = t.table->rows() - 1;
            t.column = 0;
            t.rowEnded = t.cellEnded = false;
            m_cursor = t.table->cellAt(t.row, 0).firstCursorPosition();
        } else if (t.cellEnded) {
            t.cellEnded = false;
            if (t.column >= t.table->columns() && t.table->columns() < RtfReader::MaxTableColumns)
                t.table->appendColumns(1);
            if (t.column < t.table->columns()) {
                m_cursor = t.table->cellAt(t.row, t.column).firstCursorPosition();
            } else {
                // A column more adds a cell to every row: past the limit, cells run on in the last.
                t.column = t.table->columns() - 1;
                m_cursor = t.table->cellAt(t.row, t.column).lastCursorPosition();
            }
        }
    }
    while (static_cast<int>(m_tables.size()) < level)
        OpenTable();
}

void Reader::OpenTable()
{
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    TableLevel level;
    level.table = m_cursor.insertTable(1, 1, format);
    m_tables.push_back(level);
    m_cursor = level.table->cellAt(0, 0).firstCursorPosition();
}

void Reader::CloseTable()
{
    QTextTable* table = m_tables.back().table;
    m_tables.pop_back();
    // Qt keeps a block after every table; writing goes on there.
    m_cursor.setPosition(table->lastPosition() + 1);
}

void Reader::EndParagraph()
{
    FlushRun();
    const ParaState& para = state().para;
    EnsureLevel(para.Level());
    m_cursor.setBlockFormat(BlockFormat(para));
    m_cursor.insertBlock();
}

void Reader::EndCell(int level)
{
    FlushRun();
    level = std::min(level, RtfReader::MaxTableDepth);
    EnsureLevel(level);
    m_cursor.setBlockFormat(BlockFormat(state().para));
    TableLevel& t = m_tables.back();
    ++t.column;
    t.cellEnded = true;
}

void Reader::EndRow(int level)
{
    FlushRun();
    level = std::min(level, RtfReader::MaxTableDepth);
    if (static_cast<int>(m_tables.size()) < level)
        return; // a row end without a table
    while (static_cast<int>(m_tables.size()) > level)
        CloseTable();
    TableLevel& t = m_tables.back();
    ApplyColumnWidths(t.table);
    t.rowEnded = true;
    t.cellEnded = false;
}

void Reader::ApplyColumnWidths(QTextTable* table)
{
    if (m_cellRights.empty())
        return;
    QTextTableFormat format = table->format();
    QList<QTextLength> widths;
    int previous = m_rowLeft;
    for (int i = 0; i < table->columns(); ++i) {
        if (i < static_cast<int>(m_cellRights.size()) && m_cellRights[static_cast<size_t>(i)] > previous) {
            const int right = m_cellRights[static_cast<size_t>(i)];
            widths.append(QTextLength(QTextLength::FixedLength, PixelsFromTwips(right - previous)));
            previous = right;
        } else {
            widths.append(QTextLength(QTextLength::VariableLength, 0));
        }
    }
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
}

void Reader::FinishPicture()
{
    Picture picture = std::move(m_picture);
    m_picture = Picture();
    if ((picture.kind != Picture::Png && picture.kind != Picture::Jpeg) || picture.tooLarge || picture.data.isEmpty() ||
        state().destination != Destination::Text)
        return;
    // The header gives the size; a picture that would decode into more than the limit is left out
    // before any of it is decoded.
    QBuffer buffer(&picture.data);
    QImageReader reader(&buffer, picture.kind == Picture::Png ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > RtfReader::MaxPicturePixels)
        return;
    const QImage image = reader.read();
    if (image.isNull())
        return;
    // The size shown: the goal size in twips where given, else the picture's own, then scaled.
    const auto shown = [](int goal, int pixels, int scale) {
        const double base = goal > 0 ? std::min(goal, MaxTwips) / TwipsPerPixel : pixels;
        const double factor = scale > 0 ? std::min(scale, 1000) / 100.0 : 1.0;
        return std::clamp(base * factor, 1.0, static_cast<double>(MaxShownPixels));
    };
    const QString name = QStringLiteral("rtf-picture:%1").arg(++m_pictureCount);
    m_document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown(picture.goalW, image.width(), picture.scaleX));
    format.setHeight(shown(picture.goalH, image.height(), picture.scaleY));
    EnsureLevel(state().para.Level());
    m_cursor.insertImage(format);
}

void Reader::CommitFont()
{
    if (m_pendingFontNumber >= 0 && m_fonts.size() < 4096) {
        m_pendingFont.name = m_pendingFont.name.trimmed();
        m_fonts[m_pendingFontNumber] = m_pendingFont;
    }
    m_pendingFont = FontEntry();
    m_pendingFontNumber = -1;
    m_table = nullptr;
}

void Reader::CommitColor()
{
    if (m_colors.size() < 4096)
        m_colors.append(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_colorSet = false;
}

} // namespace

bool RtfReader::Read(const QByteArray& rtf, QTextDocument& document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.clear();
    document.setUndoRedoEnabled(false);
    bool complete = false;
    {
        Reader reader(rtf, document);
        QTextCursor batch(&document);
        batch.beginEditBlock();
        complete = reader.Run();
        batch.endEditBlock();
    }
    document.setUndoRedoEnabled(undo);
    return complete;
}
