#include "help/RtfBuilder.h"

#include "help/RtfWords.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLength>
#include <QTextOption>

#include <cmath>

namespace Rtf {

Builder::Builder(QTextDocument& document, const std::atomic<bool>* cancelled)
    : m_document(document), m_cancelled(cancelled), m_cursor(&document), m_tables(m_cursor, m_colors)
{
    m_stack.reserve(64);
    m_stack.emplace_back();
    m_stack.back().destination = Destination::Skip; // nothing outside the document's group shows
}

Builder::~Builder() = default;

bool Builder::SkippedAfterUnicode()
{
    if (m_skipAfterUnicode <= 0)
        return false;
    --m_skipAfterUnicode;
    return true;
}

void Builder::OpenGroup()
{
    m_skipAfterUnicode = 0;
    if (m_stack.size() >= static_cast<size_t>(RtfReader::MaxGroupDepth)) {
        ++m_overflowDepth;
        return;
    }
    GroupState copy = m_stack.back();
    copy.startsPicture = copy.ownsField = copy.opensSide = copy.opensTextBox = copy.opensBookmark = false;
    copy.opensList = copy.opensNumbering = copy.opensListText = copy.opensShape = false;
    copy.starred = false;
    if (!m_inDocument) {
        m_inDocument = true;
        copy.destination = Destination::Text;
    }
    m_stack.push_back(copy);
}

void Builder::CloseGroup()
{
    m_skipAfterUnicode = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1)
        return; // a closing brace too many
    const GroupState closing = m_stack.back();
    if (m_stack.size() == 2) {
        // The document's own group: its last paragraph may end without \par.
        FlushRun();
        Out().setBlockFormat(BlockFormat(closing.para));
    }
    m_stack.pop_back();
    m_finished = m_stack.size() == 1;
    EndGroup(closing);
}

void Builder::ControlSymbol(char symbol)
{
    if (SkippedAfterUnicode())
        return;
    GroupState& s = state();
    if (symbol == '*') {
        s.starred = true;
        return;
    }
    if (s.starred) // "{\*" and then no word: nothing a reader knows
        s.destination = Destination::Skip;
    if (s.destination != Destination::Text) {
        if (symbol == '\\' || symbol == '{' || symbol == '}')
            DestinationByte(static_cast<unsigned char>(symbol));
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        // Trail bytes of a double-byte character may be written escaped.
        if (!m_pendingBytes.isEmpty())
            CodePageByte(static_cast<unsigned char>(symbol));
        else
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

void Builder::HexByte(unsigned char byte)
{
    if (SkippedAfterUnicode())
        return;
    if (state().starred)
        state().destination = Destination::Skip;
    if (state().destination == Destination::Text)
        CodePageByte(byte);
    else
        DestinationByte(byte);
}

void Builder::Binary(const char* data, qsizetype size)
{
    if (SkippedAfterUnicode())
        return;
    if (state().destination == Destination::Picture)
        m_picture.AppendBinary(data, size);
}

void Builder::ControlWord(std::string_view name, bool hasParameter, int parameter)
{
    if (SkippedAfterUnicode())
        return;
    const Word word = Lookup(name);
    GroupState& s = state();
    if (s.starred) {
        s.starred = false;
        // "{\*\word": a group that readers which do not know the word leave out.
        if (word == Word::Unknown) {
            s.destination = Destination::Skip;
            return;
        }
    }
    if (DestinationWord(word, parameter))
        return;
    if (s.destination == Destination::Text)
        TextWord(word, hasParameter, parameter);
}

void Builder::Text(const char* begin, const char* end)
{
    GroupState& s = state();
    if (s.starred)
        s.destination = Destination::Skip;
    if (s.destination != Destination::Text) {
        if (s.destination != Destination::Skip)
            for (const char* p = begin; p < end; ++p)
                if (!SkippedAfterUnicode())
                    DestinationByte(static_cast<unsigned char>(*p));
        return;
    }
    const char* p = begin;
    while (p < end && SkippedAfterUnicode())
        ++p;
    if (p == end || s.chars.hidden)
        return;
    PrepareRun();
    const int codePage = CurrentCodePage();
    if (IsDoubleByte(codePage)) {
        if (!m_pendingBytes.isEmpty() && m_pendingCodePage != codePage)
            DecodePending();
        m_pendingCodePage = codePage;
        m_pendingBytes.append(p, end - p);
        return;
    }
    DecodePending();
    if (m_highSurrogate) {
        m_run.append(QChar(u'\uFFFD'));
        m_highSurrogate = 0;
    }
    // ASCII goes straight in; the upper half through the code page in force.
    const CodePageTable& table = SingleByteTable(codePage);
    if (CurrentFontIsSymbol()) {
        for (; p < end; ++p) {
            const auto byte = static_cast<unsigned char>(*p);
            const char16_t symbol = SymbolCharacter(static_cast<char16_t>(0xF000 + byte));
            if (symbol < 0xF000)
                m_run.append(QChar(symbol));
            else if (byte != 0)
                m_run.append(QChar(byte < 0x80 ? char16_t(byte) : table[byte - 0x80]));
        }
        return;
    }
    while (p < end) {
        const char* q = p;
        while (q < end && static_cast<unsigned char>(*q) < 0x80 && *q != '\0')
            ++q;
        if (q > p)
            m_run.append(QLatin1StringView(p, q - p));
        if (q < end) {
            const auto byte = static_cast<unsigned char>(*q);
            if (byte >= 0x80)
                m_run.append(QChar(table[byte - 0x80]));
            ++q;
        }
        p = q;
    }
}

void Builder::CodePageByte(unsigned char byte)
{
    const int codePage = CurrentCodePage();
    if (IsDoubleByte(codePage) && (!m_pendingBytes.isEmpty() || byte >= 0x80)) {
        if (state().chars.hidden)
            return;
        PrepareRun();
        if (!m_pendingBytes.isEmpty() && m_pendingCodePage != codePage)
            DecodePending();
        m_pendingCodePage = codePage;
        m_pendingBytes.append(static_cast<char>(byte));
        return;
    }
    if (CurrentFontIsSymbol() && byte >= 0x20) {
        if (const char16_t symbol = SymbolCharacter(static_cast<char16_t>(0xF000 + byte)); symbol < 0xF000) {
            Character(symbol);
            return;
        }
    }
    if (byte < 0x80) {
        if (byte >= 0x20 || byte == '\t')
            Character(byte);
        return;
    }
    Character(SingleByteTable(codePage)[byte - 0x80]);
}

void Builder::PrepareRun()
{
    if (!m_paragraphStarted)
        StartParagraph();
    const GroupState& s = state();
    const int level = RunLevel(s);
    if (s.chars != m_runChars || level != m_runLevel || s.side != m_runSide || s.inListText != m_runListText) {
        FlushRun();
        m_runChars = s.chars;
        m_runLevel = level;
        m_runSide = s.side;
        m_runListText = s.inListText;
    }
}

void Builder::DecodePending()
{
    if (m_pendingBytes.isEmpty())
        return;
    m_run.append(DecodeDoubleByte(m_pendingCodePage, m_pendingBytes));
    m_pendingBytes.clear();
}

void Builder::Character(char16_t c)
{
    GroupState& s = state();
    if (s.destination != Destination::Text || s.chars.hidden)
        return;
    PrepareRun();
    DecodePending();
    c = SymbolCharacter(c);
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

bool Builder::CurrentFontIsSymbol() const
{
    const auto entry = m_fonts.find(m_stack.back().chars.font);
    return entry != m_fonts.end() && entry->second.symbol;
}

int Builder::CurrentCodePage()
{
    const int font = state().chars.font;
    if (font != m_codePageFont || m_documentCodePage != m_codePageDocument) {
        m_codePage = m_documentCodePage;
        const auto entry = m_fonts.find(font);
        if (entry != m_fonts.end())
            m_codePage = entry->second.codePage > 0 ? entry->second.codePage
                                                    : CodePageForCharset(entry->second.charset, m_documentCodePage);
        m_codePageFont = font;
        m_codePageDocument = m_documentCodePage;
    }
    return m_codePage;
}

QTextCharFormat Builder::CharFormat(const CharState& chars) const
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
    if (chars.allCaps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chars.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
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

QColor Builder::Color(int index) const
{
    return index > 0 && index < m_colors.size() ? m_colors[index] : QColor();
}

QColor Builder::Shade(const ParaState& para) const
{
    QColor back = Color(para.shadingBack);
    if (para.shading <= 0)
        return back;
    QColor fore = Color(para.shadingFore);
    if (!fore.isValid())
        fore = Qt::black;
    if (!back.isValid())
        back = Qt::white;
    const double share = std::clamp(para.shading, 0, 10000) / 10000.0;
    const auto mix = [share](int b, int f) {
        return static_cast<int>(std::lround(b + (f - b) * share));
    };
    return QColor(mix(back.red(), fore.red()), mix(back.green(), fore.green()), mix(back.blue(), fore.blue()));
}

QTextBlockFormat Builder::BlockFormat(const ParaState& para) const
{
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    if (para.direction)
        format.setLayoutDirection(para.direction > 0 ? Qt::LeftToRight : Qt::RightToLeft);
    if (para.lineSpacing > 0 && para.lineMultiple)
        format.setLineHeight(std::min(para.lineSpacing, 2400) * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (para.lineSpacing > 0)
        format.setLineHeight(PixelsFromTwips(para.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (para.lineSpacing < 0)
        format.setLineHeight(PixelsFromTwips(-para.lineSpacing), QTextBlockFormat::FixedHeight);
    if (const QColor shade = Shade(para); shade.isValid())
        format.setBackground(shade);
    // A border below alone is a rule; other borders make a box (EnsureBox).
    if (para.borders == BorderBottom)
        format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                           QTextLength(QTextLength::PercentageLength, 100));
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
    // Tab stops are measured from the page's edge of the paragraph, Qt's from where the first
    // line starts. A hanging indent is a tab stop of its own, where the following lines begin.
    QList<QTextOption::Tab> tabs;
    const int lineStart = para.left + para.first;
    QVariantList leaders;
    const auto add = [&tabs, &leaders, lineStart](const TabStop& stop) {
        if (stop.position <= lineStart)
            return;
        static constexpr QTextOption::TabType types[] = {QTextOption::LeftTab, QTextOption::RightTab,
                                                         QTextOption::CenterTab, QTextOption::DelimiterTab};
        tabs.append(QTextOption::Tab(PixelsFromTwips(stop.position - lineStart), types[stop.type & 3],
                                     stop.type == 3 ? QLatin1Char('.') : QChar()));
        if (stop.leader)
            leaders.append(QPointF(PixelsFromTwips(stop.position), stop.leader));
    };
    for (int i = 0; i < para.tabCount; ++i)
        add(para.tabs[static_cast<size_t>(i)]);
    if (para.first < 0)
        add(TabStop{para.left, 0});
    if (!tabs.isEmpty()) {
        std::sort(tabs.begin(), tabs.end(),
                  [](const QTextOption::Tab& a, const QTextOption::Tab& b) { return a.position < b.position; });
        format.setTabPositions(tabs);
    }
    if (!leaders.isEmpty())
        format.setProperty(RtfReader::TabLeadersProperty, leaders);
    return format;
}

int Builder::RunLevel(const GroupState& s) const
{
    // Notes stand outside every table; text boxes stay in the table cell they were met in.
    if (s.side != Side::Body)
        return 0;
    return s.inTextBox ? m_textBoxLevel : s.para.Level();
}

void Builder::FlushRun()
{
    DecodePending();
    if (m_highSurrogate) {
        m_run.append(QChar(u'\uFFFD'));
        m_highSurrogate = 0;
    }
    if (m_run.isEmpty())
        return;
    if (m_runSide == Side::Body)
        EnsureLevel(m_runLevel);
    QTextCharFormat format = CharFormat(m_runChars);
    if (!m_pendingAnchors.isEmpty() && m_runSide == Side::Body) {
        format.setAnchor(true);
        format.setAnchorNames(m_pendingAnchors);
        m_pendingAnchors.clear();
    }
    if (m_runListText && m_runSide == Side::Body) {
        if (m_listTextStart < 0)
            m_listTextStart = m_cursor.position();
        if (!m_run.trimmed().isEmpty())
            m_listTextOnlyBlanks = false;
    }
    Out().insertText(m_run, format);
    m_run.clear();
}

void Builder::EnsureLevel(int level)
{
    if (!m_textBoxes.empty())
        return;
    m_tables.Ensure(level);
}

QTextCursor& Builder::OutFor(Side side)
{
    if (side == Side::Body)
        return m_cursor;
    const auto index = static_cast<size_t>(side) - 1;
    if (!m_sides[index]) {
        m_sides[index] = std::make_unique<QTextDocument>();
        m_sideCursors[index] = QTextCursor(m_sides[index].get());
    }
    return m_sideCursors[index];
}

void Builder::EndParagraph()
{
    FlushRun();
    const GroupState& s = state();
    if (s.side == Side::Body) {
        EnsureLevel(RunLevel(s));
        if (!m_paragraphStarted && RunLevel(s) == 0)
            EnsureBox(s.para);
    }
    QTextCursor& out = OutFor(s.side);
    out.setBlockFormat(BlockFormat(s.para));
    // A border above alone is drawn as a rule under the paragraph before.
    if (s.para.borders == BorderTop) {
        const QTextBlock previous = out.block().previous();
        if (previous.isValid() && !previous.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) {
            QTextCursor above(previous);
            QTextBlockFormat ruled;
            ruled.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                              QTextLength(QTextLength::PercentageLength, 100));
            above.mergeBlockFormat(ruled);
        }
    }
    out.insertBlock();
    if (s.side == Side::Body) {
        m_paragraphStarted = false;
        m_paragraphHasNumber = false;
    }
}

void Builder::StartParagraph()
{
    const GroupState& s = state();
    if (s.side != Side::Body || s.destination != Destination::Text)
        return;
    m_paragraphStarted = true;
    if (RunLevel(s) == 0) {
        EnsureLevel(0);
        EnsureBox(s.para);
    }
    if (s.inListText) {
        m_paragraphHasNumber = true;
        return;
    }
    const bool numbered = s.para.list > 0 || s.para.numbering.format > 0;
    // A paragraph without a number ends an older-form list: the next one counts afresh.
    if (!numbered) {
        m_numberingCounters.fill(0);
        m_lastNumbering = OldNumbering();
    }
    if (numbered && !m_paragraphHasNumber)
        ListMarker();
}

bool Builder::SameBox(const ParaState& a, const ParaState& b)
{
    return a.borders == b.borders && a.borderColor == b.borderColor && a.shadingBack == b.shadingBack &&
           a.shadingFore == b.shadingFore && a.shading == b.shading && a.left == b.left && a.right == b.right;
}

void Builder::CloseBox()
{
    if (!m_box)
        return;
    QTextFrame* box = m_box;
    m_box = nullptr;
    // The paragraph mark of the box's last paragraph leaves an empty one behind.
    QTextCursor last = box->lastCursorPosition();
    if (last.block().text().isEmpty() && last.block().position() > box->firstPosition())
        last.deletePreviousChar();
    m_cursor.setPosition(box->lastPosition() + 1);
}

void Builder::EnsureBox(const ParaState& para)
{
    if (!m_textBoxes.empty() || m_tables.Depth() > 0)
        return;
    const bool boxed = (para.borders & (BorderLeft | BorderRight)) ||
                       (para.borders & (BorderTop | BorderBottom)) == (BorderTop | BorderBottom);
    if (m_box && (!boxed || !SameBox(para, m_boxPara)))
        CloseBox();
    if (!boxed || m_box)
        return;
    QTextFrameFormat box;
    box.setBorder(1);
    box.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    const QColor border = Color(para.borderColor);
    box.setBorderBrush(border.isValid() ? border : QColor(Qt::black));
    if (const QColor shade = Shade(para); shade.isValid())
        box.setBackground(shade);
    box.setPadding(4);
    box.setTopMargin(4);
    box.setBottomMargin(4);
    m_box = m_cursor.insertFrame(box);
    m_boxPara = para;
    // The paragraph the box was opened in stays empty before it: it takes no room.
    QTextCursor before(m_box->firstCursorPosition());
    if (before.movePosition(QTextCursor::PreviousBlock) && before.block().text().isEmpty()) {
        QTextBlockFormat none;
        none.setLineHeight(0, QTextBlockFormat::FixedHeight);
        before.setBlockFormat(none);
    }
}

} // namespace Rtf
